#pragma once

#include "app/esquema/RegistroEsquemas.h"
#include "app/principal/RegistroJanelas.h"

namespace rh::app {

// Registers every screen of the program for the main menu. Each subsystem
// adds its windows here as they are built; a menu item without a window
// stays visible and disabled.
void registrarJanelasDoPrograma(RegistroJanelas& registro);

// Every schema module of the program, in the order their migrations run;
// its catalogue types the fields of every connection.
const RegistroEsquemas& esquemasDoPrograma();

}  // namespace rh::app
