#pragma once

#include <QString>
#include <vector>

#include "platform/db/FuncaoSql.h"

namespace rh::db {
class Conexao;
}

namespace rh::app {

// The database functions of the core schema. On PostgreSQL they are created
// in the database by a migration (criarFuncoesNoServidor); on SQLite the
// description functions are registered on each connection with a local
// implementation over the same code lists, so that both give the same words.
//
//   VORK_FuncEstadoCivil(code)        marital-status code -> description
//   VORK_FuncCategoriaServidor(code)  servant category    -> description
//   VORK_FuncSituaServidor(code)      situation code      -> description from RECH_SITUACAOSERVIDORES
//   ACCS_PROCNOVAVIA(type, categ, matriculation)
//                                     records a new copy of the servant's identity card
//                                     (VORK_USUARIOS.VIAATUAL + 1); PostgreSQL only, see chamarNovaVia

// The functions that need nothing but their argument: the core catalogue
// carries them, so every connection opened with it has them.
std::vector<db::FuncaoSql> funcoesDescritivas();

// Registers on an SQLite connection the function that reads the database
// (VORK_FuncSituaServidor); does nothing on other backends (their functions
// live in the database). Registering twice is harmless.
void registrarFuncoesCentrais(db::Conexao& conexao);

// Migration step: creates the functions on a server backend; nothing on SQLite.
void criarFuncoesNoServidor(db::Conexao& conexao);

// Records a new copy ("via") of a servant's identity card: the only operation
// type is "I", the person category is "S" for servants. Increments VIAATUAL of
// the one person with that category and matriculation and returns the new
// copy number. On PostgreSQL it calls the database function ACCS_PROCNOVAVIA;
// on SQLite, which has no stored procedures, it runs the same checks and the
// same UPDATE here. Throws db::ErroBanco for another operation type, when no
// such person exists or when the matriculation is not unique (nothing is
// changed then). Runs inside the connection's transaction when one is open,
// else in its own.
int chamarNovaVia(db::Conexao& conexao, const QString& tipoOperacao, const QString& categoria, qlonglong matricula);

}  // namespace rh::app
