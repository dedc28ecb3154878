#include "app/JanelasDoPrograma.h"

#include "framework/auxiliares/JanelasAuxiliares.h"
#include "reports/cadastro/JanelasRelatorios.h"
#include "servants/carteira/JanelasServidores.h"

namespace rh::app {

void registrarJanelasDoPrograma(RegistroJanelas& registro) {
    // The registry, report and assignment windows register themselves here
    // as their subsystems are added to the program.
    (void)registro;
    servants::registrarJanelasServidores(registro);
    reports::registrarJanelasRelatorios(registro);
    framework::registrarJanelasAuxiliares(registro);
}

}  // namespace rh::app
