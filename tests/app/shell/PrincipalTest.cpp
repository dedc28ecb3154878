#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTest>

#include "ShellFixture.h"
#include "app/Inicializacao.h"
#include "app/JanelasDoPrograma.h"
#include "app/esquema/InicializacaoBanco.h"
#include "app/nucleo/TDM.h"
#include "app/principal/TForm_MudarUnidade.h"
#include "app/principal/TForm_Principal.h"

using namespace rh;
using app::ModoAbertura;

namespace {

class PrincipalTest : public teste::ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        if (IsSkipped()) return;
        m_config = app::Configuracao::padrao();
        m_config.banco = banco().configuracao();
        m_dm = std::make_unique<app::TDM>(m_config, catalogo());
        m_contexto = std::make_unique<app::ContextoJanela>(
            app::ContextoJanela{*m_dm, m_sessao, dialogos, executor, m_config, m_campoNome});
        m_registro.registrar("QLabel", [](app::ContextoJanela&) { return new QLabel("filha"); });
        m_registro.registrar("QLineEdit", [](app::ContextoJanela&) { return new QLineEdit; });
    }
    void TearDown() override {
        m_principal.reset();
        m_contexto.reset();
        m_dm.reset();
        ShellFixture::TearDown();
    }
    app::TForm_Principal& principal(const QString& perfil, int unidade) {
        m_sessao = {3, kAplicacao, unidade, "ESTACAO01", perfil, "2"};
        m_principal = std::make_unique<app::TForm_Principal>(*m_contexto, m_registro);
        return *m_principal;
    }

    app::Configuracao m_config;
    std::unique_ptr<app::TDM> m_dm;
    app::Sessao m_sessao;
    QString m_campoNome = "resto";
    app::RegistroJanelas m_registro;
    std::unique_ptr<app::ContextoJanela> m_contexto;
    std::unique_ptr<app::TForm_Principal> m_principal;
};

TEST_F(PrincipalTest, PrimeiraExibicaoPreencheABarraEMudarCampusSoParaA) {
    for (const char* perfil : {"A", "U", "C"}) {
        auto& p = principal(perfil, 2);
        EXPECT_TRUE(m_campoNome.isEmpty());
        EXPECT_EQ(p.painelStatus(0)->text(), "Unidade:");
        p.showMaximized();
        EXPECT_EQ(p.painelStatus(0)->text(), "NORTE");
        EXPECT_EQ(p.painelStatus(1)->text(),
                  "Versao: 2  " + QLocale(QLocale::Portuguese, QLocale::Brazil).toString(QDate::currentDate(), QLocale::ShortFormat));
        EXPECT_TRUE(p.painelStatus(2)->text().isEmpty());
        EXPECT_EQ(p.acaoMudarCampus()->isVisible(), QString(perfil) == "A") << perfil;
    }
}

TEST_F(PrincipalTest, SemUnidadeNaoMostraSigla) {
    auto& p = principal("X", -1);
    p.show();
    EXPECT_TRUE(p.painelStatus(0)->text().isEmpty());
}

TEST_F(PrincipalTest, MenuComLegendasExatasEJanelasAindaInexistentesDesabilitadas) {
    auto& p = principal("A", 1);
    QStringList titulos;
    for (QAction* a : p.menuBar()->actions()) titulos << a->text();
    EXPECT_EQ(titulos, (QStringList{"&Cadastros       ", "&Atualizações      ", "C&onsultas      ",
                                    "&Relatórios      ", "Mudar Campus", "Auxiliares", "&Ajuda      "}));
    QAction* servidores = p.acaoDoMenu("&Cadastros       /Servidores");
    ASSERT_TRUE(servidores);
    EXPECT_TRUE(servidores->isVisible());
    EXPECT_FALSE(servidores->isEnabled());
    QAction* fechar = p.acaoDoMenu("&Cadastros       /&Fechar");
    ASSERT_TRUE(fechar);
    EXPECT_EQ(fechar->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
    EXPECT_FALSE(p.acaoDoMenu("&Cadastros       /Rubricas")->isEnabled());
}

TEST_F(PrincipalTest, AbrirJanelaFilhaMantemUmaInstanciaPorClasse) {
    auto& p = principal("A", 1);
    p.show();
    p.AbrirJanelaFilha("QLabel");
    p.AbrirJanelaFilha("QLabel");
    EXPECT_EQ(p.areaFilhas()->subWindowList().size(), 1);
    int mostradas = 0;
    QObject::connect(&executor, &ui::ExecutorJanelas::janelaMostrada, [&] { ++mostradas; });
    p.abrir("QLineEdit", ModoAbertura::CriadaMostrada);
    p.abrir("QLineEdit", ModoAbertura::CriadaMostrada);
    EXPECT_EQ(mostradas, 2);
    QApplication::closeAllWindows();
}

TEST_F(PrincipalTest, VoltaSempreAoEstadoMaximizado) {
    auto& p = principal("C", 1);
    p.showMaximized();
    p.showNormal();
    QTest::qWait(50);
    EXPECT_TRUE(p.windowState() & Qt::WindowMaximized);
}

TEST_F(PrincipalTest, FecharApagaARegistroDeUso) {
    conexao().executar("INSERT INTO VORK_AUDITUSOS (CODUSUARIO, CODAPLICACAO, DTINICIOUSO, MAQUINA) "
                       "VALUES (3, :A, :D, 'ESTACAO01')", {{"A", kAplicacao}, {"D", QDate::currentDate()}});
    auto& p = principal("C", 1);
    p.show();
    p.close();
    EXPECT_EQ(auditorias(), 0);
}

TEST_F(PrincipalTest, MudarCampusTrocaASessaoEABarra) {
    auto& p = principal("A", 1);
    p.show();
    executor.defineInterceptador([](QWidget& w) {
        auto& j = dynamic_cast<app::TForm_MudarUnidade&>(w);
        EXPECT_EQ(j.windowTitle(), "Mudar Unidade de Ensino");
        EXPECT_EQ(j.DBLookupComboBoxUnidades->currentText(), "CENTRO");
        j.DBLookupComboBoxUnidades->setCurrentIndex(1);
        QTest::keyClick(j.DBLookupComboBoxUnidades, Qt::Key_Return);  // Enter acts as OK
        EXPECT_EQ(j.result(), QDialog::Accepted);
        return 1;
    });
    p.MudarUnidade1Click();
    EXPECT_EQ(m_sessao.CodUnidade, 2);
    EXPECT_EQ(p.painelStatus(0)->text(), "NORTE");
    executor.defineInterceptador([](QWidget&) { return 1; });  // "OK" at once keeps the campus
    p.MudarUnidade1Click();
    EXPECT_EQ(m_sessao.CodUnidade, 2);
}

TEST(VersaoIncorreta, MensagemExata) {
    EXPECT_EQ(app::mensagemVersaoIncorreta("3", "https://x/d"),
              QStringLiteral("<<<<<   VERSÃO  INCORRETA   >>>>>>\rÉ necessário atualizar o programa.\r"
                             "Versão correta: 3\rBaixar nova versão em: https://x/d em Download - Sistemas"));
}

}  // namespace

namespace {

class EsquemasDoProgramaTest : public rh::teste::TesteComBanco {
protected:
    std::shared_ptr<const rh::db::Catalogo> catalogo() override { return rh::app::esquemasDoPrograma().catalogo(); }
};

TEST_F(EsquemasDoProgramaTest, IniciarAtualizaUmBancoComSoOEsquemaCentral) {
    rh::app::aplicarMigracoes(conexao());  // a database of an earlier version of the program
    const auto r = rh::app::inicializarBanco(conexao(), rh::app::esquemasDoPrograma(), std::nullopt);
    EXPECT_GE(r.migracoesAplicadas, 1);
    EXPECT_EQ(conexao().valor("SELECT COUNT(*) FROM RECH_PENSIONISTAS").toInt(), 0);
    EXPECT_EQ(rh::app::inicializarBanco(conexao(), rh::app::esquemasDoPrograma(), std::nullopt).migracoesAplicadas, 0);
}

}  // namespace

namespace {

using DadosCompartilhadosTest = PrincipalTest;

TEST_F(DadosCompartilhadosTest, ListasComPseudoLinhaPrimeiroERelogioDoServidor) {
    auto& dm = *m_dm;
    dm.QryUnidades.abrir();
    EXPECT_EQ(dm.QryUnidades.campo("CODUNIDADE").comoInteiro(), -1);
    EXPECT_EQ(dm.QryUnidades.campo("SIGLA").comoTexto(), "TODAS AS UNIDADES");
    dm.QryUnidades.proximo();
    EXPECT_EQ(dm.QryUnidades.campo("SIGLA").comoTexto(), "CENTRO");
    EXPECT_EQ(dm.QryUnidades.contagem(), 3);

    for (rh::db::Dataset* lista : {&dm.qryServidoresOrd, &dm.QryServidoresDesc}) {
        lista->abrir();
        EXPECT_EQ(lista->campo("NUMMATRIC").comoInteiro(), -1);
        EXPECT_EQ(lista->campo("NOME").comoTexto(), "TODOS OS SERVIDORES");
        lista->proximo();
        EXPECT_EQ(lista->campo("NOME").comoTexto(), lista == &dm.qryServidoresOrd ? "Ana Administradora"
                                                                                  : QStringLiteral("Úrsula Usuária"));
    }

    dm.Data.abrir();
    const QDateTime agora = dm.Data.campo("SYSDATE").comoDataHora();
    EXPECT_LE(std::abs(agora.secsTo(QDateTime::currentDateTime())), 120);
    EXPECT_EQ(dm.Data.campo("YYYY").comoInteiro(), agora.date().year());
    EXPECT_EQ(dm.Data.campo("MES").comoTexto(), rh::app::nomeDoMes(agora.date().month()));

    dm.abrirUnidadeSede(2);
    EXPECT_EQ(dm.QryUnidadeSEDE.campo("SIGLA").comoTexto(), "NORTE");
    EXPECT_TRUE(dm.QryUnidadeSEDE.campo("ENDERECO").comoTexto().startsWith(" - "));  // null parts are empty
}

TEST_F(DadosCompartilhadosTest, DependentesAcompanhamOServidorDaFicha) {
    conexao().executar("INSERT INTO VORK_DEPENDENTES (CODSERVIDOR, NOMEDEPENDENTE, DATANASCIMENTO) VALUES (3, 'FILHA', :D)",
                       {{"D", QDate(2010, 5, 1)}});
    auto& dm = *m_dm;
    dm.QryServidores.defineSql("SELECT * FROM VORK_VW_SERVIDORES WHERE CODUSUARIO IN (1, 3) ORDER BY CODUSUARIO");
    dm.QryServidores.abrir();
    EXPECT_TRUE(dm.qryDependentes.ativo());
    EXPECT_TRUE(dm.qryDependentes.vazio());
    dm.QryServidores.proximo();
    ASSERT_FALSE(dm.qryDependentes.vazio());
    EXPECT_EQ(dm.qryDependentes.campo("NOMEDEPENDENTE").comoTexto(), "FILHA");
    dm.QryServidores.fechar();
    EXPECT_FALSE(dm.qryDependentes.ativo());
}

}  // namespace
