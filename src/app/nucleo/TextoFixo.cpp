#include "app/nucleo/TextoFixo.h"

namespace rh::app {

QString AdicionaEspacos(const QString& texto, int largura) {
    if (largura <= 0) return {};
    if (texto.size() >= largura) return texto.left(largura);
    const QString base = texto.trimmed().isEmpty() ? QString() : texto;
    return base.leftJustified(largura, QLatin1Char(' '));
}

}  // namespace rh::app
