#pragma once

#include <QString>
#include <QVector>

namespace rh::relatorio {

// Code 39 through libzint: no check digit, no human-readable text. zint gives
// the pattern of narrow and wide elements; the widths are ours, so the narrow
// bar and the wide-to-narrow ratio can be set.
class CodigoBarras39 {
public:
    struct Barra {
        double inicio;   // from the symbol's left edge
        double largura;  // same unit as the narrow width given
    };
    struct Resultado {
        QVector<Barra> barras;
        double larguraTotal = 0;
        QString erro;  // empty when encoded
    };

    static Resultado codificar(const QString& texto, double larguraEstreita, double razaoLarga);
};

}  // namespace rh::relatorio
