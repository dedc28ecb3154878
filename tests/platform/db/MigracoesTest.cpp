#include <gtest/gtest.h>

#include "platform/db/ErroBanco.h"
#include "platform/db/Migracoes.h"
#include "support/BancoDeTeste.h"

using namespace rh::db;

namespace {

class MigracoesTest : public rh::teste::TesteComBanco {
protected:
    Migrador migrador() {
        Migrador m(conexao());
        m.adicionar({"teste", 1, "tabela", [](Conexao& c) {
                         criarTabela(c, {"M1", {chaveGerada("ID"), texto("NOME", 10)}});
                     }});
        m.adicionar({"teste", 2, "visão", [](Conexao& c) {
                         criarVisao(c, {"M1_VW", {}, "SELECT ID, UPPER(NOME) NOME FROM M1", {}});
                     }});
        return m;
    }
};

TEST_F(MigracoesTest, AplicarDuasVezesNaoRepete) {
    EXPECT_EQ(migrador().aplicarPendentes(), 2);
    EXPECT_EQ(migrador().aplicarPendentes(), 0);
    EXPECT_EQ(migrador().versaoAplicada("teste"), 2);
    conexao().executar("INSERT INTO M1 (NOME) VALUES ('a')");
    EXPECT_EQ(conexao().valor("SELECT NOME FROM M1_VW").toString(), "A");
}

TEST_F(MigracoesTest, PassoQueFalhaEDesfeitoEOsAnterioresFicam) {
    Migrador m = migrador();
    m.adicionar({"teste", 3, "falha", [](Conexao& c) {
                     criarTabela(c, {"M3", {chaveGerada("ID")}});
                     c.executar("INSERT INTO TABELA_QUE_NAO_EXISTE VALUES (1)");
                 }});
    EXPECT_THROW(m.aplicarPendentes(), ErroBanco);
    EXPECT_EQ(m.versaoAplicada("teste"), 2);
    EXPECT_FALSE(conexao().emTransacao());
    EXPECT_THROW(conexao().executar("SELECT * FROM M3"), ErroBanco);
}

}  // namespace
