#include "platform/relatorio/ItemImagem.h"

namespace rh::relatorio {

ItemImagem::ItemImagem(const QRectF& retanguloMm, const QImage& imagem)
    : Item(retanguloMm), m_imagem(imagem) {}

double ItemImagem::gerar(const ContextoItem& contexto, const QString&,
                         std::vector<Primitiva>& saida) const {
    if (m_imagem.isNull()) return 0;
    QRectF r = retanguloReferencia(contexto);
    if (m_ajuste == AjusteImagem::Proporcional) {
        const QSizeF ajustado = QSizeF(m_imagem.size()).scaled(r.size(), Qt::KeepAspectRatio);
        r.setSize(ajustado);
    }
    saida.emplace_back(PrimitivaImagem{r, m_imagem});
    return 0;
}

}  // namespace rh::relatorio
