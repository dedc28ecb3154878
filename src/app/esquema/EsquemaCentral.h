#pragma once

#include <memory>
#include <vector>

#include "app/esquema/RegistroEsquemas.h"
#include "platform/db/Esquema.h"
#include "platform/db/Migracoes.h"

namespace rh::db {
class Conexao;
}

namespace rh::app {

// The shared core schema: units, persons and servants, situations, sectors
// with their assignments and heads, dependents, the reference and auxiliary
// tables the servant records point to, the login and usage-audit tables,
// the one-row DUAL, the servant and sector views and the database functions
// VORK_FuncEstadoCivil, VORK_FuncCategoriaServidor, VORK_FuncSituaServidor
// and ACCS_PROCNOVAVIA.

inline constexpr const char* kModuloCentral = "central";

// Every table and view of the core, with types and sizes.
void registrarCatalogoCentral(db::Catalogo& catalogo);
std::vector<db::DefTabela> tabelasCentrais();
// The views as they are created on a backend ("sqlite", "postgres").
std::vector<db::DefVisao> visoesCentrais();
// The versioned steps of the module "central".
std::vector<db::Migracao> migracoesCentrais();
// The core as a module of the schema registry.
ModuloEsquema moduloCentral();

// A catalogue with the core relations only.
std::shared_ptr<const db::Catalogo> catalogoCentral();
// Applies the pending migrations of the core.
void aplicarMigracoes(db::Conexao& conexao);
// Registers on an embedded (SQLite) connection the core function that needs
// the connection itself (the situation description; the others come with the
// catalogue): call it for every connection the program opens. On PostgreSQL
// the functions live in the database and this does nothing.
void registrarFuncoesLocais(db::Conexao& conexao);

}  // namespace rh::app
