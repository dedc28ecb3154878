#pragma once

class QWidget;

namespace rh::ui {

// Puts a window in the maximised state. Without a window manager (a bare X
// server, a kiosk session) the state alone does not resize the window, so it
// is first given the working area of its screen.
void maximizar(QWidget& janela);

}  // namespace rh::ui
