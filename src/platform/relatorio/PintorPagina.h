#pragma once

class QPainter;

namespace rh::relatorio {

struct Documento;

// The one paint routine of the engine: preview, printer and PDF all paint
// through it. The painter's coordinates must be millimetres from the paper's
// top-left corner (the caller scales by its device's resolution and zoom).
class PintorPagina {
public:
    static void pintar(QPainter& painter, const Documento& documento, int indicePagina);
};

}  // namespace rh::relatorio
