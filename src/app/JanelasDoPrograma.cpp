#include "app/JanelasDoPrograma.h"

#include "app/esquema/EsquemaCentral.h"
#include "framework/auxiliares/JanelasAuxiliares.h"
#include "reports/base/EsquemaPensionistas.h"
#include "reports/cadastro/JanelasRelatorios.h"
#include "servants/carteira/JanelasServidores.h"

namespace rh::app {

void registrarJanelasDoPrograma(RegistroJanelas& registro) {
    framework::registrarJanelasAuxiliares(registro);
    servants::registrarJanelasServidores(registro);
    reports::registrarJanelasRelatorios(registro);
}

const RegistroEsquemas& esquemasDoPrograma() {
    // The core first: the other modules refer to its tables.
    static const RegistroEsquemas registro = [] {
        RegistroEsquemas r;
        r.adicionar(moduloCentral());
        r.adicionar(reports::moduloPensionistas());
        return r;
    }();
    return registro;
}

}  // namespace rh::app
