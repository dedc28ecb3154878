#pragma once

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "platform/db/Conexao.h"

namespace rh::teste {

enum class Backend { Sqlite, Postgres };

// The backend of this run: RH_TEST_BACKEND=sqlite (default) or postgres.
Backend backendDoTeste();
// PostgreSQL tests need RH_TEST_PG with libpq-style "key=value" settings
// (host, port, user, password) of a server where databases may be created.
bool postgresDisponivel();

// A throwaway database for one test: a SQLite file in a temporary folder, or
// a fresh UTF-8 database on the test server, dropped at the end.
class BancoTemporario {
public:
    explicit BancoTemporario(std::shared_ptr<const db::Catalogo> catalogo = {});
    ~BancoTemporario();

    const db::ConfiguracaoConexao& configuracao() const { return m_configuracao; }
    std::shared_ptr<const db::Catalogo> catalogo() const { return m_catalogo; }
    // A new open connection to the same database.
    std::unique_ptr<db::Conexao> conectar() const;

private:
    std::shared_ptr<const db::Catalogo> m_catalogo;
    db::ConfiguracaoConexao m_configuracao;
    db::ConfiguracaoConexao m_servidor;  // maintenance connection (PostgreSQL)
    QTemporaryDir m_pasta;
};

// Base fixture of database tests: skips on PostgreSQL without a server and
// gives each test its own database and open connection. A subclass that
// needs a schema overrides catalogo() and prepararEsquema().
class TesteComBanco : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    virtual std::shared_ptr<const db::Catalogo> catalogo() { return std::make_shared<db::Catalogo>(); }
    virtual void prepararEsquema(db::Conexao&) {}

    db::Conexao& conexao() { return *m_conexao; }
    BancoTemporario& banco() { return *m_banco; }
    bool ehPostgres() const { return backendDoTeste() == Backend::Postgres; }

private:
    std::unique_ptr<BancoTemporario> m_banco;
    std::unique_ptr<db::Conexao> m_conexao;
};

}  // namespace rh::teste
