#include "platform/relatorio/Linha.h"

#include "platform/relatorio/FonteDados.h"

namespace rh::relatorio {

Linha Linha::capturar(const FonteDados& fonte) {
    Linha linha;
    const QStringList campos = fonte.campos();
    linha.m_valores.reserve(campos.size());
    for (const QString& campo : campos) {
        linha.m_valores.insert(campo.toUpper(), fonte.valor(campo));
    }
    return linha;
}

Linha Linha::vazia(const QStringList& campos) {
    Linha linha;
    for (const QString& campo : campos) {
        linha.m_valores.insert(campo.toUpper(), QVariant());
    }
    return linha;
}

}  // namespace rh::relatorio
