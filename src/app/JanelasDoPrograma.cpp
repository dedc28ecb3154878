#include "app/JanelasDoPrograma.h"

namespace rh::app {

void registrarJanelasDoPrograma(RegistroJanelas& registro) {
    // The registry, report and assignment windows register themselves here
    // as their subsystems are added to the program.
    (void)registro;
}

}  // namespace rh::app
