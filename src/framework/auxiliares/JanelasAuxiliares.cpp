#include "framework/auxiliares/JanelasAuxiliares.h"

#include "app/principal/RegistroJanelas.h"
#include "framework/auxiliares/TFcadTiposProcesso.h"
#include "framework/auxiliares/TFormCadCargos.h"
#include "framework/auxiliares/TFormCadEscolaridades.h"
#include "framework/auxiliares/TFormCadEspecializacoes.h"
#include "framework/auxiliares/TFormCadFormacoes.h"
#include "framework/auxiliares/TFormCadInstituicoesEnsino.h"
#include "framework/auxiliares/TFormCadLicencas.h"
#include "framework/auxiliares/TFormCadPlanosSaude.h"

namespace rh::framework {

namespace {
template <class Janela>
void registrar(app::RegistroJanelas& registro, const char* classe) {
    registro.registrar(QString::fromLatin1(classe),
                       [](app::ContextoJanela& c) { return new Janela(c); });
}
}  // namespace

void registrarJanelasAuxiliares(app::RegistroJanelas& registro) {
    registrar<TFormCadCargos>(registro, "TFormCadCargos");
    registrar<TFormCadLicencas>(registro, "TFormCadLicencas");
    registrar<TFcadTiposProcesso>(registro, "TFcadTiposProcesso");
    registrar<TFormCadPlanosSaude>(registro, "TFormCadPlanosSaude");
    registrar<TFormCadInstituicoesEnsino>(registro, "TFormCadInstituicoesEnsino");
    registrar<TFormCadFormacoes>(registro, "TFormCadFormacoes");
    registrar<TFormCadEscolaridades>(registro, "TFormCadEscolaridades");
    registrar<TFormCadEspecializacoes>(registro, "TFormCadEspecializacoes");
}

}  // namespace rh::framework
