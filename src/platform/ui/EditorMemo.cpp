#include "platform/ui/EditorMemo.h"

#include <QFocusEvent>

#include "platform/db/Campo.h"

namespace rh::ui {

EditorMemo::EditorMemo(Dialogos& dialogos, QWidget* parent)
    : QPlainTextEdit(parent), EditorVinculado(static_cast<QWidget&>(*this), dialogos) {
    setReadOnly(true);
    setTabChangesFocus(true);  // Tab moves on, as in the other controls
    connect(this, &QPlainTextEdit::textChanged, this, [this] { marcarPendente(); });
}

void EditorMemo::mostrarValor(const db::Campo* campo) {
    QString texto = campo ? campo->comoTexto() : QString();
    // Texts written on the department's Windows machines end lines with CR LF.
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(texto);
}

void EditorMemo::aplicarEditavel(bool editavel) { setReadOnly(!editavel); }

QVariant EditorMemo::valorDigitado(QString&) const {
    const QString t = toPlainText();
    return t.isEmpty() ? QVariant() : QVariant(t);
}

void EditorMemo::focusOutEvent(QFocusEvent* evento) {
    aoPerderFoco(evento->reason());
    QPlainTextEdit::focusOutEvent(evento);
}

}  // namespace rh::ui
