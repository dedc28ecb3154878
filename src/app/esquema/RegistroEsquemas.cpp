#include "app/esquema/RegistroEsquemas.h"

#include "platform/db/Conexao.h"

namespace rh::app {

RegistroEsquemas& RegistroEsquemas::adicionar(ModuloEsquema modulo) {
    for (auto& m : m_modulos) {
        if (m.nome == modulo.nome) {
            m = std::move(modulo);
            return *this;
        }
    }
    m_modulos.push_back(std::move(modulo));
    return *this;
}

std::shared_ptr<const db::Catalogo> RegistroEsquemas::catalogo() const {
    auto c = std::make_shared<db::Catalogo>();
    for (const auto& m : m_modulos)
        if (m.catalogar) m.catalogar(*c);
    return c;
}

int RegistroEsquemas::aplicarMigracoes(db::Conexao& conexao) const {
    db::Migrador migrador(conexao);
    for (const auto& m : m_modulos) {
        if (!m.migracoes) continue;
        for (auto& passo : m.migracoes()) migrador.adicionar(std::move(passo));
    }
    return migrador.aplicarPendentes();
}

void RegistroEsquemas::registrarFuncoesLocais(db::Conexao& conexao) const {
    for (const auto& m : m_modulos)
        if (m.registrarFuncoesLocais) m.registrarFuncoesLocais(conexao);
}

}  // namespace rh::app
