#include "platform/ui/ExecutorJanelas.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace rh::ui {

namespace {

// Ends the local loop of a modal run when the window is closed (hidden by
// the program, not minimised by the window system) or destroyed.
class FimDaJanela : public QObject {
public:
    FimDaJanela(QWidget& janela, QEventLoop& laco) : m_laco(laco) {
        janela.installEventFilter(this);
        connect(&janela, &QObject::destroyed, &laco, &QEventLoop::quit);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Hide && !evento->spontaneous()) m_laco.quit();
        return QObject::eventFilter(objeto, evento);
    }

private:
    QEventLoop& m_laco;
};

void tornarJanela(QWidget& janela) {
    if (!janela.isWindow()) janela.setWindowFlag(Qt::Window, true);
}

}  // namespace

ExecutorJanelas::ExecutorJanelas(QObject* parent) : QObject(parent) {}

int ExecutorJanelas::exibirModal(QDialog& dialogo) {
    if (m_interceptador) return m_interceptador(dialogo);
    return dialogo.exec();
}

void ExecutorJanelas::exibirModal(QWidget& janela) {
    if (auto* dialogo = qobject_cast<QDialog*>(&janela)) {
        exibirModal(*dialogo);
        return;
    }
    if (m_interceptador) {
        m_interceptador(janela);
        return;
    }
    QPointer<QWidget> guarda(&janela);
    tornarJanela(janela);
    const Qt::WindowModality anterior = janela.windowModality();
    // Modality only takes effect while the window is hidden.
    if (janela.isVisible()) janela.hide();
    janela.setWindowModality(Qt::ApplicationModal);
    QEventLoop laco;
    FimDaJanela fim(janela, laco);
    janela.show();
    janela.raise();
    janela.activateWindow();
    if (janela.isVisible()) laco.exec(QEventLoop::DialogExec);
    if (guarda) {
        guarda->removeEventFilter(&fim);
        guarda->setWindowModality(anterior);
    }
}

void ExecutorJanelas::mostrar(QWidget& janela) {
    tornarJanela(janela);
    janela.show();
    janela.raise();
    janela.activateWindow();
    Q_EMIT janelaMostrada(&janela);
}

void ExecutorJanelas::abrirComoFilha(QWidget& janela) {
    if (!m_hospedeiro) {
        mostrar(janela);
        return;
    }
    m_hospedeiro(janela);
    Q_EMIT janelaMostrada(&janela);
}

void ExecutorJanelas::defineInterceptador(Interceptador interceptador) {
    m_interceptador = std::move(interceptador);
}

void ExecutorJanelas::defineHospedeiroFilhas(Hospedeiro hospedeiro) { m_hospedeiro = std::move(hospedeiro); }

}  // namespace rh::ui
