#include "platform/ui/ComboLookup.h"

#include <QKeyEvent>
#include <QWheelEvent>

#include "platform/db/Campo.h"
#include "platform/ui/ModeloDataset.h"

namespace rh::ui {

ComboLookup::ComboLookup(Dialogos& dialogos, QWidget* parent)
    : QComboBox(parent), EditorVinculado(static_cast<QWidget&>(*this), dialogos) {
    setEditable(false);
    connect(this, &QComboBox::activated, this, [this](int i) {
        if (i >= 0) escrever(chaveNaLinha(i));
    });
}

void ComboLookup::defineLista(db::Dataset& lista, const QString& campoChave, const QString& campoExibido) {
    if (m_lista) disconnect(m_lista, nullptr, this, nullptr);
    m_lista = &lista;
    m_campoChave = campoChave;
    auto* anterior = m_modelo.data();
    m_modelo = new ModeloDataset(lista, {ColunaGrade{campoExibido}}, this);
    setModel(m_modelo);
    setModelColumn(0);
    delete anterior;
    connect(&lista, &db::Dataset::aposAbrir, this, &ComboLookup::listaMudou);
    listaMudou();
}

void ComboLookup::listaMudou() {
    // Lists are short; reading them whole lets the current key be found.
    if (m_lista && m_lista->ativo()) m_lista->contagem();
    mostrarValor(campo());
}

QVariant ComboLookup::chaveNaLinha(int linha) const {
    if (!m_lista || !m_lista->ativo()) return {};
    const db::Campo* chave = m_lista->procurarCampo(m_campoChave);
    return chave ? m_lista->valorNaLinha(linha, chave->indice()) : QVariant();
}

void ComboLookup::mostrarValor(const db::Campo* campo) {
    int indice = -1;
    if (campo && !campo->nulo() && m_lista && m_lista->ativo()) {
        const int linhas = m_lista->linhasLidas();
        for (int i = 0; i < linhas && indice < 0; ++i)
            if (mesmoValor(chaveNaLinha(i), *campo)) indice = i;
    }
    setCurrentIndex(indice);
}

void ComboLookup::showPopup() {
    if (editavel()) QComboBox::showPopup();
}

void ComboLookup::keyPressEvent(QKeyEvent* evento) {
    if (editavel()) QComboBox::keyPressEvent(evento);
    else QWidget::keyPressEvent(evento);
}

void ComboLookup::wheelEvent(QWheelEvent* evento) {
    if (editavel()) QComboBox::wheelEvent(evento);
    else evento->ignore();
}

}  // namespace rh::ui
