#include "platform/relatorio/ItemAgregado.h"

#include "platform/texto/FormatoExibicao.h"
#include "platform/relatorio/Linha.h"

namespace rh::relatorio {

ItemAgregado::ItemAgregado(const QRectF& retanguloMm, TipoAgregado tipo, const QString& campo)
    : ItemTexto(retanguloMm), m_tipo(tipo), m_campo(campo) {}

QVariant ItemAgregado::valor() const {
    if (m_tipo == TipoAgregado::Contagem) return m_contagem;
    if (m_somaFracionaria) return m_soma;
    return m_somaInteira;
}

void ItemAgregado::acumular(const Linha& linha) {
    ++m_contagem;
    if (m_tipo != TipoAgregado::Soma) return;
    const QVariant v = linha.valor(m_campo);
    if (!v.isValid() || v.isNull()) return;
    const int tipo = v.typeId();
    const bool inteiro = tipo == QMetaType::Int || tipo == QMetaType::LongLong ||
                         tipo == QMetaType::UInt || tipo == QMetaType::ULongLong ||
                         tipo == QMetaType::Short || tipo == QMetaType::UShort;
    bool ok = true;
    const double numero = v.toDouble(&ok);
    if (!ok) return;
    m_soma += numero;
    if (inteiro) {
        m_somaInteira += v.toLongLong();
    } else {
        m_somaFracionaria = true;
    }
}

void ItemAgregado::zerar() {
    m_contagem = 0;
    m_somaInteira = 0;
    m_soma = 0;
    m_somaFracionaria = false;
}

QString ItemAgregado::textoAtual(const Linha&) const {
    return comPrefixoESufixo(texto::FormatoExibicao::formatar(valor(), formato()));
}

QStringList ItemAgregado::camposUsados() const {
    return m_tipo == TipoAgregado::Soma ? QStringList{m_campo} : QStringList{};
}

}  // namespace rh::relatorio
