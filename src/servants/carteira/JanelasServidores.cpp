#include "servants/carteira/JanelasServidores.h"

#include "servants/carteira/TFormImpCarteiraServ.h"

namespace rh::servants {

void registrarJanelasServidores(app::RegistroJanelas& registro) {
    registro.registrar(QStringLiteral("TFormImpCarteiraServ"), [](app::ContextoJanela& contexto) {
        return new TFormImpCarteiraServ(contexto);
    });
}

}  // namespace rh::servants
