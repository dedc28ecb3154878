#pragma once

#include <QString>

#include "app/configuracao/Configuracao.h"
#include "app/nucleo/ServicoExportacao.h"
#include "app/nucleo/Sessao.h"
#include "app/nucleo/TDM.h"

namespace rh::ui {
class Dialogos;
class ExecutorJanelas;
}

namespace rh::app {

// What every window receives: the data module with its connections, the
// session, the message service, the window runner and the configuration.
// One per run; windows keep a reference, never a copy.
struct ContextoJanela {
    TDM& dm;
    Sessao& sessao;
    ui::Dialogos& dialogos;
    ui::ExecutorJanelas& executor;
    const Configuracao& configuracao;
    // The name column a report window asks the report filter to use; empty
    // unless a report window set it.
    QString& CampoNomeRelatorio;
    // The long-lived export window (set at start-up once it exists).
    ServicoExportacao* exportacao = nullptr;
};

}  // namespace rh::app
