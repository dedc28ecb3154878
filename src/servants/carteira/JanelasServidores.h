#pragma once

#include "app/principal/RegistroJanelas.h"

namespace rh::servants {

// Registers the servant registry's windows for the main menu.
void registrarJanelasServidores(app::RegistroJanelas& registro);

}  // namespace rh::servants
