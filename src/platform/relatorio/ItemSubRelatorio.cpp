#include "platform/relatorio/ItemSubRelatorio.h"

#include "platform/relatorio/Relatorio.h"

namespace rh::relatorio {

ItemSubRelatorio::ItemSubRelatorio(const QRectF& retanguloMm, Fonte fonte)
    : Item(retanguloMm), m_relatorio(std::make_unique<Relatorio>()), m_fonte(std::move(fonte)) {}

ItemSubRelatorio::~ItemSubRelatorio() = default;

double ItemSubRelatorio::gerar(const ContextoItem&, const QString&, std::vector<Primitiva>&) const {
    return 0;  // the generator prints the sub-report's bands after the holding band
}

}  // namespace rh::relatorio
