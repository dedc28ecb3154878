#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <memory>

#include "app/configuracao/Configuracao.h"
#include "app/demo/Demo.h"
#include "app/esquema/EsquemaCentral.h"
#include "app/nucleo/ContextoJanela.h"
#include "app/nucleo/TDM.h"
#include "framework/pesquisa/Pesquisas.h"
#include "framework/pesquisa/TFpesqPadrao.h"
#include "framework/pesquisa/TfrmPesquisaTabelas.h"
#include "platform/db/Dataset.h"
#include "platform/ui/ExecutorJanelas.h"
#include "platform/ui/GradeDataset.h"
#include "support/app/TesteComContexto.h"
#include "support/BancoDeTeste.h"
#include "support/DialogosRoteirizados.h"
#include "support/Digitar.h"

using namespace rh;
using namespace rh::framework;
using Tipo = teste::DialogosRoteirizados::Tipo;

namespace {

struct Pessoa {
    QString nome;
    qlonglong matricula;
    QDate nascimento;
    int unidade;
};

// Servants of two campuses, with accented names in every case, a quote, and
// one whose name is itself hostile text.
const QList<Pessoa> kPessoas{
    {"Ângela Maria", 1001, QDate(1980, 3, 5), 1},
    {"ÂNGELA SOUZA", 1002, QDate(1975, 1, 20), 1},
    {"ângela lima", 1003, QDate(1990, 7, 9), 2},
    {"Angela Reis", 1004, QDate(1985, 11, 30), 2},
    {"ÉRICA DIAS", 1005, QDate(1970, 2, 14), 1},
    {"Marcos D'Ávila", 1006, QDate(1966, 6, 6), 2},
    {"Teste x' OR '1'='1", 1007, QDate(2000, 1, 1), 1},
    {"Bruno Antunes", 1008, QDate(1999, 9, 9), 2},
};

class PesquisasTest : public teste::TesteComContexto {
protected:
    void prepararEsquema(db::Conexao& c) override {
        app::aplicarMigracoes(c);
        app::preencherReferencias(c);
        for (const auto& p : kPessoas) inserirPessoa(c, p);
    }
    static void inserirPessoa(db::Conexao& c, const Pessoa& p) {
        const qlonglong cod = c.valor(
                                   "INSERT INTO VORK_USUARIOS (CATEGORIA, NUMMATRIC, NOME, DTNASC) "
                                   "VALUES ('S', :M, :N, :D)" +
                                       c.dialeto().retornando("CODUSUARIO"),
                                   {{"M", p.matricula}, {"N", p.nome}, {"D", p.nascimento}})
                                  .toLongLong();
        c.executar(
            "INSERT INTO VORK_SERVIDORES (CODSERVIDOR, CODUNIDADE, SITUACAO) VALUES (:C, :U, 'A')",
            {{"C", cod}, {"U", p.unidade}});
    }

    void SetUp() override {
        TesteComContexto::SetUp();
        if (IsSkipped()) return;
        m_sessao = {3, 1, 1, "ESTACAO01", "A", "2"};
        m_pessoas = std::make_unique<db::Dataset>(m_dm->ADOConnecOracle());
        m_pessoas->defineSql(kSqlBase);
        m_pessoas->definirCampo("CODUSUARIO").tag = 0;
        m_pessoas->definirCampo("NUMMATRIC") = {.rotulo = "Matrícula", .tag = 3};
        m_pessoas->definirCampo("NOME") = {.rotulo = "Nome", .tag = 2};
        m_pessoas->definirCampo("DTNASC") = {.rotulo = "Nascimento", .tag = 2};
        m_pessoas->abrir();
    }
    void TearDown() override {
        executor.defineInterceptador({});
        m_pessoas.reset();
        TesteComContexto::TearDown();
    }

    // Runs the standard search over the people, driven by `roteiro`.
    bool localizar(const std::function<void(TFpesqPadrao&)>& roteiro, ParametrosPesquisa p = {}) {
        if (p.tabela.isEmpty())
            p = {"VORK_USUARIOS", "CADASTRO DE PESSOAS", "CODUSUARIO, NUMMATRIC, NOME, DTNASC", ""};
        executor.defineInterceptador([&](QWidget& w) {
            auto& d = dynamic_cast<TFpesqPadrao&>(w);
            roteiro(d);
            return d.result();
        });
        return Localizar(*m_contexto, *m_pessoas, kSqlBase, p);
    }

    static void buscar(TFpesqPadrao& d, const QString& campo, const QString& valor, TipoBusca tipo,
                       bool sensivel = false) {
        d.comboCampos()->setCurrentIndex(int(d.camposOferecidos().indexOf(campo)));
        d.editValor()->setText(valor);
        d.opcaoTipo(tipo)->setChecked(true);
        d.caixaMaiusculas()->setChecked(sensivel);
        d.acaoLocalizar()->trigger();
    }

    static QStringList coluna(db::Dataset& ds, const QString& campo) {
        QStringList r;
        if (!ds.ativo()) return r;
        const int atual = ds.linhaAtual();
        for (int i = 0; ds.irPara(i); ++i) r << ds.campo(campo).comoTexto();
        if (atual >= 0) ds.irPara(atual);
        return r;
    }

    static constexpr const char* kSqlBase =
        "SELECT CODUSUARIO, NUMMATRIC, NOME, DTNASC FROM VORK_USUARIOS ORDER BY NOME";

    std::unique_ptr<db::Dataset> m_pessoas;
};

TEST_F(PesquisasTest, LocalizarPorTipoECaixaComAcentosEmQualquerCaixa) {
    struct Caso {
        QString valor;
        TipoBusca tipo;
        bool sensivel;
        QStringList nomes;  // ordered by name
    };
    const QList<Caso> casos{
        {"ân", TipoBusca::Aproximada, false, {"ÂNGELA SOUZA", "Ângela Maria", "ângela lima"}},
        {"ân", TipoBusca::Aproximada, true, {"ângela lima"}},
        {"ér", TipoBusca::Aproximada, false, {"ÉRICA DIAS"}},
        {"an", TipoBusca::Aproximada, false, {"Angela Reis"}},
        {"ângela maria", TipoBusca::Exata, false, {"Ângela Maria"}},
        {"ângela maria", TipoBusca::Exata, true, {}},
        {"Ângela Maria", TipoBusca::Exata, true, {"Ângela Maria"}},
        {"GELA",
         TipoBusca::QueContem,
         false,
         {"Angela Reis", "ÂNGELA SOUZA", "Ângela Maria", "ângela lima"}},
        {"gela", TipoBusca::QueContem, true, {"Angela Reis", "Ângela Maria", "ângela lima"}},
        // Pattern characters keep their meaning.
        {"%lima", TipoBusca::Aproximada, false, {"ângela lima"}},
        {"_ngela",
         TipoBusca::Aproximada,
         false,
         {"Angela Reis", "ÂNGELA SOUZA", "Ângela Maria", "ângela lima"}},
        // Quotes and hostile text are plain characters.
        {"d'ávila", TipoBusca::QueContem, false, {"Marcos D'Ávila"}},
        {"x' OR '1'='1", TipoBusca::QueContem, true, {"Teste x' OR '1'='1"}},
        {"x' OR '1'='1", TipoBusca::Exata, false, {}},
        {"'; DROP TABLE VORK_USUARIOS; --", TipoBusca::QueContem, false, {}},
        {"'; DROP TABLE VORK_USUARIOS; --", TipoBusca::Exata, true, {}},
    };
    for (const auto& c : casos) {
        dialogos.limpar();
        QStringList achados;
        localizar([&](TFpesqPadrao& d) {
            buscar(d, "NOME", c.valor, c.tipo, c.sensivel);
            achados = coluna(*m_pessoas, "NOME");
        });
        // The ordering is the database's; compare as sets and check the order separately.
        QStringList esperados = c.nomes;
        std::sort(achados.begin(), achados.end());
        std::sort(esperados.begin(), esperados.end());
        EXPECT_EQ(achados, esperados) << c.valor.toStdString() << " sens=" << c.sensivel;
        EXPECT_TRUE(dialogos.textos(Tipo::Erro).isEmpty()) << c.valor.toStdString();
        if (c.nomes.isEmpty()) {
            EXPECT_EQ(dialogos.textos(), QStringList{"A pesquisa não encontrou ocorrências!"});
        }
    }
    EXPECT_EQ(conexao().valor("SELECT COUNT(*) FROM VORK_USUARIOS").toInt(), kPessoas.size());
}

TEST_F(PesquisasTest, ValoresQueNaoCabemNoTipoDoCampo) {
    struct Caso {
        QString campo;
        QString valor;
        TipoBusca tipo;
        QString mensagem;  // empty: the search runs
        int linhas;
    };
    const QList<Caso> casos{
        {"NOME", "", TipoBusca::Exata, "Digite algum valor para pesquisa.", 0},
        {"NUMMATRIC", "", TipoBusca::Exata, "Digite algum valor para pesquisa.", 0},
        {"NUMMATRIC", "12a", TipoBusca::Aproximada, "Valor inválido!", 0},
        {"DTNASC", "31/02/1980", TipoBusca::Aproximada, "Valor inválido!", 0},
        {"DTNASC", "ontem", TipoBusca::Aproximada, "Valor inválido!", 0},
        {"DTNASC", "05/03/1980", TipoBusca::Aproximada, "", 1},
        {"NUMMATRIC", "1006", TipoBusca::Aproximada, "", 1},
        {"NOME", "", TipoBusca::Aproximada, "", int(kPessoas.size())},
    };
    for (const auto& c : casos) {
        dialogos.limpar();
        localizar([&](TFpesqPadrao& d) {
            const QString antes = m_pessoas->sql();
            buscar(d, c.campo, c.valor, c.tipo);
            if (!c.mensagem.isEmpty()) {
                EXPECT_EQ(dialogos.textos(), QStringList{c.mensagem}) << c.valor.toStdString();
                EXPECT_EQ(m_pessoas->sql(), antes) << "nothing changes";
                EXPECT_FALSE(d.acaoProxima()->isEnabled());
            } else {
                EXPECT_TRUE(dialogos.vazio()) << dialogos.textos().join("|").toStdString();
                EXPECT_EQ(m_pessoas->contagem(), c.linhas) << c.valor.toStdString();
            }
        });
    }
    const auto erros = dialogos.textos(Tipo::Erro);
    EXPECT_TRUE(erros.isEmpty() || erros == QStringList{"Valor inválido!"});
}

TEST_F(PesquisasTest, CamposOferecidosTipoEValorSoComDigitos) {
    localizar([&](TFpesqPadrao& d) {
        EXPECT_EQ(d.windowTitle(), "Localizar - CADASTRO DE PESSOAS");
        EXPECT_EQ(d.camposOferecidos(), (QStringList{"NUMMATRIC", "NOME", "DTNASC"}));
        QStringList rotulos;
        for (int i = 0; i < d.comboCampos()->count(); ++i) rotulos << d.comboCampos()->itemText(i);
        EXPECT_EQ(rotulos, (QStringList{"Matrícula", "Nome", "Nascimento"}));
        EXPECT_EQ(d.tipoEscolhido(), TipoBusca::Aproximada);
        EXPECT_FALSE(d.caixaMaiusculas()->isChecked());
        EXPECT_FALSE(d.grupoTipo()->isEnabled()) << "first field is a number";
        EXPECT_FALSE(d.acaoProxima()->isEnabled());
        EXPECT_FALSE(d.acaoDetalhes()->isEnabled());
        EXPECT_EQ(d.acaoProxima()->shortcut(), QKeySequence(Qt::Key_F3));

        teste::digitar(d.editValor(), "1a0b0");
        EXPECT_EQ(d.editValor()->text(), "100");
        d.comboCampos()->setCurrentIndex(1);
        EXPECT_TRUE(d.editValor()->text().isEmpty()) << "choosing another field empties the value";
        EXPECT_TRUE(d.grupoTipo()->isEnabled());
        teste::digitar(d.editValor(), "Ân1");
        EXPECT_EQ(d.editValor()->text(), "Ân1");
        d.comboCampos()->setCurrentIndex(2);
        EXPECT_FALSE(d.grupoTipo()->isEnabled());
    });
    for (const QString titulo : {"C0NSULTA ÁREA", "CONSULTA PROCESSOS", "CONSULTA ÁREA"}) {
        localizar(
            [&](TFpesqPadrao& d) {
                EXPECT_EQ(d.tipoEscolhido(),
                          titulo == "CONSULTA ÁREA" ? TipoBusca::Aproximada : TipoBusca::QueContem);
            },
            {"VORK_USUARIOS", titulo, "", ""});
    }
}

TEST_F(PesquisasTest, AreaDeDetalhesProximaEColunasEscondidas) {
    localizar([&](TFpesqPadrao& d) {
        EXPECT_EQ(d.height(), TFpesqPadrao::kAlturaSemResultado);
        buscar(d, "NOME", "ângela", TipoBusca::Aproximada);
        EXPECT_EQ(d.height(), 350);
        EXPECT_EQ(d.acaoDetalhes()->text(), "Mais Detalhes <<<");
        EXPECT_TRUE(d.acaoProxima()->isEnabled());
        EXPECT_TRUE(d.acaoDetalhes()->isEnabled());
        EXPECT_EQ(d.grade()->dataset(), m_pessoas.get());
        const int colunaCod = int(d.grade()->modelo()->colunas().size()) > 0 ? 0 : -1;
        ASSERT_EQ(m_pessoas->campo(d.grade()->modelo()->indiceCampo(colunaCod)).nome(),
                  "CODUSUARIO");
        EXPECT_TRUE(d.grade()->isColumnHidden(colunaCod)) << "tag 0";
        for (int c = 1; c < d.grade()->modelo()->columnCount(); ++c)
            EXPECT_FALSE(d.grade()->isColumnHidden(c));

        d.acaoDetalhes()->trigger();
        EXPECT_EQ(d.height(), 178);
        EXPECT_EQ(d.acaoDetalhes()->text(), "Mais Detalhes >>>");
        d.acaoDetalhes()->trigger();
        EXPECT_EQ(d.height(), 350);

        // "Proxima" up to the end, then back to the start on Yes; stays on No.
        EXPECT_EQ(m_pessoas->linhaAtual(), 0);
        d.acaoProxima()->trigger();
        d.acaoProxima()->trigger();
        EXPECT_EQ(m_pessoas->linhaAtual(), 2);
        EXPECT_TRUE(dialogos.vazio());
        dialogos.planejar(ui::Dialogos::Resposta::Nao);
        d.acaoProxima()->trigger();
        EXPECT_EQ(m_pessoas->linhaAtual(), 2);
        dialogos.planejar(ui::Dialogos::Resposta::Sim);
        d.acaoProxima()->trigger();
        EXPECT_EQ(m_pessoas->linhaAtual(), 0);
        EXPECT_EQ(dialogos.textos(Tipo::Confirmacao),
                  QStringList(2, "Não há mais registros. Deseja voltar ao início?"));

        dialogos.limpar();
        buscar(d, "NOME", "zzz", TipoBusca::Aproximada);
        EXPECT_EQ(d.height(), 158);
        EXPECT_EQ(d.acaoDetalhes()->text(), "Mais Detalhes >>>");
        EXPECT_FALSE(d.acaoProxima()->isEnabled());
        EXPECT_FALSE(d.acaoDetalhes()->isEnabled());
    });
}

TEST_F(PesquisasTest, OkMantemAPesquisaEFecharRestauraABase) {
    // OK on an empty result warns and stays; then OK on a found record.
    QString sqlDaPesquisa;
    EXPECT_TRUE(localizar([&](TFpesqPadrao& d) {
        buscar(d, "NOME", "nada assim", TipoBusca::QueContem);
        dialogos.limpar();
        d.acaoOk()->trigger();
        EXPECT_EQ(dialogos.textos(Tipo::Aviso),
                  QStringList{"Atenção! É necessário escolher um ítem."});
        EXPECT_EQ(d.result(), QDialog::Rejected);
        // Enter in the value edit searches; Enter in the grid is "OK".
        d.comboCampos()->setCurrentIndex(0);
        d.comboCampos()->setCurrentIndex(1);
        EXPECT_TRUE(d.editValor()->text().isEmpty());
        d.opcaoTipo(TipoBusca::QueContem)->setChecked(true);
        teste::digitar(d.editValor(), "gela");
        QTest::keyClick(d.editValor(), Qt::Key_Return);
        ASSERT_EQ(m_pessoas->contagem(), 4);
        m_pessoas->irPara(2);
        sqlDaPesquisa = m_pessoas->sql();
        QTest::keyClick(d.grade(), Qt::Key_Return);
    }));
    EXPECT_EQ(m_pessoas->sql(), sqlDaPesquisa);
    EXPECT_EQ(m_pessoas->contagem(), 4);
    EXPECT_EQ(m_pessoas->linhaAtual(), 2);

    // "&Fechar" and Escape put the full list back.
    for (int vez = 0; vez < 2; ++vez) {
        EXPECT_FALSE(localizar([&](TFpesqPadrao& d) {
            buscar(d, "NOME", "ér", TipoBusca::Aproximada);
            EXPECT_EQ(m_pessoas->contagem(), 1);
            if (vez == 0)
                d.acaoFechar()->trigger();
            else
                d.reject();
        }));
        EXPECT_EQ(m_pessoas->sql(), kSqlBase);
        EXPECT_EQ(m_pessoas->contagem(), kPessoas.size());
    }
}

TEST_F(PesquisasTest, LimiteDeLinhasAntesDaOrdenacao) {
    // Which 200 rows the limit picks is the database's choice (as the
    // original's rownum); they come back ordered.
    for (int i = 250; i >= 1; --i)
        inserirPessoa(conexao(), {QString("ZZ %1").arg(i, 3, 10, QLatin1Char('0')), 5000 + i,
                                  QDate(1990, 1, 1), 1});
    localizar(
        [&](TFpesqPadrao& d) {
            buscar(d, "NOME", "zz", TipoBusca::Aproximada);
            const QStringList nomes = coluna(*m_pessoas, "NOME");
            ASSERT_EQ(nomes.size(), 200);
            QStringList ordenados = nomes;
            std::sort(ordenados.begin(), ordenados.end());
            EXPECT_EQ(nomes, ordenados);
            EXPECT_EQ(QSet<QString>(nomes.begin(), nomes.end()).size(), 200);
            for (const auto& n : nomes) EXPECT_TRUE(n.startsWith("ZZ ")) << n.toStdString();
        },
        {"VORK_USUARIOS", "CADASTRO DE PESSOAS", "CODUSUARIO, NUMMATRIC, NOME, DTNASC",
         "rownum <= 200 and "});
}

TEST_F(PesquisasTest, CondicaoBaseDeJuncaoFicaComoEsta) {
    m_pessoas->definirCampo("NOME").origem = "U.NOME";
    localizar(
        [&](TFpesqPadrao& d) {
            buscar(d, "NOME", "ângela", TipoBusca::Aproximada);
            EXPECT_TRUE(dialogos.vazio()) << dialogos.textos().join("|").toStdString();
            QStringList nomes = coluna(*m_pessoas, "NOME");
            std::sort(nomes.begin(), nomes.end());
            EXPECT_EQ(nomes, (QStringList{"ÂNGELA SOUZA", "Ângela Maria"})) << "campus 1 only";
        },
        {"VORK_USUARIOS U, VORK_SERVIDORES S", "PESSOAS",
         "U.CODUSUARIO, U.NUMMATRIC, U.NOME, U.DTNASC",
         "S.CODSERVIDOR = U.CODUSUARIO and S.CODUNIDADE = 1 and rownum <= 200 and "});
}

// ---------------------------------------------------------------- table search

class PesquisaTabelaTest : public PesquisasTest {
protected:
    void SetUp() override {
        PesquisasTest::SetUp();
        if (IsSkipped()) return;
        m_modelo = std::make_unique<db::Dataset>(m_dm->ADOConnecOracle());
        m_modelo->defineSql(
            "SELECT CODUSUARIO, NOME, NUMMATRIC, CODUNIDADE FROM VORK_VW_SERVIDORES WHERE 1 = 0");
        m_modelo->definirCampo("NOME").rotulo = "Nome do Servidor";
        m_modelo->abrir();
    }
    void TearDown() override {
        m_modelo.reset();
        PesquisasTest::TearDown();
    }
    EscolhaPesquisa pesquisar(const std::function<void(TfrmPesquisaTabelas&)>& roteiro,
                              const QString& campoPadrao = "NOME",
                              const QString& tabela = "VORK_VW_SERVIDORES") {
        executor.defineInterceptador([&](QWidget& w) {
            auto& d = dynamic_cast<TfrmPesquisaTabelas&>(w);
            roteiro(d);
            return d.result();
        });
        return PesquisaTabela(*m_contexto, *m_modelo, tabela, "CONSULTA SERVIDORES", "CODUSUARIO",
                              "NOME", campoPadrao);
    }
    static QList<int> unidades(db::Dataset& ds) {
        QList<int> r;
        for (const QString& u : coluna(ds, "CODUNIDADE")) r << u.toInt();
        return r;
    }
    std::unique_ptr<db::Dataset> m_modelo;
};

TEST_F(PesquisaTabelaTest, AberturaLegendasEEscolha) {
    const EscolhaPesquisa r = pesquisar([&](TfrmPesquisaTabelas& d) {
        EXPECT_EQ(d.windowTitle(), "Pesquisa - CONSULTA SERVIDORES");
        EXPECT_EQ(d.size(), QSize(721, 302));
        EXPECT_EQ(d.QryPesquisaTabelas().objectName(), "QryPesquisaTabelas");
        EXPECT_EQ(d.comboCampos()->itemText(1), "Nome do Servidor");
        EXPECT_EQ(d.comboCampos()->currentIndex(), 1) << "default field";
        EXPECT_EQ(d.comboCondicao()->currentText(), ">=") << "first field is an integer";
        EXPECT_FALSE(d.comboCondicao()->isVisibleTo(&d));
        EXPECT_EQ(d.editValor()->text(), "0");
        EXPECT_FALSE(d.acaoEscolher()->isEnabled());
        EXPECT_EQ(d.acaoEscolher()->text(), "  &Escolher  ");
        EXPECT_TRUE(d.acaoPesquisar()->text().isEmpty());
        // Value empty with an integer first field: nothing to search.
        d.editValor()->clear();
        EXPECT_FALSE(d.acaoPesquisar()->isEnabled());
        teste::digitar(d.editValor(), "d'ávila");
        EXPECT_EQ(d.editValor()->text(), "D'ÁVILA");
        EXPECT_TRUE(d.acaoPesquisar()->isEnabled());
        d.acaoPesquisar()->trigger();
        EXPECT_TRUE(d.acaoEscolher()->isEnabled());
        EXPECT_EQ(coluna(d.QryPesquisaTabelas(), "NOME"), QStringList{"Marcos D'Ávila"});
        QTest::keyClick(d.grade(), Qt::Key_Return);
    });
    EXPECT_TRUE(r.escolhido);
    EXPECT_EQ(r.texto, "Marcos D'Ávila");
    EXPECT_EQ(r.chave, conexao()
                           .valor("SELECT CODUSUARIO FROM VORK_USUARIOS WHERE NUMMATRIC = 1006")
                           .toLongLong());
    EXPECT_TRUE(dialogos.vazio());

    const EscolhaPesquisa cancelada = pesquisar([&](TfrmPesquisaTabelas& d) {
        d.editValor()->setText("ÂNGELA");
        QTest::keyClick(d.editValor(), Qt::Key_Return);
        EXPECT_EQ(d.QryPesquisaTabelas().contagem(), 3)
            << "upper-case value, any case in the table";
        d.acaoCancelar()->trigger();
    });
    EXPECT_FALSE(cancelada.escolhido);
    EXPECT_EQ(cancelada.chave, 0);
    EXPECT_FALSE(pesquisar([&](TfrmPesquisaTabelas& d) { d.reject(); }).escolhido);
}

TEST_F(PesquisaTabelaTest, UnidadeDaSessaoRestringeOutrosPerfis) {
    m_sessao.Perfil = "U";
    m_sessao.CodUnidade = 1;
    pesquisar([&](TfrmPesquisaTabelas& d) {
        d.comboCampos()->setCurrentIndex(0);
        d.editValor()->setText("0");
        d.acaoPesquisar()->trigger();
        EXPECT_EQ(unidades(d.QryPesquisaTabelas()), QList<int>(4, 1));
        // The campus is read at each search.
        m_sessao.CodUnidade = 2;
        d.acaoPesquisar()->trigger();
        EXPECT_EQ(unidades(d.QryPesquisaTabelas()), QList<int>(4, 2));
        // Hostile text finds nothing more than itself.
        d.comboCampos()->setCurrentIndex(1);
        d.editValor()->setText("X' OR '1'='1");
        d.acaoPesquisar()->trigger();
        EXPECT_TRUE(d.QryPesquisaTabelas().vazio()) << "its only match is on campus 1";
        m_sessao.CodUnidade = 1;
        d.acaoPesquisar()->trigger();
        EXPECT_EQ(coluna(d.QryPesquisaTabelas(), "NOME"), QStringList{"Teste x' OR '1'='1"});
        d.editValor()->setText("'; DROP TABLE VORK_USUARIOS; --");
        d.acaoPesquisar()->trigger();
        EXPECT_TRUE(d.QryPesquisaTabelas().vazio());
    });
    EXPECT_TRUE(dialogos.vazio()) << dialogos.textos().join("|").toStdString();

    m_sessao.Perfil = "A";
    pesquisar([&](TfrmPesquisaTabelas& d) {
        d.editValor()->setText("%");
        d.acaoPesquisar()->trigger();
        QList<int> us = unidades(d.QryPesquisaTabelas());
        std::sort(us.begin(), us.end());
        EXPECT_EQ(us, (QList<int>{1, 1, 1, 1, 2, 2, 2, 2}));
        // Integer field: ">=" on the value.
        d.comboCampos()->setCurrentIndex(2);
        d.editValor()->setText("1006");
        d.acaoPesquisar()->trigger();
        EXPECT_EQ(coluna(d.QryPesquisaTabelas(), "NUMMATRIC"),
                  (QStringList{"1006", "1007", "1008"}));
    });
    EXPECT_EQ(conexao().valor("SELECT COUNT(*) FROM VORK_USUARIOS").toInt(), kPessoas.size());
}

TEST_F(PesquisaTabelaTest, CampoPadraoInvalidoEEscolherSemResultado) {
    const EscolhaPesquisa r = pesquisar(
        [&](TfrmPesquisaTabelas& d) {
            EXPECT_EQ(dialogos.textos(),
                      QStringList{"CAMPO DEFAULT INVÁLIDO NA PESQUISA. INFORME SUPORTE TECNICO"});
            d.comboCampos()->setCurrentIndex(1);
            d.editValor()->setText("ÉRICA");
            d.acaoPesquisar()->trigger();
            EXPECT_EQ(coluna(d.QryPesquisaTabelas(), "NOME"), QStringList{"ÉRICA DIAS"});
            d.editValor()->setText("NINGUÉM");
            d.acaoPesquisar()->trigger();
            EXPECT_TRUE(d.QryPesquisaTabelas().vazio());
            d.acaoEscolher()->trigger();
        },
        "NAO_EXISTE");
    EXPECT_TRUE(r.escolhido);
    EXPECT_EQ(r.chave, 0);
    EXPECT_TRUE(r.texto.isEmpty());
}

TEST_F(PesquisaTabelaTest, ModeloComTextoPrimeiroComecaVazioEAproximado) {
    m_modelo->fechar();
    m_modelo->defineSql("SELECT DESCRICAO, CODSETOR, CODUNIDADE FROM VORK_VW_SETORES WHERE 1 = 0");
    m_modelo->abrir();
    m_sessao.Perfil = "C";
    m_sessao.CodUnidade = 2;
    executor.defineInterceptador([&](QWidget& w) {
        auto& d = dynamic_cast<TfrmPesquisaTabelas&>(w);
        EXPECT_EQ(d.comboCondicao()->currentText(), "Consulta aproximada");
        EXPECT_TRUE(d.editValor()->text().isEmpty());
        EXPECT_TRUE(d.acaoPesquisar()->isEnabled());
        d.acaoPesquisar()->trigger();
        EXPECT_FALSE(d.QryPesquisaTabelas().vazio());
        EXPECT_EQ(unidades(d.QryPesquisaTabelas()),
                  QList<int>(d.QryPesquisaTabelas().contagem(), 2));
        d.QryPesquisaTabelas().irPara(1);
        d.acaoEscolher()->trigger();
        return d.result();
    });
    const auto r = PesquisaTabela(*m_contexto, *m_modelo, "VORK_VW_SETORES", "CONSULTA SETORES",
                                  "CODSETOR", "DESCRICAO", "");
    EXPECT_TRUE(r.escolhido);
    EXPECT_EQ(
        conexao()
            .valor("SELECT CODUNIDADE FROM VORK_SETORES WHERE CODSETOR = :C", {{"C", r.chave}})
            .toInt(),
        2);
    EXPECT_FALSE(r.texto.isEmpty());
    EXPECT_TRUE(dialogos.vazio());
}

}  // namespace
