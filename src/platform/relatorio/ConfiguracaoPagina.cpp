#include "platform/relatorio/ConfiguracaoPagina.h"

namespace rh::relatorio {

void ConfiguracaoPagina::setTamanhoPersonalizado(const QSizeF& mm) {
    m_tamanho = TamanhoPapel::Personalizado;
    m_personalizado = mm;
}

QPageSize ConfiguracaoPagina::tamanhoPagina() const {
    switch (m_tamanho) {
        case TamanhoPapel::A4:
            return QPageSize(QPageSize::A4);
        case TamanhoPapel::Carta:
            return QPageSize(QPageSize::Letter);
        case TamanhoPapel::Oficio:
            return QPageSize(QPageSize::Legal);
        case TamanhoPapel::JisB5:
            return QPageSize(QPageSize::JisB5);
        case TamanhoPapel::Personalizado:
            break;
    }
    return QPageSize(m_personalizado, QPageSize::Millimeter, QStringLiteral("Personalizado"),
                     QPageSize::ExactMatch);
}

QSizeF ConfiguracaoPagina::tamanhoMm() const {
    const QSizeF retrato = tamanhoPagina().size(QPageSize::Millimeter);
    return m_orientacao == Orientacao::Paisagem ? retrato.transposed() : retrato;
}

QPageLayout ConfiguracaoPagina::layoutPagina() const {
    return QPageLayout(tamanhoPagina(),
                       m_orientacao == Orientacao::Paisagem ? QPageLayout::Landscape
                                                            : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

QString ConfiguracaoPagina::problema() const {
    if (m_tamanho == TamanhoPapel::Personalizado &&
        (m_personalizado.width() <= 0 || m_personalizado.height() <= 0)) {
        return QStringLiteral("O tamanho do papel (%1 × %2 mm) é inválido.")
            .arg(m_personalizado.width())
            .arg(m_personalizado.height());
    }
    if (m_margens.esquerda < 0 || m_margens.direita < 0 || m_margens.superior < 0 ||
        m_margens.inferior < 0) {
        return QStringLiteral("As margens da página não podem ser negativas.");
    }
    if (larguraUtilMm() <= 0 || alturaUtilMm() <= 0) {
        return QStringLiteral("As margens não deixam espaço para imprimir na página.");
    }
    return {};
}

}  // namespace rh::relatorio
