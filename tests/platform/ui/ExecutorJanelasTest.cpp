#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "platform/ui/ExecutorJanelas.h"

using rh::ui::ExecutorJanelas;

namespace {

// A window that asks for a name in a dialog of its own, as the program's
// windows open one another through the runner.
class JanelaQuePergunta : public QWidget {
public:
    explicit JanelaQuePergunta(ExecutorJanelas& executor) : m_executor(executor) {}
    void perguntar() {
        QDialog dialogo(this);
        auto* nome = new QLineEdit(&dialogo);
        nome->setObjectName("nome");
        auto* ok = new QPushButton("OK", &dialogo);
        QObject::connect(ok, &QPushButton::clicked, &dialogo, &QDialog::accept);
        if (m_executor.exibirModal(dialogo) == QDialog::Accepted) m_resposta = nome->text();
    }
    QString m_resposta;

private:
    ExecutorJanelas& m_executor;
};

TEST(ExecutorJanelasTest, InterceptadorAgeDentroDaJanelaQueOutraAbre) {
    ExecutorJanelas executor;
    JanelaQuePergunta janela(executor);
    int chamadas = 0;
    executor.defineInterceptador([&](QWidget& aberta) {
        ++chamadas;
        aberta.findChild<QLineEdit*>("nome")->setText("Maria");
        aberta.findChild<QPushButton*>()->click();
        return static_cast<QDialog&>(aberta).result();
    });
    janela.perguntar();
    EXPECT_EQ(chamadas, 1);
    EXPECT_EQ(janela.m_resposta, "Maria");

    executor.defineInterceptador([](QWidget&) { return int(QDialog::Rejected); });
    janela.m_resposta.clear();
    janela.perguntar();
    EXPECT_EQ(janela.m_resposta, "");
}

TEST(ExecutorJanelasTest, ExecucaoModalRealTerminaQuandoAJanelaFecha) {
    ExecutorJanelas executor;
    QDialog dialogo;
    QTimer::singleShot(0, &dialogo, [&] { dialogo.done(QDialog::Accepted); });
    EXPECT_EQ(executor.exibirModal(dialogo), QDialog::Accepted);

    // A plain window (not a dialog) also runs until it is closed, and was
    // application-modal meanwhile.
    QWidget janela;
    bool eraModal = false;
    QTimer::singleShot(0, &janela, [&] {
        eraModal = janela.isVisible() && janela.windowModality() == Qt::ApplicationModal;
        janela.close();
    });
    executor.exibirModal(janela);
    EXPECT_TRUE(eraModal);
    EXPECT_FALSE(janela.isVisible());
    EXPECT_EQ(janela.windowModality(), Qt::NonModal);

    // A window that deletes itself on close ends the run too.
    auto* efemera = new QWidget;
    efemera->setAttribute(Qt::WA_DeleteOnClose);
    QTimer::singleShot(0, efemera, [efemera] { efemera->close(); });
    executor.exibirModal(*efemera);
}

TEST(ExecutorJanelasTest, FilhasVaoParaOHospedeiroQuandoHaUm) {
    ExecutorJanelas executor;
    QList<QWidget*> mostradas;
    QObject::connect(&executor, &ExecutorJanelas::janelaMostrada, [&](QWidget* w) { mostradas << w; });

    QWidget semHospedeiro;
    executor.abrirComoFilha(semHospedeiro);
    EXPECT_TRUE(semHospedeiro.isVisible());
    EXPECT_TRUE(semHospedeiro.isWindow());

    QWidget area;
    QWidget filha;
    executor.defineHospedeiroFilhas([&](QWidget& w) {
        w.setParent(&area);
        w.show();
    });
    executor.abrirComoFilha(filha);
    EXPECT_EQ(filha.parentWidget(), &area);
    EXPECT_EQ(mostradas, (QList<QWidget*>{&semHospedeiro, &filha}));
    filha.setParent(nullptr);
}

}  // namespace
