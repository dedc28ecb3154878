#pragma once

#include "app/principal/RegistroJanelas.h"

namespace rh::app {

// Registers every screen of the program for the main menu. Each subsystem
// adds its windows here as they are built; a menu item without a window
// stays visible and disabled.
void registrarJanelasDoPrograma(RegistroJanelas& registro);

}  // namespace rh::app
