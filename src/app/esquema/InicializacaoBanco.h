#pragma once

#include <QString>
#include <optional>

#include "app/esquema/RegistroEsquemas.h"

namespace rh::db {
class Conexao;
}

namespace rh::app {

// What inicializarBanco did, for the log line of "--init-db".
struct ResultadoInicializacao {
    int migracoesAplicadas = 0;
    int servidoresCriados = 0;        // demo servants written (0 when none)
    bool demoDispensada = false;      // a demo was asked for but the database already had servants
    QString resumo() const;
};

// Creates or upgrades the schema (safe to run on every start) and, when a
// demo size is given and the database has no servants yet, fills it with
// that many demo servants (preencherDemo). A database that already holds
// servants is never filled again.
ResultadoInicializacao inicializarBanco(db::Conexao& conexao, const RegistroEsquemas& registro,
                                        std::optional<int> demo);
// The same with the core schema only.
ResultadoInicializacao inicializarBanco(db::Conexao& conexao, std::optional<int> demo);

}  // namespace rh::app
