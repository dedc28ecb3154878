#include "platform/relatorio/ItemCampo.h"

#include "platform/texto/FormatoExibicao.h"
#include "platform/relatorio/Linha.h"

namespace rh::relatorio {

ItemCampo::ItemCampo(const QRectF& retanguloMm, const QString& campo)
    : ItemTexto(retanguloMm), m_campo(campo) {}

QString ItemCampo::textoAtual(const Linha& linha) const {
    return comPrefixoESufixo(texto::FormatoExibicao::formatar(linha.valor(m_campo), formato()));
}

}  // namespace rh::relatorio
