#pragma once

#include <QList>

namespace rh::relatorio {

enum class OrdemColunas { AtravesDepoisAbaixo, AbaixoDepoisAtraves };

// Several detail columns side by side (label sheets). Column starts are
// measured from the paper's left edge, as label sheets are specified; without
// them the columns follow each other from the left margin.
struct ColunasDetalhe {
    int quantidade = 1;
    QList<double> inicios;      // mm from the paper's left edge, one per column
    double largura = 0;         // mm; 0 divides the printable width
    double espacamento = 0;     // mm between columns when `inicios` is empty
    double alturaEtiqueta = 0;  // mm from one label to the next below; 0: the band's height
    OrdemColunas ordem = OrdemColunas::AtravesDepoisAbaixo;
};

}  // namespace rh::relatorio
