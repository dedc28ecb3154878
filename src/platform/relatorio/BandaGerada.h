#pragma once

#include "platform/relatorio/Banda.h"
#include "platform/relatorio/Linha.h"
#include "platform/relatorio/Primitivas.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace rh::relatorio {

// One print of a band, laid out but not yet placed on a page: its primitives
// are relative to the band's top-left corner. A marker (no drawing) opens a
// group and carries the group's page rules to the paginator.
struct BandaGerada {
    TipoBanda tipo = TipoBanda::Detalhe;
    double x = 0;       // reference units from the paper's left edge
    double altura = 0;  // reference units
    std::vector<Primitiva> primitivas;
    std::shared_ptr<const Linha> linha;
    bool emColunas = false;         // a detail placed into the report's columns
    bool manterComProxima = false;  // a group header is never left alone at a page's foot

    bool marcador = false;
    bool novaPagina = false;
    bool reiniciaNumeracao = false;
    bool manterJunto = false;
    std::size_t fimBloco = 0;  // index of the group's last band
};

}  // namespace rh::relatorio
