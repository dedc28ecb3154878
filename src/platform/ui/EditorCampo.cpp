#include "platform/ui/EditorCampo.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "platform/db/Campo.h"

namespace rh::ui {

namespace {
constexpr int kSemLimite = 32767;  // QLineEdit's own default
}

EditorCampo::EditorCampo(Dialogos& dialogos, QWidget* parent)
    : QLineEdit(parent), EditorVinculado(static_cast<QWidget&>(*this), dialogos) {
    setReadOnly(true);
    connect(this, &QLineEdit::textEdited, this, [this] { marcarPendente(); });
}

void EditorCampo::defineOpcoes(Opcoes opcoes) {
    m_opcoes = opcoes;
    delete validator();
    if (opcoes.caixa != Caixa::Normal || opcoes.somenteDigitos)
        setValidator(new ValidadorTexto(opcoes.caixa, opcoes.somenteDigitos, this));
    else
        setValidator(nullptr);
}

void EditorCampo::mostrarValor(const db::Campo* campo) {
    const bool limitar = campo && campo->ehTexto() && campo->tamanho() > 0;
    setMaxLength(limitar ? campo->tamanho() : kSemLimite);
    if (!campo) {
        clear();
        return;
    }
    // While editing the user sees the value as it is typed (1234,5); else
    // with the field's display format (1.234,50).
    setText(editavel() ? textoDeEdicao(*campo) : campo->texto());
    setCursorPosition(0);
}

void EditorCampo::aplicarEditavel(bool editavel) { setReadOnly(!editavel); }

QVariant EditorCampo::valorDigitado(QString&) const {
    // A cleared edit is a null value, for every type.
    return text().isEmpty() ? QVariant() : QVariant(text());
}

void EditorCampo::focusOutEvent(QFocusEvent* evento) {
    aoPerderFoco(evento->reason());
    QLineEdit::focusOutEvent(evento);
}

void EditorCampo::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) gravarPendente();
    QLineEdit::keyPressEvent(evento);
}

}  // namespace rh::ui
