#pragma once

#include <QStringList>

namespace rh::relatorio {

class Linha;

// What an item sees while it is generated for one print of its band.
struct ContextoItem {
    const Linha& linha;
    bool podeEsticar;              // the band may grow
    double crescimentoBanda = 0;   // reference units; for items that follow the band's height
    QStringList& avisos;
};

}  // namespace rh::relatorio
