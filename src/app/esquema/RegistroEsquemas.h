#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "platform/db/Esquema.h"
#include "platform/db/Migracoes.h"

namespace rh::db {
class Conexao;
}

namespace rh::app {

// What one subsystem contributes to the database: the relations it declares
// in the catalogue, its versioned migrations, and the functions that the
// embedded database needs registered on every connection.
struct ModuloEsquema {
    QString nome;
    std::function<void(db::Catalogo&)> catalogar;
    std::function<std::vector<db::Migracao>()> migracoes;
    std::function<void(db::Conexao&)> registrarFuncoesLocais;  // may be empty
};

// The modules of one run, in the order their migrations must be applied
// (the core first: the others refer to its tables). The executable builds
// one registry with every subsystem it links; tests build one with the
// modules they need.
class RegistroEsquemas {
public:
    RegistroEsquemas& adicionar(ModuloEsquema modulo);  // replaces a module of the same name
    const std::vector<ModuloEsquema>& modulos() const { return m_modulos; }

    // A catalogue with the relations of every module.
    std::shared_ptr<const db::Catalogo> catalogo() const;
    // Applies the pending migrations of every module; returns how many ran.
    int aplicarMigracoes(db::Conexao& conexao) const;
    // Registers the local functions of every module on this connection
    // (nothing happens on a server that keeps its own functions).
    void registrarFuncoesLocais(db::Conexao& conexao) const;

private:
    std::vector<ModuloEsquema> m_modulos;
};

}  // namespace rh::app
