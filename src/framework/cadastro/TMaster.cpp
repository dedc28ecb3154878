#include "framework/cadastro/TMaster.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextEdit>

namespace rh::framework {

TMaster::TMaster(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Formulário Master"));
}

bool TMaster::enterAvancaFoco(const QWidget* controle) {
    // The control itself or the widget it belongs to (the edit inside an
    // editable combo, the viewport of a grid).
    for (const QWidget* w = controle; w; w = w->parentWidget()) {
        if (qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QComboBox*>(w) ||
            qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w))
            return false;
        if (w->isWindow()) break;
    }
    return true;
}

// Keys reach the window when the focused control leaves them unhandled
// (edits, check boxes, buttons do so with Enter and Escape).
void TMaster::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape && evento->modifiers() == Qt::NoModifier) {
        evento->accept();
        close();
        return;
    }
    if ((evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) &&
        !(evento->modifiers() & ~Qt::KeypadModifier)) {
        QWidget* focado = focusWidget();
        if (focado && enterAvancaFoco(focado)) {
            evento->accept();
            focusNextChild();
            return;
        }
    }
    QMainWindow::keyPressEvent(evento);
}

void TMaster::showEvent(QShowEvent* evento) {
    QMainWindow::showEvent(evento);
    if (m_centralizada || !isWindow()) return;
    m_centralizada = true;
    if (QScreen* tela = screen()) {
        QRect r = frameGeometry();
        r.moveCenter(tela->availableGeometry().center());
        move(r.topLeft());
    }
}

}  // namespace rh::framework
