#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/demo/Demo.h"
#include "app/esquema/EsquemaCentral.h"
#include "platform/db/Dataset.h"
#include "support/BancoDeTeste.h"

using namespace rh::db;
using namespace rh::app;

namespace {

// The same demo on SQLite and PostgreSQL gives the same views, value by
// value once each value is read with its field's type. Runs in the
// PostgreSQL pass only (it needs both backends).
class EntreBancosTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (rh::teste::backendDoTeste() != rh::teste::Backend::Postgres || !rh::teste::postgresDisponivel())
            GTEST_SKIP() << "comparação entre bancos só na passada do PostgreSQL com RH_TEST_PG";
        ConfiguracaoConexao sqlite;
        sqlite.driver = "sqlite";
        sqlite.banco = m_pasta.filePath("demo.db");
        m_sqlite = std::make_unique<Conexao>(sqlite, catalogoCentral());
        m_pg = std::make_unique<rh::teste::BancoTemporario>(catalogoCentral());
        m_postgres = m_pg->conectar();
        m_sqlite->abrir();
        for (Conexao* c : {m_sqlite.get(), m_postgres.get()}) {
            registrarFuncoesLocais(*c);
            aplicarMigracoes(*c);
            preencherDemo(*c, 300);
        }
    }

    void comparar(const QString& sql) {
        Dataset a(*m_sqlite), b(*m_postgres);
        a.defineSql(sql);
        b.defineSql(sql);
        a.abrir();
        b.abrir();
        ASSERT_EQ(a.contagem(), b.contagem()) << sql.toStdString();
        ASSERT_GT(a.contagem(), 0);
        ASSERT_EQ(a.quantidadeCampos(), b.quantidadeCampos());
        for (int c = 0; c < a.quantidadeCampos(); ++c) {
            ASSERT_EQ(a.campo(c).nome(), b.campo(c).nome());
            EXPECT_EQ(int(a.campo(c).tipo()), int(b.campo(c).tipo())) << a.campo(c).nome().toStdString();
        }
        int diferencas = 0;
        for (int l = 0; l < a.contagem() && diferencas < 20; ++l) {
            for (int c = 0; c < a.quantidadeCampos(); ++c) {
                const QVariant va = a.valorNaLinha(l, c), vb = b.valorNaLinha(l, c);
                const bool iguais = (va.isNull() && vb.isNull()) ||
                                    (!va.isNull() && !vb.isNull() &&
                                     (a.campo(c).ehNumerico() ? va.toDouble() == vb.toDouble() : va == vb));
                if (!iguais) {
                    ++diferencas;
                    ADD_FAILURE() << sql.toStdString() << " linha " << l << " coluna "
                                  << a.campo(c).nome().toStdString() << ": SQLite \"" << va.toString().toStdString()
                                  << "\" PostgreSQL \"" << vb.toString().toStdString() << "\"";
                }
            }
        }
    }

    QTemporaryDir m_pasta;
    std::unique_ptr<Conexao> m_sqlite;
    std::unique_ptr<rh::teste::BancoTemporario> m_pg;
    std::unique_ptr<Conexao> m_postgres;
};

TEST_F(EntreBancosTest, VisoesIguaisNosDoisBancos) {
    comparar("SELECT * FROM VORK_VW_SERVIDORES ORDER BY CODUSUARIO");
    comparar("SELECT * FROM VORK_VW_SERVIDORES_COM_PENS ORDER BY CODUSUARIO");
    comparar("SELECT * FROM VORK_VW_SETORES ORDER BY CODSETOR");
    comparar("SELECT * FROM RECH_VW_LOTACOES ORDER BY CODLOTACAO");
    comparar("SELECT U.CODUSUARIO, VORK_FuncEstadoCivil(U.ESTADOCIVIL) E, VORK_FuncCategoriaServidor(S.CATEGSERVIDOR) C, "
             "VORK_FuncSituaServidor(S.SITUACAO) S FROM VORK_USUARIOS U JOIN VORK_SERVIDORES S "
             "ON S.CODSERVIDOR = U.CODUSUARIO ORDER BY U.CODUSUARIO");
}

}  // namespace
