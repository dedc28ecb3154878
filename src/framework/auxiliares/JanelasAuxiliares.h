#pragma once

namespace rh::app {
class RegistroJanelas;
}

namespace rh::framework {

// Registers the windows of the auxiliary registries (positions, leaves,
// process types, health plans, institutions, backgrounds, schooling levels,
// specialisations) by their class names.
void registrarJanelasAuxiliares(app::RegistroJanelas& registro);

}  // namespace rh::framework
