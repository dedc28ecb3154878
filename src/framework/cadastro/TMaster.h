#pragma once

#include <QMainWindow>

namespace rh::framework {

// Base of the registration windows: Escape closes the window; Enter moves
// the focus to the next control, except in a grid, a list, a combo box or
// a memo (where Enter means something to the control itself). The window is
// centred on the screen the first time it is shown.
class TMaster : public QMainWindow {
    Q_OBJECT
public:
    explicit TMaster(QWidget* parent = nullptr);

    // Whether Enter in `controle` moves the focus on.
    static bool enterAvancaFoco(const QWidget* controle);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    bool m_centralizada = false;
};

}  // namespace rh::framework
