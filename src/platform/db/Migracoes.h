#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "platform/db/Esquema.h"

namespace rh::db {

class Conexao;

// One versioned step of a module's schema. Steps of a module run in version
// order, each in its own transaction, and are recorded in RECH_MIGRACOES, so
// running the migrations again applies only what is missing.
struct Migracao {
    QString modulo;
    int versao = 0;
    QString descricao;
    std::function<void(Conexao&)> aplicar;
};

class Migrador {
public:
    explicit Migrador(Conexao& conexao) : m_conexao(conexao) {}

    void adicionar(Migracao migracao);
    // Applies the pending steps; returns how many were applied. A failing
    // step is rolled back and its ErroBanco propagates; earlier steps stay.
    int aplicarPendentes();
    // Highest version applied for a module (0 when none).
    int versaoAplicada(const QString& modulo);

private:
    void garantirTabelaDeControle();

    Conexao& m_conexao;
    std::vector<Migracao> m_migracoes;
    bool m_controleVerificado = false;
};

// DDL for the declarations of Esquema.h, in the connection's dialect.
void criarTabela(Conexao& conexao, const DefTabela& tabela);
void criarVisao(Conexao& conexao, const DefVisao& visao);  // replaces an existing one

}  // namespace rh::db
