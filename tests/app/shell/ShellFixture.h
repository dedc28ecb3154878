#pragma once

#include <memory>

#include "app/esquema/EsquemaCentral.h"
#include "app/login/ServicoLogin.h"
#include "platform/ui/ExecutorJanelas.h"
#include "support/BancoDeTeste.h"
#include "support/DialogosRoteirizados.h"

namespace rh::teste {

// Two campuses, one application "cadastro-rh" at version "2" and one user
// per profile; every user's password is "senha1" (the unknown profile's is
// "Senha1x").
class ShellFixture : public TesteComBanco {
protected:
    std::shared_ptr<const db::Catalogo> catalogo() override { return app::catalogoCentral(); }
    void prepararEsquema(db::Conexao& c) override;

    // Matriculations by profile.
    static constexpr int kAdmin = 1001, kUsuario = 1002, kConsulta = 1003, kOutro = 1004, kSemAutorizacao = 1005;
    static constexpr int kAplicacao = 7;

    int auditorias() { return conexao().valor("SELECT COUNT(*) FROM VORK_AUDITUSOS").toInt(); }

    DialogosRoteirizados dialogos;
    ui::ExecutorJanelas executor;
};

}  // namespace rh::teste
