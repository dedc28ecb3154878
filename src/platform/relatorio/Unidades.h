#pragma once

class QPaintDevice;

namespace rh::relatorio {

// Units of the report engine. Report designs are written in millimetres (or in
// screen pixels of 1/96 inch, converted here); generated pages are kept in
// "reference units" of 1/1200 inch, the resolution at which text is measured,
// so that preview, printer and PDF all show the same line breaks.
struct Unidades {
    static constexpr double kDpiReferencia = 1200.0;
    static constexpr double kMmPorPolegada = 25.4;

    static constexpr double referenciaDeMm(double mm) { return mm * kDpiReferencia / kMmPorPolegada; }
    static constexpr double mmDeReferencia(double r) { return r * kMmPorPolegada / kDpiReferencia; }
    static constexpr double referenciaDePontos(double pt) { return pt * kDpiReferencia / 72.0; }
    static constexpr double mmDePixels96(double px) { return px * kMmPorPolegada / 96.0; }
    static constexpr double pixels96DeMm(double mm) { return mm * 96.0 / kMmPorPolegada; }

    // A paint device of the reference resolution; rich text is laid out on it.
    static QPaintDevice& dispositivoReferencia();
};

}  // namespace rh::relatorio
