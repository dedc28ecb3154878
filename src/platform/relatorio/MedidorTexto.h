#pragma once

#include "platform/relatorio/EstiloTexto.h"

#include <QFont>
#include <QStringList>
#include <QVector>

namespace rh::relatorio {

// Lines of a text item as they will print: broken once, at generation, so every
// device shows the same lines.
struct LinhasTexto {
    QStringList linhas;
    QVector<bool> fimParagrafo;  // a justified text leaves these lines ragged
};

class MedidorTexto {
public:
    // Breaks text at its own line ends and, with QuebraLinha::Sim, at word
    // boundaries (or anywhere inside a word longer than the width).
    static LinhasTexto quebrar(const QString& texto, const QFont& fonte, double largura,
                               QuebraLinha quebra);
    static double alturaLinha(const QFont& fonte);
    static double ascendente(const QFont& fonte);
    static double largura(const QString& texto, const QFont& fonte);
};

}  // namespace rh::relatorio
