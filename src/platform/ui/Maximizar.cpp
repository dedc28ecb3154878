#include "platform/ui/Maximizar.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace rh::ui {

void maximizar(QWidget& janela) {
    QScreen* tela = janela.screen() ? janela.screen() : QGuiApplication::primaryScreen();
    if (tela && !(janela.windowState() & Qt::WindowMaximized)) janela.setGeometry(tela->availableGeometry());
    janela.setWindowState((janela.windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
}

}  // namespace rh::ui
