#include <gtest/gtest.h>

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "framework/cadastro/ConstrutorFormulario.h"

using namespace rh;
using framework::ConstrutorFormulario;

namespace {

TEST(ConstrutorFormulario, LinhasGruposBotoesEOrdemDeTabulacao) {
    QWidget janela;
    ConstrutorFormulario f(janela);
    auto* nome = f.linha("&Nome:", new QLineEdit);
    QLabel* rotuloNome = f.ultimoRotulo();
    QGroupBox* grupo = f.grupo("Documento");
    auto* numero = new QLineEdit;
    auto* orgao = new QLineEdit;
    f.linha("Número:", numero, "Órgão:", orgao);
    f.fechar();
    auto* depois = f.linha("Depois:", new QLineEdit);
    QAction gravar("&Gravar");
    gravar.setEnabled(false);
    const QList<QPushButton*> botoes = f.botoes({&gravar});

    // Captions focus their controls; a container holds its own rows.
    EXPECT_EQ(rotuloNome->buddy(), nome);
    EXPECT_EQ(rotuloNome->text(), "&Nome:");
    EXPECT_EQ(numero->parentWidget(), grupo);
    EXPECT_EQ(orgao->parentWidget(), grupo);
    EXPECT_EQ(depois->parentWidget(), &janela);
    auto* grade = qobject_cast<QGridLayout*>(grupo->layout());
    ASSERT_TRUE(grade);
    int linha, coluna, linhas, colunas;
    grade->getItemPosition(grade->indexOf(orgao), &linha, &coluna, &linhas, &colunas);
    EXPECT_EQ(linha, 0);
    EXPECT_EQ(coluna, 3);
    auto* principal = qobject_cast<QGridLayout*>(janela.layout());
    principal->getItemPosition(principal->indexOf(nome), &linha, &coluna, &linhas, &colunas);
    EXPECT_EQ(colunas, 3);  // a single pair takes the row
    principal->getItemPosition(principal->indexOf(depois), &linha, &coluna, &linhas, &colunas);
    EXPECT_EQ(linha, 2);

    // Buttons follow their actions.
    ASSERT_EQ(botoes.size(), 1);
    EXPECT_EQ(botoes[0]->text(), "&Gravar");
    EXPECT_FALSE(botoes[0]->isEnabled());
    int disparos = 0;
    QObject::connect(&gravar, &QAction::triggered, [&] { ++disparos; });
    gravar.setEnabled(true);
    EXPECT_TRUE(botoes[0]->isEnabled());
    botoes[0]->click();
    EXPECT_EQ(disparos, 1);

    ConstrutorFormulario::ordemTabulacao({depois, orgao, nome});
    EXPECT_EQ(depois->nextInFocusChain(), orgao);
    EXPECT_EQ(orgao->nextInFocusChain(), nome);
}

}  // namespace
