#include "support/app/TesteComContexto.h"

#include "app/esquema/EsquemaCentral.h"

namespace rh::teste {

std::shared_ptr<const db::Catalogo> TesteComContexto::catalogo() { return app::catalogoCentral(); }

void TesteComContexto::SetUp() {
    TesteComBanco::SetUp();
    if (IsSkipped()) return;
    m_config = app::Configuracao::padrao();
    m_config.banco = banco().configuracao();
    configurar(m_config);
    m_dm = std::make_unique<app::TDM>(m_config, catalogo());
    m_contexto = std::make_unique<app::ContextoJanela>(
        app::ContextoJanela{*m_dm, m_sessao, dialogos, executor, m_config, m_campoNome});
}

void TesteComContexto::TearDown() {
    m_contexto.reset();
    m_dm.reset();
    TesteComBanco::TearDown();
}

}  // namespace rh::teste
