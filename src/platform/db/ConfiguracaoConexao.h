#pragma once

#include <QString>

namespace rh::db {

// Where a connection goes. For PostgreSQL an empty host/database/user falls
// back to libpq's own environment (PGHOST, PGDATABASE, PGUSER, PGPASSWORD,
// PGSERVICE and service files); "opcoes" is passed to the driver as is.
struct ConfiguracaoConexao {
    QString driver = QStringLiteral("sqlite");  // "sqlite" or "postgres"
    QString banco;                              // SQLite file, or database name
    QString servidor;
    int porta = 0;
    QString usuario;
    QString senha;
    QString opcoes;

    QString descricao() const;  // names the database for messages, never the password

    // A PostgreSQL connection from libpq-style "host=... port=... user=...
    // password=... dbname=..." text (the test and benchmark servers are given so).
    static ConfiguracaoConexao postgresDePares(const QString& pares);
};

}  // namespace rh::db
