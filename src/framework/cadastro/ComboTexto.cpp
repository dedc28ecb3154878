#include "framework/cadastro/ComboTexto.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

#include "platform/db/Campo.h"

namespace rh::framework {

ComboTexto::ComboTexto(ui::Dialogos& dialogos, QWidget* parent)
    : QComboBox(parent), EditorVinculado(static_cast<QWidget&>(*this), dialogos) {
    setEditable(true);
    // A typed text is a value of the field, not a new item of the list.
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->setReadOnly(true);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { marcarPendente(); });
    connect(this, &QComboBox::activated, this, [this](int i) {
        if (i < 0) return;
        marcarPendente();
        gravarPendente();
    });
}

void ComboTexto::defineItens(const QStringList& itens) {
    clear();
    addItems(itens);
    mostrarValor(campo());
}

void ComboTexto::mostrarValor(const db::Campo* campo) {
    const bool limitar = campo && campo->ehTexto() && campo->tamanho() > 0;
    lineEdit()->setMaxLength(limitar ? campo->tamanho() : 32767);
    setCurrentIndex(-1);
    setEditText(campo ? campo->comoTexto() : QString());
}

void ComboTexto::aplicarEditavel(bool editavel) {
    lineEdit()->setReadOnly(!editavel);
}

QVariant ComboTexto::valorDigitado(QString&) const {
    const QString texto = currentText();
    return texto.isEmpty() ? QVariant() : QVariant(texto);
}

void ComboTexto::showPopup() {
    if (editavel()) QComboBox::showPopup();
}

void ComboTexto::focusOutEvent(QFocusEvent* evento) {
    aoPerderFoco(evento->reason());
    QComboBox::focusOutEvent(evento);
}

void ComboTexto::keyPressEvent(QKeyEvent* evento) {
    if (!editavel()) {
        // Outside insert and edit nothing changes the text; keys travel on
        // (Enter, Escape reach the window).
        QWidget::keyPressEvent(evento);
        return;
    }
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) gravarPendente();
    QComboBox::keyPressEvent(evento);
}

void ComboTexto::wheelEvent(QWheelEvent* evento) {
    if (editavel())
        QComboBox::wheelEvent(evento);
    else
        evento->ignore();
}

}  // namespace rh::framework
