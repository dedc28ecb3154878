#pragma once

namespace rh::app {
class RegistroJanelas;
}

namespace rh::reports {

// The report windows of the "Relatórios" menu, by class name.
void registrarJanelasRelatorios(app::RegistroJanelas& registro);

}  // namespace rh::reports
