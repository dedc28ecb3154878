#include "platform/relatorio/Unidades.h"

#include <QImage>

namespace rh::relatorio {

QPaintDevice& Unidades::dispositivoReferencia() {
    // Lives for the whole run: laid-out rich-text documents keep a pointer to it.
    static QImage dispositivo = [] {
        QImage imagem(1, 1, QImage::Format_ARGB32);
        const int pontosPorMetro = qRound(kDpiReferencia / 0.0254);
        imagem.setDotsPerMeterX(pontosPorMetro);
        imagem.setDotsPerMeterY(pontosPorMetro);
        return imagem;
    }();
    return dispositivo;
}

}  // namespace rh::relatorio
