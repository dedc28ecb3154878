#include "platform/relatorio/Item.h"

#include "platform/relatorio/Unidades.h"

namespace rh::relatorio {

Item::Item(const QRectF& retanguloMm) : m_retangulo(retanguloMm) {}

Item::~Item() = default;

QString Item::textoAtual(const Linha&) const { return {}; }

QRectF Item::retanguloReferencia(const ContextoItem& contexto) const {
    QRectF r(Unidades::referenciaDeMm(m_retangulo.x()), Unidades::referenciaDeMm(m_retangulo.y()),
             Unidades::referenciaDeMm(m_retangulo.width()),
             Unidades::referenciaDeMm(m_retangulo.height()));
    if (m_acompanhaBanda) r.setHeight(r.height() + contexto.crescimentoBanda);
    return r;
}

}  // namespace rh::relatorio
