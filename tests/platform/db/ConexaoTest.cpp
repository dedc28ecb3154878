#include <gtest/gtest.h>

#include "platform/db/ErroBanco.h"
#include "platform/db/GuardaTransacao.h"
#include "platform/db/Placeholders.h"
#include "support/BancoDeTeste.h"

using namespace rh::db;

namespace {

class ConexaoTest : public rh::teste::TesteComBanco {
protected:
    void prepararEsquema(Conexao& c) override {
        c.executar("CREATE TABLE T (ID INTEGER PRIMARY KEY, NOME VARCHAR(40))");
    }
    int linhas() { return conexao().valor("SELECT COUNT(*) FROM T").toInt(); }
    // Another connection sees only committed rows.
    int linhasConfirmadas() { return banco().conectar()->valor("SELECT COUNT(*) FROM T").toInt(); }
    void inserir(int id) { conexao().executar("INSERT INTO T (ID) VALUES (:ID)", {{"ID", id}}); }
};

TEST_F(ConexaoTest, DoisNiveisEUmaConfirmacaoDeixamATransacaoAbertaAteASegunda) {
    conexao().iniciarNivel();
    conexao().iniciarNivel();
    EXPECT_EQ(conexao().ProfundidadeTransacao(), 2);
    inserir(1);
    conexao().confirmarNivel();
    EXPECT_EQ(conexao().ProfundidadeTransacao(), 1);
    EXPECT_TRUE(conexao().emTransacao());
    EXPECT_EQ(linhasConfirmadas(), 0);
    conexao().confirmarNivel();
    EXPECT_EQ(conexao().ProfundidadeTransacao(), 0);
    EXPECT_FALSE(conexao().emTransacao());
    EXPECT_EQ(linhasConfirmadas(), 1);
}

TEST_F(ConexaoTest, AbandonarNoNivelUmDesfazEAProfundidadeNuncaFicaNegativa) {
    conexao().iniciarNivel();
    inserir(1);
    conexao().abandonarNivel();
    EXPECT_EQ(linhas(), 0);
    EXPECT_FALSE(conexao().emTransacao());
    conexao().abandonarNivel();
    conexao().confirmarNivel();
    EXPECT_EQ(conexao().ProfundidadeTransacao(), 0);
}

TEST_F(ConexaoTest, AoFecharJanelaSemNivelUmaTransacaoAbertaEDesfeita) {
    conexao().iniciarNivel();
    conexao().iniciarNivel();
    inserir(1);
    conexao().encerrarNiveisAoFechar();  // 2 -> 1, transaction stays
    EXPECT_EQ(conexao().ProfundidadeTransacao(), 1);
    EXPECT_TRUE(conexao().emTransacao());
    conexao().abandonarNivel();
    EXPECT_EQ(linhas(), 0);
    conexao().IniciaTransacao();
    inserir(2);
    conexao().encerrarNiveisAoFechar();  // depth 0 with an open transaction
    EXPECT_FALSE(conexao().emTransacao());
    EXPECT_EQ(linhas(), 0);
}

TEST_F(ConexaoTest, IniciaTransacaoNuncaAninha) {
    conexao().IniciaTransacao();
    EXPECT_NO_THROW(conexao().IniciaTransacao());
    inserir(1);
    conexao().confirmar();
    EXPECT_EQ(linhasConfirmadas(), 1);
}

TEST_F(ConexaoTest, GuardaDesfazSemConfirmarEConfirmaQuandoPedido) {
    try {
        GuardaTransacao g(conexao());
        inserir(1);
        inserir(1);  // duplicate key
        g.confirmar();
    } catch (const ErroBanco& e) {
        EXPECT_FALSE(e.mensagem().isEmpty());
        EXPECT_TRUE(e.comando().contains("INSERT INTO T"));
    }
    EXPECT_FALSE(conexao().emTransacao());
    EXPECT_EQ(linhas(), 0);
    {
        GuardaTransacao g(conexao());
        inserir(2);
        g.confirmar();
    }
    EXPECT_EQ(linhasConfirmadas(), 1);
}

TEST_F(ConexaoTest, ParametrosSaoLigadosETextoHostilEIgualAQualquerOutro) {
    for (const QString& nome : {QStringLiteral("O'Brien"), QStringLiteral("x' OR '1'='1"),
                               QStringLiteral("'; DROP TABLE T; --")}) {
        conexao().executar("DELETE FROM T");
        conexao().executar("INSERT INTO T (ID, NOME) VALUES (1, :NOME)", {{"nome", nome}});
        EXPECT_EQ(conexao().valor("SELECT NOME FROM T WHERE NOME = :N", {{"N", nome}}).toString(), nome);
        EXPECT_EQ(conexao().valor("SELECT COUNT(*) FROM T WHERE NOME = :N", {{"N", "x"}}).toInt(), 0);
    }
}

TEST_F(ConexaoTest, MaiusculasReconhecemAcentos) {
    conexao().executar("INSERT INTO T (ID, NOME) VALUES (1, :N)", {{"N", QStringLiteral("ângela conceição")}});
    EXPECT_EQ(conexao().valor("SELECT UPPER(NOME) FROM T").toString(), QStringLiteral("ÂNGELA CONCEIÇÃO"));
    EXPECT_EQ(conexao().valor("SELECT COUNT(*) FROM T WHERE UPPER(NOME) LIKE UPPER(:N)",
                              {{"N", QStringLiteral("ÂNG%")}}).toInt(), 1);
    EXPECT_EQ(conexao().valor("SELECT LOWER(UPPER(NOME)) FROM T").toString(), QStringLiteral("ângela conceição"));
}

TEST_F(ConexaoTest, LikeDiferenciaMaiusculas) {
    conexao().executar("INSERT INTO T (ID, NOME) VALUES (1, 'Maria')");
    EXPECT_EQ(conexao().valor("SELECT COUNT(*) FROM T WHERE NOME LIKE :P", {{"P", "ma%"}}).toInt(), 0);
    EXPECT_EQ(conexao().valor("SELECT COUNT(*) FROM T WHERE NOME LIKE :P", {{"P", "Ma%"}}).toInt(), 1);
}

TEST_F(ConexaoTest, FalhaDeConexaoNomeiaOBanco) {
    ConfiguracaoConexao c;
    c.driver = "postgres";
    c.servidor = "127.0.0.1";
    c.porta = 1;
    c.banco = "inexistente";
    Conexao x(c, {});
    try {
        x.abrir();
        FAIL();
    } catch (const ErroBanco& e) {
        EXPECT_TRUE(e.mensagem().contains("inexistente")) << e.mensagem().toStdString();
    }
}

TEST(Placeholders, IgnoraAspasComentariosEConversoes) {
    EXPECT_EQ(nomesDeParametros("select :A, ':B', \":C\" from x where y = :a and z::date = :pD /* :E */ -- :F\n"),
              (QStringList{"A", "pD"}));
}

}  // namespace
