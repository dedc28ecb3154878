#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <memory>

#include "app/demo/Demo.h"
#include "app/esquema/EsquemaCentral.h"
#include "app/nucleo/ContextoJanela.h"
#include "app/nucleo/TDM.h"
#include "app/principal/RegistroJanelas.h"
#include "app/principal/TFSobre.h"
#include "framework/cadastro/ConstrutorFormulario.h"
#include "framework/cadastro/TMasterCad.h"
#include "framework/pesquisa/TFpesqPadrao.h"
#include "platform/db/ErroBanco.h"
#include "platform/ui/EditorCampo.h"
#include "platform/ui/ExecutorJanelas.h"
#include "platform/ui/GradeDataset.h"
#include "support/app/TesteComContexto.h"
#include "support/BancoDeTeste.h"
#include "support/DialogosRoteirizados.h"
#include "support/Digitar.h"

using namespace rh;
using framework::AcaoCadastro;
using framework::TMasterCad;
using Resposta = ui::Dialogos::Resposta;
using Tipo = teste::DialogosRoteirizados::Tipo;

namespace {

// A registry as a descendant describes it: statement, update table, fields
// with tags and labels, one edit per tagged field, search parameters. Its
// "&Novo" extension runs before and after the inherited command.
class JanelaTeste : public TMasterCad {
public:
    struct Campo {
        QString nome;
        int tag;
        QString rotulo;
    };
    JanelaTeste(app::ContextoJanela& c, const QString& sql, const QString& tabela,
                const QList<Campo>& campos)
        : TMasterCad(c) {
        setWindowTitle("Janela de teste");
        Query().defineSql(sql);
        Query().defineTabelaAtualizacao(tabela);
        framework::ConstrutorFormulario f(*areaDados(), &c.dialogos);
        for (const Campo& campo : campos) {
            auto& def = Query().definirCampo(campo.nome);
            def.tag = campo.tag;
            def.rotulo = campo.rotulo;
            m_editores.insert(campo.nome, f.campo(campo.nome + ":", Query(), campo.nome));
        }
        m_grade = f.grade(Query());
        defineParametrosPesquisa(tabela, "TESTE");
    }
    ui::EditorCampo* editor(const QString& campo) const { return m_editores.value(campo); }
    ui::GradeDataset* grade() const { return m_grade; }

    void novo() override {
        passos << "antes";
        TMasterCad::novo();
        if (Query().editando()) passos << "depois:" + Query().campo(0).nome();
    }
    QStringList passos;

private:
    QHash<QString, ui::EditorCampo*> m_editores;
    ui::GradeDataset* m_grade;
};

class TMasterCadTest : public teste::TesteComContexto {
protected:
    void prepararEsquema(db::Conexao& c) override {
        app::aplicarMigracoes(c);
        app::preencherReferencias(c);
        // A small registry of positions of our own: two rows, one in use by
        // a servant.
        c.executar("DELETE FROM RECH_CARGOS");
        c.executar(
            "INSERT INTO RECH_CARGOS (CODCARGO, DESCRICAO, CODIGO) VALUES (1, 'ANALISTA', 10)");
        c.executar(
            "INSERT INTO RECH_CARGOS (CODCARGO, DESCRICAO, CODIGO) VALUES (2, 'PROFESSOR', 20)");
        c.executar(
            "INSERT INTO VORK_USUARIOS (CODUSUARIO, CATEGORIA, NUMMATRIC, NOME) "
            "VALUES (900001, 'S', 900001, 'SERVIDORA EM USO')");
        c.executar(
            "INSERT INTO VORK_SERVIDORES (CODSERVIDOR, CODUNIDADE, SITUACAO, CODCARGO) "
            "VALUES (900001, 1, 'A', 2)");
    }
    void SetUp() override {
        TesteComContexto::SetUp();
        if (IsSkipped()) return;
    }
    void TearDown() override {
        m_janela.reset();
        TesteComContexto::TearDown();
    }

    JanelaTeste& cargos(const QString& perfil = "A") {
        m_sessao.Perfil = perfil;
        m_janela = std::make_unique<JanelaTeste>(
            *m_contexto, "select * from rech_cargos order by descricao", "RECH_CARGOS",
            QList<JanelaTeste::Campo>{{"DESCRICAO", 3, "Descrição"}, {"CODIGO", 1, ""}});
        m_janela->show();
        return *m_janela;
    }
    // Institutions refer to a country: a country that does not exist makes
    // the database refuse the record.
    JanelaTeste& instituicoes() {
        m_sessao.Perfil = "A";
        m_janela = std::make_unique<JanelaTeste>(
            *m_contexto, "select * from GER_IES order by NOME", "GER_IES",
            QList<JanelaTeste::Campo>{{"NOME", 3, ""}, {"CODPAIS", 1, ""}});
        m_janela->show();
        return *m_janela;
    }

    int profundidade() { return m_dm->ADOConnecOracle().ProfundidadeTransacao(); }
    bool emTransacao() { return m_dm->ADOConnecOracle().emTransacao(); }
    int contar(const QString& sql) { return conexao().valor(sql).toInt(); }
    QString habilitadas(TMasterCad& j) {
        return framework::EstadoCadastro::descrever(j.estado().habilitadas());
    }
    QStringList editorasHabilitadas(TMasterCad& j) {
        QStringList r;
        for (auto a : {AcaoCadastro::Novo, AcaoCadastro::Editar, AcaoCadastro::Excluir,
                       AcaoCadastro::Salvar, AcaoCadastro::Cancelar})
            if (j.acao(a)->isEnabled()) r << j.acao(a)->text();
        return r;
    }

    std::unique_ptr<JanelaTeste> m_janela;
};

TEST_F(TMasterCadTest, AcoesMenuBarraEStatusDoCadastro) {
    auto& j = cargos();
    struct Esperada {
        QAction* acao;
        const char* texto;
        const char* dica;
        QList<QKeySequence> atalhos;
    };
    const Esperada esperadas[] = {
        {j.actNovo(), "&Novo", "novo", {QKeySequence("Ctrl+O")}},
        {j.actEditar(), "&Editar", "Editar", {}},
        {j.actExcluir(), "Excluir", "Excluir", {}},
        {j.actSalvar(), "&Salvar", "Salvar", {QKeySequence("Ctrl+B")}},
        {j.actCancelar(), "&Cancelar", "Cancelar", {}},
        {j.actLocalizar(),
         "Localizar...",
         "Localizar",
         {QKeySequence("Ctrl+F"), QKeySequence("Ctrl+F3")}},
        {j.actLocalizarProxima(), "Próximo >", "Localizar Próxima", {QKeySequence("F3")}},
        {j.actImprimir(), "Imprimir...", "Imprimir", {QKeySequence("Ctrl+P")}},
        {j.actAjuda(), "Tópicos da Ajuda", "Ajuda", {QKeySequence("F1")}},
        {j.actFechar(), "Fechar", "Fechar", {}},
    };
    for (const auto& e : esperadas) {
        EXPECT_EQ(e.acao->text(), QString::fromUtf8(e.texto));
        EXPECT_EQ(e.acao->toolTip(), QString::fromUtf8(e.dica)) << e.texto;
        EXPECT_EQ(e.acao->shortcuts(), e.atalhos) << e.texto;
    }
    EXPECT_EQ(j.actSobre()->text(), "Sobre ...");
    EXPECT_TRUE(j.property(app::kPropriedadeModalPropria).toBool());

    const QList<QAction*> barra = j.menuBar()->actions();
    ASSERT_EQ(barra.size(), 3);
    EXPECT_FALSE(barra[0]->isEnabled());
    EXPECT_TRUE(barra[0]->text().trimmed().isEmpty());
    EXPECT_EQ(barra[1]->text(), "   Ação   ");
    EXPECT_EQ(barra[2]->text(), "   Ajuda   ");
    QStringList acao;
    for (QAction* a : barra[1]->menu()->actions()) acao << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(acao, (QStringList{"&Novo", "&Editar", "Excluir", "-", "&Salvar", "&Cancelar", "-",
                                 "Localizar...", "Próximo >", "Imprimir...", "-", "Fechar"}));
    QStringList ajuda;
    for (QAction* a : barra[2]->menu()->actions()) ajuda << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(ajuda, (QStringList{"Tópicos da Ajuda", "-", "Sobre ..."}));
    for (QAction* a : barra[1]->menu()->actions())
        if (!a->isSeparator()) {
            EXPECT_TRUE(j.PainelDock()->actions().contains(a)) << a->text().toStdString();
        }

    // Opened with records: browse rules; the organisation's name in panel 1.
    EXPECT_EQ(habilitadas(j), "Novo Editar Excluir Localizar Proximo");
    EXPECT_EQ(j.painelStatus(1)->text(), m_config.textos.nomeOrganizacao);
    EXPECT_EQ(j.SQLBase(), "select * from rech_cargos order by descricao");
    EXPECT_EQ(j.Query().campo("DESCRICAO").origem(), "DESCRICAO");

    // The extension runs around the inherited command; the status follows.
    j.actNovo()->trigger();
    EXPECT_EQ(j.passos, (QStringList{"antes", "depois:CODCARGO"}));
    EXPECT_EQ(j.painelStatus(0)->text(), "Cadastrando NOVO...");
    EXPECT_EQ(habilitadas(j), "Salvar Cancelar");
    j.actCancelar()->trigger();
    EXPECT_TRUE(j.painelStatus(0)->text().isEmpty());
    j.actEditar()->trigger();
    EXPECT_EQ(j.painelStatus(0)->text(), "EDITANDO...");
    j.actCancelar()->trigger();
    EXPECT_EQ(profundidade(), 0);

    // "Sobre ..." runs the about window modally.
    QString sobre;
    executor.defineInterceptador([&](QWidget& w) {
        sobre = w.metaObject()->className();
        return 0;
    });
    j.actSobre()->trigger();
    EXPECT_EQ(sobre, "rh::app::TFSobre");
}

TEST_F(TMasterCadTest, ObrigatorioVazioAvisaEMantemOQueFoiDigitado) {
    auto& j = cargos();
    j.actNovo()->trigger();
    EXPECT_EQ(profundidade(), 1);
    j.editor("CODIGO")->setFocus();
    teste::digitar(j.editor("CODIGO"), "77");  // left pending in the focused edit
    j.actSalvar()->trigger();
    EXPECT_EQ(dialogos.textos(Tipo::Aviso),
              QStringList{"O campo DESCRIÇÃO deve ser preenchido obrigatoriamente!"});
    EXPECT_FALSE(j.SalvouOK());
    EXPECT_EQ(j.Query().estado(), db::EstadoDataset::Inserindo);
    EXPECT_EQ(j.Query().campo("CODIGO").comoInteiro(), 77);
    EXPECT_EQ(j.editor("CODIGO")->text(), "77");
    EXPECT_EQ(habilitadas(j), "Salvar Cancelar");
    // The box closing activates the window again: the edit rules stay.
    j.ativar();
    EXPECT_EQ(habilitadas(j), "Salvar Cancelar");
    EXPECT_EQ(profundidade(), 1);
    EXPECT_EQ(contar("SELECT COUNT(*) FROM RECH_CARGOS"), 2);

    // Corrected, the same level is committed and the key comes from the
    // database.
    dialogos.limpar();
    teste::digitar(j.editor("DESCRICAO"), "Técnico");
    j.actSalvar()->trigger();
    EXPECT_TRUE(dialogos.vazio()) << dialogos.textos().join("|").toStdString();
    EXPECT_TRUE(j.SalvouOK());
    EXPECT_EQ(profundidade(), 0);
    EXPECT_FALSE(emTransacao());
    EXPECT_EQ(conexao().valor("SELECT CODIGO FROM RECH_CARGOS WHERE DESCRICAO = 'Técnico'").toInt(),
              77);
    EXPECT_GT(
        conexao().valor("SELECT CODCARGO FROM RECH_CARGOS WHERE DESCRICAO = 'Técnico'").toInt(), 2);
    EXPECT_EQ(j.Query().contagem(), 3);
    EXPECT_EQ(j.Query().linhaAtual(), 0);  // reloaded: back at the first record
    EXPECT_EQ(habilitadas(j), "Novo Editar Excluir Localizar Proximo");
}

TEST_F(TMasterCadTest, SalvarRecusadoPeloBancoFicaEmEdicaoSemLiberarONivelDuasVezes) {
    // A level held by the window that opened this one must survive
    // everything this window does.
    for (const bool nivelExterno : {false, true}) {
        SCOPED_TRACE(nivelExterno ? "com nível externo" : "sem nível externo");
        if (nivelExterno) m_dm->ADOConnecOracle().iniciarNivel();
        const int base = profundidade();
        auto& j = instituicoes();
        j.actNovo()->trigger();
        teste::digitar(j.editor("NOME"), "INSTITUTO FANTASMA");
        j.editor("CODPAIS")->setFocus();
        teste::digitar(j.editor("CODPAIS"), "987654");
        dialogos.limpar();
        for (int tentativa = 0; tentativa < 2; ++tentativa) {
            j.actSalvar()->trigger();
            const QStringList erros = dialogos.textos(Tipo::Erro);
            ASSERT_EQ(erros.size(), 1) << tentativa;
            EXPECT_TRUE(erros[0].startsWith("Não foi possível salvar!\rErro:"))
                << erros[0].toStdString();
            EXPECT_GT(erros[0].size(), QString("Não foi possível salvar!\rErro:").size());
            dialogos.limpar();
            EXPECT_FALSE(j.SalvouOK());
            EXPECT_EQ(j.Query().estado(), db::EstadoDataset::Inserindo);
            EXPECT_EQ(j.Query().campo("NOME").comoTexto(), "INSTITUTO FANTASMA");
            EXPECT_EQ(habilitadas(j), "Salvar Cancelar");
            EXPECT_EQ(profundidade(), base);
        }
        j.actCancelar()->trigger();
        EXPECT_EQ(profundidade(), base);
        j.actCancelar()->trigger();
        EXPECT_EQ(profundidade(), base);
        EXPECT_FALSE(j.Query().editando());
        if (nivelExterno) {
            EXPECT_TRUE(emTransacao());
            m_dm->ADOConnecOracle().abandonarNivel();
        }
        EXPECT_EQ(profundidade(), 0);
    }

    // Retried with a country that exists: saved and committed in a level of
    // its own.
    const int pais = conexao().valor("SELECT MIN(CODPAIS) FROM GER_PAISES").toInt();
    auto& j = instituicoes();
    j.actNovo()->trigger();
    teste::digitar(j.editor("NOME"), "INSTITUTO REAL");
    j.editor("CODPAIS")->setFocus();
    teste::digitar(j.editor("CODPAIS"), "987654");
    j.actSalvar()->trigger();
    dialogos.limpar();
    j.editor("CODPAIS")->clear();
    j.editor("CODPAIS")->setFocus();
    teste::digitar(j.editor("CODPAIS"), QString::number(pais));
    j.actSalvar()->trigger();
    EXPECT_TRUE(dialogos.vazio()) << dialogos.textos().join("|").toStdString();
    EXPECT_TRUE(j.SalvouOK());
    EXPECT_EQ(profundidade(), 0);
    EXPECT_FALSE(emTransacao());
    EXPECT_EQ(contar("SELECT COUNT(*) FROM GER_IES WHERE NOME = 'INSTITUTO REAL'"), 1);
}

TEST_F(TMasterCadTest, FecharEmEdicaoPerguntaSeSalva) {
    struct Caso {
        const char* nome;
        Resposta resposta;
        const char* descricao;  // typed before closing
        bool fecha;
        int linhasNoBanco;
        bool editando;
        int profundidade;
    };
    const Caso casos[] = {
        {"Não descarta e fecha", Resposta::Nao, "DESCARTADO", true, 2, false, 0},
        {"Cancelar continua editando", Resposta::Cancelar, "MANTIDO", false, 2, true, 1},
        {"Sim grava e fecha", Resposta::Sim, "GRAVADO", true, 3, false, 0},
        {"Sim recusado continua aberta", Resposta::Sim, "", false, 2, true, 1},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        auto& j = cargos();
        j.actNovo()->trigger();
        teste::digitar(j.editor("DESCRICAO"), caso.descricao);
        j.editor("CODIGO")->setFocus();
        teste::digitar(j.editor("CODIGO"), "5");
        dialogos.planejar(caso.resposta);
        EXPECT_EQ(j.close(), caso.fecha);
        EXPECT_EQ(dialogos.textos(Tipo::SimNaoCancelar), QStringList{"Deseja SALVAR?"});
        EXPECT_EQ(j.isVisible(), !caso.fecha);
        EXPECT_EQ(j.Query().editando(), caso.editando);
        EXPECT_EQ(profundidade(), caso.profundidade);
        EXPECT_EQ(contar("SELECT COUNT(*) FROM RECH_CARGOS"), caso.linhasNoBanco);
        if (caso.fecha) {
            EXPECT_TRUE(j.SQLBase().isEmpty());
            EXPECT_TRUE(j.parametrosPesquisa().tabela.isEmpty());
        } else {
            EXPECT_EQ(j.editor("CODIGO")->text(), "5");
            EXPECT_EQ(habilitadas(j), "Salvar Cancelar");
        }
        dialogos.limpar();
        m_janela.reset();  // destroyed while editing: its level is given back
        EXPECT_EQ(profundidade(), 0);
        conexao().executar("DELETE FROM RECH_CARGOS WHERE CODCARGO > 2");
    }
    // Closing while browsing asks nothing and rolls back a transaction left
    // open at depth 0.
    auto& j = cargos();
    m_dm->ADOConnecOracle().IniciaTransacao();
    EXPECT_TRUE(j.close());
    EXPECT_FALSE(emTransacao());
    EXPECT_TRUE(dialogos.vazio());
}

TEST_F(TMasterCadTest, EscapeFechaEEnterAvancaForaDeGrade) {
    auto& j = cargos();
    j.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&j));
    j.editor("DESCRICAO")->setFocus();
    QTest::keyClick(j.editor("DESCRICAO"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), j.editor("CODIGO"));
    j.grade()->setFocus();
    QTest::keyClick(j.grade(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), j.grade());
    QTest::keyClick(j.editor("CODIGO"), Qt::Key_Escape);
    EXPECT_FALSE(j.isVisible());
}

TEST_F(TMasterCadTest, EditarComCadastroVazioInsere) {
    conexao().executar("DELETE FROM VORK_SERVIDORES");
    conexao().executar("DELETE FROM RECH_CARGOS");
    auto& j = cargos();
    EXPECT_EQ(habilitadas(j), "Novo Localizar Proximo");
    j.editar();
    EXPECT_EQ(j.Query().estado(), db::EstadoDataset::Inserindo);
    EXPECT_EQ(j.painelStatus(0)->text(), "Cadastrando NOVO...");
    EXPECT_EQ(profundidade(), 1);
}

TEST_F(TMasterCadTest, ProximoNoFimPerguntaSeVoltaAoInicio) {
    auto& j = cargos();
    EXPECT_EQ(j.Query().linhaAtual(), 0);
    j.actLocalizarProxima()->trigger();
    EXPECT_EQ(j.Query().linhaAtual(), 1);
    EXPECT_TRUE(dialogos.vazio());
    dialogos.planejar(Resposta::Nao);
    j.actLocalizarProxima()->trigger();
    EXPECT_EQ(dialogos.textos(Tipo::Confirmacao),
              QStringList{"Não há mais registros. Deseja voltar ao início?"});
    EXPECT_EQ(j.Query().linhaAtual(), 1);
    dialogos.planejar(Resposta::Sim);
    j.actLocalizarProxima()->trigger();
    EXPECT_EQ(j.Query().linhaAtual(), 0);
    EXPECT_EQ(dialogos.textos(Tipo::Confirmacao).size(), 2);
}

TEST_F(TMasterCadTest, PerfilConsultaNuncaEdita) {
    auto& j = cargos("C");
    EXPECT_TRUE(editorasHabilitadas(j).isEmpty());
    EXPECT_TRUE(j.actLocalizar()->isEnabled());
    EXPECT_TRUE(j.actLocalizarProxima()->isEnabled());
    // Neither the keys nor a direct call of the commands start an edit.
    j.activateWindow();
    QTest::keyClick(&j, Qt::Key_O, Qt::ControlModifier);
    j.novo();
    j.editar();
    j.excluir();
    j.AtualizaAcoes();
    j.ModoEdicao();
    j.ativar();
    EXPECT_FALSE(j.Query().editando());
    EXPECT_TRUE(editorasHabilitadas(j).isEmpty());
    EXPECT_EQ(profundidade(), 0);
    EXPECT_TRUE(dialogos.vazio());
    EXPECT_EQ(contar("SELECT COUNT(*) FROM RECH_CARGOS"), 2);
}

TEST_F(TMasterCadTest, ExcluirRegistroEmUsoMostraAMensagemLongaERecarrega) {
    auto& j = cargos();
    ASSERT_TRUE(j.Query().localizar("DESCRICAO", "PROFESSOR"));
    dialogos.planejar(Resposta::Nao);
    j.actExcluir()->trigger();
    EXPECT_EQ(dialogos.textos(Tipo::Confirmacao), QStringList{"Deseja realmente EXCLUIR?"});
    EXPECT_EQ(contar("SELECT COUNT(*) FROM RECH_CARGOS"), 2);
    dialogos.limpar();

    dialogos.planejar(Resposta::Sim);
    j.actExcluir()->trigger();
    const auto& t = m_config.textos;
    const QStringList erros = dialogos.textos(Tipo::Erro);
    ASSERT_EQ(erros.size(), 1);
    EXPECT_TRUE(erros[0].startsWith(
        "Não foi possível excluir!\rEm algum lugar no sistema este registro está sendo "
        "utilizado.\rPara que seja possível apagá-lo, é necessário localizar o\rponto do "
        "sistema que este está sendo utilizado.\r\r"));
    EXPECT_TRUE(erros[0].contains(t.departamentoTi) && erros[0].contains(t.telefoneTi) &&
                erros[0].contains(t.enderecoWebTi))
        << erros[0].toStdString();
    EXPECT_EQ(contar("SELECT COUNT(*) FROM RECH_CARGOS"), 2);
    EXPECT_EQ(j.Query().contagem(), 2);
    EXPECT_EQ(j.Query().linhaAtual(), 0);
    EXPECT_EQ(profundidade(), 0);
    EXPECT_FALSE(emTransacao());
    EXPECT_EQ(habilitadas(j), "Novo Editar Excluir Localizar Proximo");
    dialogos.limpar();

    // A row nobody uses goes; the last one leaves an empty registry.
    dialogos.planejar(Resposta::Sim);
    j.actExcluir()->trigger();  // ANALISTA, the first
    EXPECT_TRUE(dialogos.textos(Tipo::Erro).isEmpty());
    EXPECT_EQ(contar("SELECT COUNT(*) FROM RECH_CARGOS WHERE DESCRICAO = 'ANALISTA'"), 0);
    EXPECT_EQ(profundidade(), 0);
    conexao().executar("DELETE FROM VORK_SERVIDORES");
    dialogos.planejar(Resposta::Sim);
    j.actExcluir()->trigger();
    EXPECT_EQ(contar("SELECT COUNT(*) FROM RECH_CARGOS"), 0);
    EXPECT_EQ(habilitadas(j), "Novo Localizar Proximo");
}

TEST_F(TMasterCadTest, DepoisDeUmaPesquisaConfirmadaSalvarRecarregaALista) {
    auto& j = cargos();
    // Left with "&Fechar": the full registry again.
    executor.defineInterceptador([&](QWidget& w) {
        auto* pesquisa = qobject_cast<framework::TFpesqPadrao*>(&w);
        if (!pesquisa) return 0;
        pesquisa->show();
        pesquisa->editValor()->setText("PROF");
        pesquisa->localizar();
        pesquisa->fechar();
        return pesquisa->result();
    });
    j.actLocalizar()->trigger();
    EXPECT_EQ(j.SQLBase(), "select * from rech_cargos order by descricao");
    EXPECT_EQ(j.Query().contagem(), 2);
    EXPECT_EQ(habilitadas(j), "Novo Editar Excluir Localizar Proximo");

    executor.defineInterceptador([&](QWidget& w) {
        auto* pesquisa = qobject_cast<framework::TFpesqPadrao*>(&w);
        if (!pesquisa) return 0;
        pesquisa->show();
        pesquisa->editValor()->setText("PROF");
        pesquisa->localizar();
        pesquisa->ok();
        return pesquisa->result();
    });
    j.actLocalizar()->trigger();
    executor.defineInterceptador({});
    ASSERT_EQ(j.Query().contagem(), 1);
    EXPECT_NE(j.SQLBase(), "select * from rech_cargos order by descricao");

    j.actEditar()->trigger();
    j.editor("CODIGO")->clear();
    j.editor("CODIGO")->setFocus();
    teste::digitar(j.editor("CODIGO"), "21");
    j.actSalvar()->trigger();
    EXPECT_TRUE(j.SalvouOK());
    EXPECT_EQ(j.Query().contagem(), 1);
    EXPECT_EQ(j.Query().campo("DESCRICAO").comoTexto(), "PROFESSOR");
    EXPECT_EQ(j.Query().campo("CODIGO").comoInteiro(), 21);
    j.actCancelar()->trigger();
    EXPECT_EQ(j.Query().contagem(), 1);
}

}  // namespace
