#pragma once

#include "platform/relatorio/EstiloTexto.h"

#include <QFont>

namespace rh::relatorio {

// Fonts of the reports. The designs name Windows fonts; this maps them to the
// installed metric-compatible families so that texts keep their widths.
class Fontes {
public:
    // Registers the substitutions once per process; the engine calls it before
    // generating any report.
    static void registrarSubstitutos();
    // The font for a style, sized in reference units (1/1200 inch) so that the
    // same font serves measuring and painting on every device.
    static QFont fonteReferencia(const EstiloTexto& estilo);
    // The same font sized in points, for rich text laid out on the reference device.
    static QFont fontePontos(const EstiloTexto& estilo);
};

}  // namespace rh::relatorio
