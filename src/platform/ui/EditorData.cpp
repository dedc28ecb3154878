#include "platform/ui/EditorData.h"

#include <QDate>
#include <QFocusEvent>
#include <QKeyEvent>

#include "platform/db/Campo.h"

namespace rh::ui {

EditorData::EditorData(Dialogos& dialogos, QWidget* parent)
    : QLineEdit(parent), EditorVinculado(static_cast<QWidget&>(*this), dialogos) {
    setInputMask(QStringLiteral("99/99/9999"));
    setReadOnly(true);
    connect(this, &QLineEdit::textEdited, this, [this] { marcarPendente(); });
}

QString EditorData::textoDigitado() const {
    QString t = text();
    t.remove(' ');
    return t;
}

void EditorData::mostrarValor(const db::Campo* campo) {
    const QDate d = campo && !campo->nulo() ? campo->comoData() : QDate();
    setText(d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString());
    setCursorPosition(0);
}

void EditorData::aplicarEditavel(bool editavel) { setReadOnly(!editavel); }

QVariant EditorData::valorDigitado(QString& recusa) const {
    const QString t = textoDigitado();
    QString digitos = t;
    digitos.remove('/');
    if (digitos.isEmpty()) return {};
    const QDate d = QDate::fromString(t, QStringLiteral("dd/MM/yyyy"));
    if (!d.isValid() || t.size() != 10) {
        recusa = QStringLiteral("A data %1 não é válida.").arg(t);
        return {};
    }
    return d;
}

void EditorData::focusOutEvent(QFocusEvent* evento) {
    aoPerderFoco(evento->reason());
    QLineEdit::focusOutEvent(evento);
}

void EditorData::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) gravarPendente();
    QLineEdit::keyPressEvent(evento);
}

}  // namespace rh::ui
