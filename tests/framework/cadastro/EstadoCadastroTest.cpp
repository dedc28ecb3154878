#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "framework/cadastro/EstadoCadastro.h"

using namespace rh;
using framework::AcaoCadastro;
using framework::AcoesCadastro;
using framework::EstadoCadastro;
using Estado = db::EstadoDataset;

namespace {

struct Passo {
    const char* nome;
    std::function<void(EstadoCadastro&)> aplicar;
};

Passo atualiza(bool registros) {
    return {registros ? "AtualizaAcoes(com registros)" : "AtualizaAcoes(vazio)",
            [registros](EstadoCadastro& e) { e.AtualizaAcoes(registros); }};
}
Passo edicao() {
    return {"ModoEdicao", [](EstadoCadastro& e) { e.ModoEdicao(); }};
}
Passo abriu(bool registros) {
    return {registros ? "aposAbrir(com registros)" : "aposAbrir(vazio)",
            [registros](EstadoCadastro& e) { e.aposAbrir(registros); }};
}
Passo estado(Estado s, bool registros) {
    return {"sincronizar", [s, registros](EstadoCadastro& e) { e.sincronizar(s, registros); }};
}
Passo liga(AcaoCadastro a) {
    return {"defineHabilitada", [a](EstadoCadastro& e) { e.defineHabilitada(a, true); }};
}

struct Caso {
    const char* perfil;
    bool imprimivel;
    std::vector<Passo> passos;
    const char* esperado;  // enabled actions after the steps, from the design state
};

TEST(EstadoCadastro, TabelaDePerfilEstadoRegistrosEAcao) {
    const std::vector<Caso> casos = {
        // design state, before the dataset opens
        {"A", false, {}, "Novo Editar Excluir Salvar Cancelar Localizar"},
        {"C", false, {}, "Localizar"},
        // after opening
        {"A", false, {abriu(true)}, "Novo Editar Excluir Salvar Cancelar Localizar Proximo"},
        {"A", false, {abriu(false)}, "Novo Editar Excluir Salvar Cancelar Localizar"},
        {"A",
         true,
         {abriu(true)},
         "Novo Editar Excluir Salvar Cancelar Localizar Proximo Imprimir"},
        {"A", true, {abriu(false)}, "Novo Editar Excluir Salvar Cancelar Localizar"},
        {"C", true, {abriu(true)}, "Localizar Proximo Imprimir"},
        // browse
        {"A", false, {abriu(true), atualiza(true)}, "Novo Editar Excluir Localizar Proximo"},
        {"U", false, {abriu(false), atualiza(false)}, "Novo Localizar Proximo"},
        {"A",
         true,
         {abriu(true), atualiza(true)},
         "Novo Editar Excluir Localizar Proximo Imprimir"},
        {"G", false, {estado(Estado::Navegando, true)}, "Novo Editar Excluir Localizar Proximo"},
        {"A", false, {estado(Estado::Inativo, false)}, "Novo Localizar Proximo"},
        // edit
        {"A", false, {abriu(true), atualiza(true), edicao()}, "Salvar Cancelar"},
        {"A", true, {abriu(true), estado(Estado::Inserindo, true)}, "Salvar Cancelar Imprimir"},
        {"U", false, {estado(Estado::Editando, true)}, "Salvar Cancelar"},
        {"A", false, {edicao(), atualiza(true)}, "Novo Editar Excluir Localizar Proximo"},
        {"A", false, {edicao(), atualiza(false)}, "Novo Localizar Proximo"},
        // read-only: the finds keep what they had, nothing edits
        {"C", false, {atualiza(true)}, "Localizar"},
        {"C", false, {abriu(true), atualiza(true)}, "Localizar Proximo"},
        {"C", false, {abriu(false), atualiza(false)}, "Localizar"},
        {"C", false, {edicao()}, ""},
        {"C", false, {abriu(true), estado(Estado::Editando, true)}, ""},
        {"C", false, {edicao(), atualiza(true)}, ""},
        {"C", false, {liga(AcaoCadastro::Novo), liga(AcaoCadastro::Salvar)}, "Localizar"},
        // printing needs a window that prints
        {"A",
         false,
         {liga(AcaoCadastro::Imprimir)},
         "Novo Editar Excluir Salvar Cancelar Localizar"},
    };
    for (const Caso& caso : casos) {
        EstadoCadastro e(QString::fromLatin1(caso.perfil));
        e.defineImprimivel(caso.imprimivel);
        QString passos;
        for (const Passo& p : caso.passos) {
            p.aplicar(e);
            passos += QString::fromLatin1(p.nome) + " ";
        }
        EXPECT_EQ(EstadoCadastro::descrever(e.habilitadas()).toStdString(), caso.esperado)
            << "perfil " << caso.perfil << (caso.imprimivel ? " imprimível" : "")
            << ", passos: " << passos.toStdString();
    }
}

TEST(EstadoCadastro, AvisaSoQuandoMuda) {
    EstadoCadastro e(QStringLiteral("A"));
    std::vector<AcoesCadastro> avisos;
    QObject::connect(&e, &EstadoCadastro::mudou, [&](AcoesCadastro a) { avisos.push_back(a); });
    e.AtualizaAcoes(true);
    e.AtualizaAcoes(true);
    e.ModoEdicao();
    ASSERT_EQ(avisos.size(), 2u);
    EXPECT_EQ(avisos.back(), AcoesCadastro(AcaoCadastro::Salvar) | AcaoCadastro::Cancelar);
}

}  // namespace
