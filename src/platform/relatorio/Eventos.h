#pragma once

#include "platform/relatorio/Linha.h"

#include <QString>

namespace rh::relatorio {

class Banda;
class Item;

// Handed to a band's handler before the band prints. The handler may change the
// band and its items (they keep the change, as designed components do) or skip
// this one print.
struct EventoBanda {
    Banda& banda;
    const Linha& linha;  // the row the band prints
    bool imprimir;
};

// Handed to an item's handler before the item prints: `texto` is what it is
// about to print (field value already formatted); the handler may replace it,
// skip this print, or move or restyle the item itself.
struct EventoItem {
    Item& item;
    const Linha& linha;
    QString texto;
    bool imprimir;
};

}  // namespace rh::relatorio
