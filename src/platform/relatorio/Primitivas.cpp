#include "platform/relatorio/Primitivas.h"

#include <QTextDocument>

namespace rh::relatorio {

void deslocar(Primitiva& primitiva, const QPointF& d) {
    std::visit(
        [&d](auto& p) {
            using T = std::decay_t<decltype(p)>;
            if constexpr (std::is_same_v<T, PrimitivaLinha>) {
                p.linha.translate(d);
            } else if constexpr (std::is_same_v<T, PrimitivaBarras>) {
                for (QRectF& barra : p.barras) barra.translate(d);
            } else {
                p.retangulo.translate(d);
            }
        },
        primitiva);
}

}  // namespace rh::relatorio
