#include "reports/cadastro/JanelasRelatorios.h"

#include "app/principal/RegistroJanelas.h"
#include "reports/cadastro/TFormRelCadServidores.h"

namespace rh::reports {

void registrarJanelasRelatorios(app::RegistroJanelas& registro) {
    registro.registrar(QStringLiteral("TFormRelCadServidores"),
                       [](app::ContextoJanela& c) { return new TFormRelCadServidores(c); });
}

}  // namespace rh::reports
