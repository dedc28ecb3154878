#pragma once

#include <QObject>
#include <functional>

class QDialog;
class QWidget;

namespace rh::ui {

// Every "show modally", "show" and "open as a child of the main window"
// goes through one runner, received by the windows in their context.
//
// A window whose whole life happens inside a modal run is built normally
// and the opener runs it here right after. A test installs an interceptor
// that receives the window instead of the modal loop, drives it (fills
// fields, clicks buttons), and returns the result code the loop would have
// returned.
class ExecutorJanelas : public QObject {
    Q_OBJECT
public:
    using Interceptador = std::function<int(QWidget&)>;
    using Hospedeiro = std::function<void(QWidget&)>;

    explicit ExecutorJanelas(QObject* parent = nullptr);

    // Runs the dialog modally; returns its result (QDialog::Accepted, ...).
    int exibirModal(QDialog& dialogo);
    // Runs any window modally: shows it application-modal and waits in a
    // local event loop until it is hidden (closed) or destroyed.
    void exibirModal(QWidget& janela);
    // Shows a window without waiting (a top-level window of its own).
    void mostrar(QWidget& janela);
    // Opens a window as a child of the main window. Without a host (before
    // the main window installs one, or in tests) it is shown as a window of
    // its own.
    void abrirComoFilha(QWidget& janela);

    // Replaces every modal run by a call of `interceptador`; an empty
    // function restores the real loop.
    void defineInterceptador(Interceptador interceptador);
    bool interceptado() const { return bool(m_interceptador); }
    // The main window's way of hosting child windows (its MDI area).
    void defineHospedeiroFilhas(Hospedeiro hospedeiro);

Q_SIGNALS:
    // A window was shown without a modal run (mostrar, abrirComoFilha), so
    // tests can find a window another window opened.
    void janelaMostrada(QWidget* janela);

private:
    Interceptador m_interceptador;
    Hospedeiro m_hospedeiro;
};

}  // namespace rh::ui
