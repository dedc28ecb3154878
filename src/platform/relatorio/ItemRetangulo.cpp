#include "platform/relatorio/ItemRetangulo.h"

#include "platform/relatorio/Unidades.h"

namespace rh::relatorio {

ItemRetangulo::ItemRetangulo(const QRectF& retanguloMm, double espessuraMm)
    : Item(retanguloMm), m_espessura(espessuraMm) {}

double ItemRetangulo::gerar(const ContextoItem& contexto, const QString&,
                            std::vector<Primitiva>& saida) const {
    PrimitivaRetangulo p;
    p.retangulo = retanguloReferencia(contexto);
    p.espessura = Unidades::referenciaDeMm(m_espessura);
    p.cor = m_cor;
    p.preenchimento = m_preenchimento;
    saida.emplace_back(p);
    return 0;
}

}  // namespace rh::relatorio
