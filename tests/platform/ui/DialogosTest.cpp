#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "TesteUi.h"
#include "platform/db/ErroBanco.h"
#include "platform/ui/DialogosQt.h"
#include "support/DialogosRoteirizados.h"

using rh::teste::DialogosRoteirizados;
using Resposta = rh::ui::Dialogos::Resposta;
using Tipo = DialogosRoteirizados::Tipo;

namespace {

// Answers the next box that opens by pressing the button with `texto` (or
// Escape when empty) and records the buttons it had.
void responderProximaCaixa(const QString& texto, QStringList& botoes) {
    QTimer::singleShot(0, [texto, &botoes] {
        auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!caixa) {
            ADD_FAILURE() << "nenhuma caixa aberta";
            return;
        }
        for (QAbstractButton* b : caixa->buttons()) botoes << b->text();
        if (texto.isEmpty()) {
            QTest::keyClick(caixa, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton* b : caixa->buttons())
            if (b->text() == texto) b->click();
    });
}

TEST(DialogosQtTest, PerguntasComBotoesEmPortugues) {
    rh::ui::DialogosQt dialogos;
    struct Caso {
        QString botao;
        Resposta esperada;
    };
    for (const Caso& caso : {Caso{"&Sim", Resposta::Sim}, Caso{"&Não", Resposta::Nao},
                             Caso{"&Cancelar", Resposta::Cancelar}, Caso{"", Resposta::Cancelar}}) {
        SCOPED_TRACE(caso.botao.toStdString());
        QStringList botoes;
        responderProximaCaixa(caso.botao, botoes);
        EXPECT_EQ(dialogos.simNaoCancelar("Deseja SALVAR?"), caso.esperada);
        botoes.sort();
        EXPECT_EQ(botoes, (QStringList{"&Cancelar", "&Não", "&Sim"}));
    }
    QStringList botoes;
    responderProximaCaixa("&Sim", botoes);
    EXPECT_TRUE(dialogos.confirmar("Deseja realmente EXCLUIR?"));
    botoes.sort();
    EXPECT_EQ(botoes, (QStringList{"&Não", "&Sim"}));
    responderProximaCaixa("", botoes);
    EXPECT_FALSE(dialogos.confirmar("Deseja realmente EXCLUIR?"));  // Escape is a "no"
}

TEST(DialogosQtTest, QuebrasDeLinhaDoProgramaAparecemNaCaixa) {
    rh::ui::DialogosQt dialogos;
    QString mostrado;
    QTimer::singleShot(0, [&mostrado] {
        auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(caixa);
        mostrado = caixa->text();
        caixa->buttons().first()->click();
    });
    dialogos.erro(QStringLiteral("Não foi possível salvar!\rErro:falha"));
    EXPECT_EQ(mostrado, QStringLiteral("Não foi possível salvar!\nErro:falha"));
}

TEST(DialogosRoteirizadosTest, RegistraMensagensERespondeOPlanoEmOrdem) {
    DialogosRoteirizados d;
    d.planejar(Resposta::Sim);
    d.planejar(Resposta::Cancelar);
    d.planejarArquivo("/tmp/saida.xlsx");
    d.informacao("Pronto.");
    EXPECT_TRUE(d.confirmar("Continuar?"));
    EXPECT_EQ(d.simNaoCancelar("Salvar?"), Resposta::Cancelar);
    EXPECT_EQ(d.salvarArquivo("Exportar", "/tmp", "Planilhas (*.xlsx)", "xlsx"), "/tmp/saida.xlsx");
    d.erroDeBanco("Não foi possível salvar!", rh::db::ErroBanco("chave duplicada", "INSERT INTO X"));
    EXPECT_TRUE(d.planoConsumido());
    EXPECT_EQ(d.textos(), (QStringList{"Pronto.", "Continuar?", "Salvar?", "Exportar",
                                       "Não foi possível salvar!\nchave duplicada"}));
    EXPECT_EQ(d.registros().first().titulo, "Atenção");
    EXPECT_EQ(d.registros().last().tipo, Tipo::Erro);

    // A question nobody planned for is a failure of the test, answered in
    // the most harmless way.
    DialogosRoteirizados semPlano;
    bool resposta = true;
    EXPECT_NONFATAL_FAILURE(resposta = semPlano.confirmar("Excluir?"), "Pergunta sem resposta planejada");
    EXPECT_FALSE(resposta);
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(semPlano.abrirArquivo("Abrir", "", ""), ""), "sem resposta planejada");
}

}  // namespace
