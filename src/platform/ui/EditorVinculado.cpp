#include "platform/ui/EditorVinculado.h"

#include <QLocale>
#include <QTimer>
#include <QWidget>

#include "platform/db/Campo.h"
#include "platform/db/Dataset.h"
#include "platform/db/ErroBanco.h"
#include "platform/ui/Dialogos.h"
#include "platform/ui/VinculoCampo.h"

namespace rh::ui {

EditorVinculado::EditorVinculado(QWidget& controle, Dialogos& dialogos)
    : m_controle(controle), m_dialogos(dialogos), m_vinculo(std::make_unique<VinculoCampo>(*this)) {}

EditorVinculado::~EditorVinculado() = default;

void EditorVinculado::vincular(db::Dataset& dataset, const QString& nomeCampo) {
    m_vinculo->vincular(dataset, nomeCampo);
}

db::Dataset* EditorVinculado::dataset() const { return m_vinculo->dataset(); }
QString EditorVinculado::nomeCampo() const { return m_vinculo->nomeCampo(); }
db::Campo* EditorVinculado::campo() const { return m_vinculo->campo(); }

bool EditorVinculado::editavel() const {
    const db::Dataset* ds = dataset();
    const db::Campo* c = campo();
    return ds && c && ds->editando() && !c->somenteLeitura();
}

QVariant EditorVinculado::valorDigitado(QString&) const { return {}; }

void EditorVinculado::refletir() {
    m_pendente = false;
    m_avisoAgendado = false;
    m_mostrando = true;
    mostrarValor(campo());
    aplicarEditavel(editavel());
    m_mostrando = false;
}

void EditorVinculado::marcarPendente() {
    if (!m_mostrando) m_pendente = true;
}

bool EditorVinculado::tentarGravar(QString& recusa) {
    if (!m_pendente) return true;
    db::Campo* c = campo();
    if (!c || !editavel()) {
        refletir();  // nothing may be stored any more: show the field as it is
        return true;
    }
    const QVariant valor = valorDigitado(recusa);
    if (!recusa.isEmpty()) return false;
    try {
        c->defineValor(valor);
    } catch (const db::ErroBanco& e) {
        recusa = e.mensagem();
        return false;
    }
    // Shows the stored value in its normal form (also when it did not change
    // and the dataset therefore said nothing).
    refletir();
    return true;
}

bool EditorVinculado::gravarPendente() {
    QString recusa;
    if (tentarGravar(recusa)) return true;
    m_avisoAgendado = false;
    m_dialogos.aviso(recusa);
    m_controle.setFocus(Qt::OtherFocusReason);
    return false;
}

void EditorVinculado::aoPerderFoco(Qt::FocusReason motivo) {
    // A menu or another application taking the focus is no end of typing.
    if (motivo == Qt::PopupFocusReason || motivo == Qt::ActiveWindowFocusReason) return;
    QString recusa;
    if (tentarGravar(recusa) || m_avisoAgendado) return;
    // A box opened in the middle of a focus change confuses it: tell the
    // user once the change is over, unless the text was stored or
    // discarded in the meantime.
    m_avisoAgendado = true;
    QTimer::singleShot(0, m_vinculo.get(), [this, recusa] {
        if (!m_avisoAgendado || !m_pendente) return;
        m_avisoAgendado = false;
        m_dialogos.aviso(recusa);
        m_controle.setFocus(Qt::OtherFocusReason);
    });
}

void EditorVinculado::gravarAntesDePostar() {
    QString recusa;
    if (tentarGravar(recusa)) return;
    // The window that posts tells the user why the post failed; a second box
    // with the same text would only repeat it.
    m_avisoAgendado = false;
    throw db::ErroBanco(recusa);
}

bool EditorVinculado::escrever(const QVariant& valor) {
    db::Campo* c = campo();
    if (!c || !editavel()) {
        refletir();
        return false;
    }
    try {
        c->defineValor(valor);
    } catch (const db::ErroBanco& e) {
        m_dialogos.aviso(e.mensagem());
        refletir();
        return false;
    }
    refletir();
    return true;
}

bool EditorVinculado::mesmoValor(const QVariant& armazenado, const db::Campo& campo) {
    const QVariant atual = campo.valor();
    if (atual.isNull() || !atual.isValid() || armazenado.isNull() || !armazenado.isValid())
        return (atual.isNull() || !atual.isValid()) && (armazenado.isNull() || !armazenado.isValid());
    try {
        return db::converterValor(armazenado, campo.tipo()) == atual;
    } catch (const db::ErroBanco&) {
        return armazenado.toString() == atual.toString();
    }
}

QString EditorVinculado::textoDeEdicao(const db::Campo& campo) {
    const QVariant v = campo.valor();
    if (v.isNull() || !v.isValid()) return {};
    if (campo.tipo() == db::TipoDado::Numero) {
        QLocale local(QLocale::Portuguese, QLocale::Brazil);
        local.setNumberOptions(QLocale::OmitGroupSeparator);
        return local.toString(v.toDouble(), 'f', QLocale::FloatingPointShortest);
    }
    return campo.comoTexto();
}

}  // namespace rh::ui
