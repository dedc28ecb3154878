#pragma once

#include "app/esquema/RegistroEsquemas.h"

namespace rh::reports {

// The pensioners' table RECH_PENSIONISTAS (persons receiving a pension
// founded by a servant), which the report filter lists when the category
// "PENSIONISTA" is chosen. The module is named "pensionistas" so that the
// pensioners' registry window can take it over with the same migrations.
inline constexpr const char* kModuloPensionistas = "pensionistas";

db::DefTabela tabelaPensionistas();
void registrarCatalogoPensionistas(db::Catalogo& catalogo);
std::vector<db::Migracao> migracoesPensionistas();
app::ModuloEsquema moduloPensionistas();

}  // namespace rh::reports
