#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "TesteUi.h"
#include "platform/db/ErroBanco.h"
#include "platform/ui/CaixaMarcacao.h"
#include "platform/ui/ComboLookup.h"
#include "platform/ui/ComboValores.h"
#include "platform/ui/EditorCampo.h"
#include "platform/ui/EditorData.h"
#include "platform/ui/EditorMemo.h"
#include "platform/ui/GrupoOpcoes.h"
#include "support/DialogosRoteirizados.h"
#include "support/Digitar.h"

using namespace rh;
using rh::teste::DialogosRoteirizados;
using rh::teste::digitar;
using rh::ui::Caixa;

namespace {

class EditoresTest : public teste::TesteUi {
protected:
    void SetUp() override {
        TesteUi::SetUp();
        if (IsSkipped()) return;
        conexao().executar("INSERT INTO FUNCIONARIOS (NOME, DTNASC, ESTCIVIL, ATIVO, SITUACAO, CODSETOR, SALARIO) "
                           "VALUES ('Ana', '1980-05-10', 1, 'S', 'A', 20, 100.5)");
        conexao().executar("INSERT INTO SETORES (CODSETOR, DESCRICAO) VALUES (10, 'RH')");
        conexao().executar("INSERT INTO SETORES (CODSETOR, DESCRICAO) VALUES (20, 'TI')");
        m_ds = funcionarios();
        m_janela = std::make_unique<QWidget>();
        new QVBoxLayout(m_janela.get());
    }
    void TearDown() override {
        m_janela.reset();
        m_ds.reset();
        TesteUi::TearDown();
    }

    template <typename Editor, typename... Args>
    Editor* criar(const QString& campo, Args&&... args) {
        auto* e = new Editor(m_dialogos, std::forward<Args>(args)...);
        m_janela->layout()->addWidget(e);
        e->vincular(*m_ds, campo);
        return e;
    }
    // Shows the window and makes it the active one, so focus changes happen
    // as on a desktop.
    void mostrarJanela() {
        m_janela->show();
        QApplication::setActiveWindow(m_janela.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_janela.get()));
    }
    void apagarTudo(QWidget* e) {
        QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(e, Qt::Key_Delete);
    }

    DialogosRoteirizados m_dialogos;
    std::unique_ptr<db::Dataset> m_ds;
    std::unique_ptr<QWidget> m_janela;
};

TEST_F(EditoresTest, SoAceitamMudancasDuranteInsercaoOuEdicao) {
    auto* nome = criar<ui::EditorCampo>("NOME");
    auto* data = criar<ui::EditorData>("DTNASC");
    auto* obs = criar<ui::EditorMemo>("OBS");
    auto* ativo = criar<ui::CaixaMarcacao>("ATIVO", QStringLiteral("Ativo"));
    auto* estado = criar<ui::ComboValores>("ESTCIVIL");
    estado->defineItens({{"Solteiro", 1}, {"Casado", 2}});
    auto* situacao = criar<ui::GrupoOpcoes>("SITUACAO", QStringLiteral("Situação"));
    situacao->defineItens({{"Ativo", "A"}, {"Inativo", "I"}});

    // Browsing: everything shows the record and nothing changes it.
    EXPECT_EQ(nome->text(), "Ana");
    EXPECT_EQ(data->text(), "10/05/1980");
    EXPECT_TRUE(nome->isReadOnly());
    EXPECT_TRUE(data->isReadOnly());
    EXPECT_TRUE(obs->isReadOnly());
    digitar(nome, "xyz");
    EXPECT_EQ(nome->text(), "Ana");
    ativo->click();
    EXPECT_TRUE(ativo->isChecked());
    situacao->botao(1)->click();
    EXPECT_TRUE(situacao->botao(0)->isChecked());
    QTest::keyClick(estado, Qt::Key_Down);
    EXPECT_EQ(estado->currentText(), "Solteiro");
    EXPECT_EQ(m_ds->valor("ESTCIVIL").toInt(), 1);
    EXPECT_EQ(m_ds->valor("ATIVO").toString(), "S");
    EXPECT_EQ(m_ds->valor("SITUACAO").toString(), "A");

    m_ds->editar();
    EXPECT_FALSE(nome->isReadOnly());
    EXPECT_FALSE(data->isReadOnly());
    EXPECT_FALSE(obs->isReadOnly());
    ativo->click();
    EXPECT_EQ(m_ds->valor("ATIVO").toString(), "N");
    m_ds->cancelar();
    EXPECT_TRUE(nome->isReadOnly());
    EXPECT_TRUE(ativo->isChecked());  // the cancelled change is gone from the screen too

    // A read-only field stays read-only while editing.
    m_ds->campo("NOME").defineSomenteLeitura(true);
    m_ds->editar();
    EXPECT_TRUE(nome->isReadOnly());
    m_ds->cancelar();
    EXPECT_TRUE(m_dialogos.vazio());
}

TEST_F(EditoresTest, TextoDigitadoNaInsercaoVaiParaOCampo) {
    auto* nome = criar<ui::EditorCampo>("NOME");
    auto* obs = criar<ui::EditorMemo>("OBS");
    auto* salario = criar<ui::EditorCampo>("SALARIO");
    EXPECT_EQ(nome->maxLength(), 40);
    EXPECT_EQ(salario->text(), "100,5");

    m_ds->inserir();
    EXPECT_EQ(nome->text(), "");
    digitar(nome, "Maria da Conceição");
    EXPECT_TRUE(nome->pendente());
    EXPECT_TRUE(nome->gravarPendente());
    EXPECT_EQ(m_ds->valor("NOME").toString(), "Maria da Conceição");

    // Text still pending when the record is posted is stored first.
    digitar(obs, "linha 1");
    QTest::keyClick(obs, Qt::Key_Return);
    digitar(obs, "linha 2");
    digitar(salario, "1234,5");
    m_ds->gravar();
    const QVariant codigo = m_ds->valor("CODFUNC");
    EXPECT_EQ(conexao().valor("SELECT OBS FROM FUNCIONARIOS WHERE CODFUNC = :C", {{"C", codigo}}).toString(),
              "linha 1\nlinha 2");
    EXPECT_DOUBLE_EQ(
        conexao().valor("SELECT SALARIO FROM FUNCIONARIOS WHERE CODFUNC = :C", {{"C", codigo}}).toDouble(), 1234.5);

    // Text longer than the field is cut at its size; a cleared edit is null.
    m_ds->editar();
    apagarTudo(nome);
    digitar(nome, QString(45, 'x'));
    EXPECT_EQ(nome->text(), QString(40, 'x'));
    apagarTudo(salario);
    EXPECT_TRUE(salario->gravarPendente());
    EXPECT_TRUE(m_ds->campo("SALARIO").nulo());

    // A number that is not one is refused and nothing is lost.
    m_ds->campo("SALARIO").defineValor(7.0);
    apagarTudo(salario);
    digitar(salario, "abc");
    EXPECT_FALSE(salario->gravarPendente());
    EXPECT_DOUBLE_EQ(m_ds->campo("SALARIO").comoNumero(), 7.0);
    EXPECT_EQ(salario->text(), "abc");
    EXPECT_EQ(m_dialogos.textos(DialogosRoteirizados::Tipo::Aviso).size(), 1);
}

TEST_F(EditoresTest, OpcoesDeCaixaEDigitos) {
    struct Caso {
        ui::EditorCampo::Opcoes opcoes;
        QString digitado;
        QString esperado;
    };
    const Caso casos[] = {
        {{Caixa::Maiusculas, false}, "conceição", "CONCEIÇÃO"},
        {{Caixa::Maiusculas, false}, "joão d'ávila ñ", "JOÃO D'ÁVILA Ñ"},
        {{Caixa::Minusculas, false}, "ÁGUA É Ü", "água é ü"},
        {{Caixa::Normal, true}, "12a3-4.5 ç6", "123456"},
        {{Caixa::Normal, false}, "Misto Çé", "Misto Çé"},
    };
    auto* nome = criar<ui::EditorCampo>("NOME");
    m_ds->inserir();
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.digitado.toStdString());
        nome->defineOpcoes(caso.opcoes);
        apagarTudo(nome);
        digitar(nome, caso.digitado);
        EXPECT_EQ(nome->text(), caso.esperado);
        ASSERT_TRUE(nome->gravarPendente());
        EXPECT_EQ(m_ds->valor("NOME").toString(), caso.esperado);
    }
}

TEST_F(EditoresTest, DataEmBrancoEhNulaEDataImpossivelEhRecusada) {
    auto* data = criar<ui::EditorData>("DTNASC");
    auto* outro = new QLineEdit;
    m_janela->layout()->addWidget(outro);
    ASSERT_NO_FATAL_FAILURE(mostrarJanela());
    m_ds->editar();

    data->setFocus(Qt::TabFocusReason);
    data->setCursorPosition(0);
    digitar(data, "15031985");
    EXPECT_TRUE(data->gravarPendente());
    EXPECT_EQ(m_ds->valor("DTNASC").toDate(), QDate(1985, 3, 15));

    apagarTudo(data);
    EXPECT_TRUE(data->gravarPendente());
    EXPECT_TRUE(m_ds->campo("DTNASC").nulo());
    m_ds->campo("DTNASC").defineValor(QDate(1985, 3, 15));

    // Leaving the editor with an impossible date: told once, the field keeps
    // its date, the focus comes back so the user can correct it.
    data->setCursorPosition(0);
    digitar(data, "31022020");
    outro->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(m_dialogos.textos(DialogosRoteirizados::Tipo::Aviso), QStringList{"A data 31/02/2020 não é válida."});
    EXPECT_EQ(m_ds->valor("DTNASC").toDate(), QDate(1985, 3, 15));
    EXPECT_EQ(data->text(), "31/02/2020");
    EXPECT_TRUE(data->hasFocus());

    // Posting with the impossible date still typed stops the post with the
    // same explanation, for the window to show; the record stays in edit.
    m_dialogos.limpar();
    try {
        m_ds->gravar();
        ADD_FAILURE() << "a data impossível foi gravada";
    } catch (const db::ErroBanco& e) {
        EXPECT_EQ(e.mensagem(), "A data 31/02/2020 não é válida.");
    }
    EXPECT_EQ(m_ds->estado(), db::EstadoDataset::Editando);
    QApplication::processEvents();
    EXPECT_TRUE(m_dialogos.vazio());

    // Cancelling shows the stored date again.
    m_ds->cancelar();
    EXPECT_EQ(data->text(), "10/05/1980");
}

TEST_F(EditoresTest, ComboCaixaEGrupoGravamOValorArmazenado) {
    auto* estado = criar<ui::ComboValores>("ESTCIVIL");
    estado->defineItens({{"Solteiro", 1}, {"Casado", 2}, {"Viúvo", 3}});
    auto* ativo = criar<ui::CaixaMarcacao>("ATIVO", QStringLiteral("Ativo"));
    auto* situacao = criar<ui::GrupoOpcoes>("SITUACAO", QStringLiteral("Situação"));
    situacao->defineItens({{"Ativo", "A"}, {"Inativo", "I"}}, 2);
    EXPECT_EQ(estado->currentText(), "Solteiro");

    m_ds->inserir();
    EXPECT_EQ(estado->currentIndex(), -1);
    EXPECT_FALSE(ativo->isChecked());
    EXPECT_EQ(situacao->indiceMarcado(), -1);

    QTest::keyClick(estado, Qt::Key_Down);
    QTest::keyClick(estado, Qt::Key_Down);
    EXPECT_EQ(estado->currentText(), "Casado");
    EXPECT_EQ(m_ds->valor("ESTCIVIL"), QVariant::fromValue(qlonglong(2)));
    ativo->click();
    EXPECT_EQ(m_ds->valor("ATIVO").toString(), "S");
    ativo->click();
    EXPECT_EQ(m_ds->valor("ATIVO").toString(), "N");
    situacao->botao(1)->click();
    EXPECT_EQ(m_ds->valor("SITUACAO").toString(), "I");

    // Values the code sets show at once.
    m_ds->campo("ESTCIVIL").defineValor(3);
    EXPECT_EQ(estado->currentText(), "Viúvo");
    m_ds->campo("ATIVO").defineValor("S");
    EXPECT_TRUE(ativo->isChecked());
    m_ds->campo("ESTCIVIL").defineValor(9);  // no item stores 9
    EXPECT_EQ(estado->currentIndex(), -1);
}

TEST_F(EditoresTest, LookupMostraODescritivoEGravaAChave) {
    db::Dataset setores(conexao());
    setores.defineSql("SELECT CODSETOR, DESCRICAO FROM SETORES ORDER BY DESCRICAO");
    setores.abrir();
    auto* setor = criar<ui::ComboLookup>("CODSETOR");
    setor->defineLista(setores, "CODSETOR", "DESCRICAO");
    setor->defineLinhasVisiveis(5);
    EXPECT_EQ(setor->maxVisibleItems(), 5);
    EXPECT_EQ(setor->count(), 2);
    EXPECT_EQ(setor->currentText(), "TI");

    m_ds->editar();
    QTest::keyClick(setor, Qt::Key_Up);
    EXPECT_EQ(setor->currentText(), "RH");
    EXPECT_EQ(m_ds->valor("CODSETOR").toInt(), 10);
    m_ds->gravar();
    EXPECT_EQ(conexao().valor("SELECT CODSETOR FROM FUNCIONARIOS").toInt(), 10);

    // The list reopened with other rows still shows the stored key.
    conexao().executar("INSERT INTO SETORES (CODSETOR, DESCRICAO) VALUES (5, 'ADM')");
    setores.reabrir();
    EXPECT_EQ(setor->count(), 3);
    EXPECT_EQ(setor->currentText(), "RH");
}

}  // namespace
