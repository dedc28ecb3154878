#pragma once

#include <memory>

#include "app/configuracao/Configuracao.h"
#include "app/nucleo/ContextoJanela.h"
#include "app/nucleo/TDM.h"
#include "platform/ui/ExecutorJanelas.h"
#include "support/BancoDeTeste.h"
#include "support/DialogosRoteirizados.h"

namespace rh::teste {

// A database test with the core schema and the window context over it: the
// data module on the test database, the scripted message service and a
// window runner whose modal runs a test can intercept. Windows under test are
// built in the subclass's SetUp after this one and destroyed in its TearDown
// before this one.
class TesteComContexto : public TesteComBanco {
protected:
    std::shared_ptr<const db::Catalogo> catalogo() override;
    void SetUp() override;
    void TearDown() override;
    // Changes the configuration before the data module is created.
    virtual void configurar(app::Configuracao&) {}

    app::ContextoJanela& contexto() { return *m_contexto; }

    DialogosRoteirizados dialogos;
    ui::ExecutorJanelas executor;
    app::Configuracao m_config;
    std::unique_ptr<app::TDM> m_dm;
    app::Sessao m_sessao;
    QString m_campoNome;
    std::unique_ptr<app::ContextoJanela> m_contexto;
};

}  // namespace rh::teste
