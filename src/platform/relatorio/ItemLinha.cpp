#include "platform/relatorio/ItemLinha.h"

#include "platform/relatorio/Unidades.h"

namespace rh::relatorio {

ItemLinha::ItemLinha(const QRectF& retanguloMm, OrientacaoLinha orientacao, double espessuraMm)
    : Item(retanguloMm), m_orientacao(orientacao), m_espessura(espessuraMm) {}

double ItemLinha::gerar(const ContextoItem& contexto, const QString&,
                        std::vector<Primitiva>& saida) const {
    const QRectF r = retanguloReferencia(contexto);
    PrimitivaLinha p;
    if (m_orientacao == OrientacaoLinha::Horizontal) {
        const double y = r.center().y();
        p.linha = QLineF(r.left(), y, r.right(), y);
    } else {
        const double x = r.center().x();
        p.linha = QLineF(x, r.top(), x, r.bottom());
    }
    p.espessura = Unidades::referenciaDeMm(m_espessura);
    p.cor = m_cor;
    saida.emplace_back(p);
    return 0;
}

}  // namespace rh::relatorio
