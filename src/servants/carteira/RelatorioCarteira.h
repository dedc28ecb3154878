#pragma once

#include <memory>

#include "platform/relatorio/Relatorio.h"

namespace rh::relatorio {
class ItemCodigoBarras;
}

namespace rh::servants {

// The functional identity card report: JIS B5 portrait, four cards a page,
// one card per row of the print query (NUMMATRIC, NOME, DESCRCARGO,
// DTADMISSAO, DTNASC, IDENTIDADE, CPF, TITELEITOR, NOMESITUACAO, DESCRVIA,
// CODBARRA). Positions are millimetres from the card's top-left corner.
class RelatorioCarteira {
public:
    static constexpr double kAlturaCabecalho = 5.556;
    static constexpr double kAlturaCartao = 59.7;
    static constexpr double kAlturaBarras = 11.989;
    static constexpr double kLarguraEstreita = 0.254;
    static constexpr double kRazaoLarga = 3.0;

    RelatorioCarteira();

    relatorio::Relatorio& relatorio() { return m_relatorio; }
    relatorio::ItemCodigoBarras& codigoBarras() { return *m_codigoBarras; }

    // The settings the cards need on every print, whatever a previous print
    // or a handler changed: the card's height and the bar code's size.
    void prepararImpressao();

private:
    relatorio::Relatorio m_relatorio;
    relatorio::ItemCodigoBarras* m_codigoBarras = nullptr;
};

}  // namespace rh::servants
