#include "reports/base/ComboLista.h"

#include "platform/db/Dataset.h"

namespace rh::reports {

ComboLista::ComboLista(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    setMaxVisibleItems(8);
}

void ComboLista::defineLista(db::Dataset& lista, const QString& campoChave, const QString& campoExibido) {
    if (m_aoAbrir) disconnect(m_aoAbrir);
    m_lista = &lista;
    m_campoChave = campoChave;
    m_campoExibido = campoExibido;
    if (!lista.ativo()) lista.abrir();
    m_aoAbrir = connect(&lista, &db::Dataset::aposAbrir, this, [this] { carregar(); });
    carregar();
    Q_EMIT listaTrocada();
}

void ComboLista::carregar() {
    const QVariant anterior = chave();
    QSignalBlocker bloqueio(this);
    clear();
    if (!m_lista || !m_lista->ativo()) return;
    // The list's own position is kept: other windows may be on it.
    const int posicao = m_lista->linhaAtual();
    const int total = m_lista->contagem();
    const int iChave = m_lista->campo(m_campoChave).indice();
    const int iExibido = m_lista->campo(m_campoExibido).indice();
    for (int i = 0; i < total; ++i)
        addItem(m_lista->valorNaLinha(i, iExibido).toString(), m_lista->valorNaLinha(i, iChave));
    if (posicao >= 0) m_lista->irPara(posicao);
    bloqueio.unblock();
    if (!anterior.isNull()) defineChave(anterior);
    else setCurrentIndex(-1);
}

QVariant ComboLista::chave() const { return currentIndex() < 0 ? QVariant() : itemData(currentIndex()); }

bool ComboLista::defineChave(const QVariant& chave) {
    for (int i = 0; i < count(); ++i) {
        if (itemData(i).toString() == chave.toString()) {
            setCurrentIndex(i);
            return true;
        }
    }
    setCurrentIndex(-1);
    return false;
}

}  // namespace rh::reports
