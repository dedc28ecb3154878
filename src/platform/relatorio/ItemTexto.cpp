#include "platform/relatorio/ItemTexto.h"

#include "platform/relatorio/Fontes.h"
#include "platform/relatorio/MedidorTexto.h"

#include <algorithm>

namespace rh::relatorio {

ItemTexto::ItemTexto(const QRectF& retanguloMm, const QString& texto)
    : Item(retanguloMm), m_texto(texto) {}

QString ItemTexto::comPrefixoESufixo(const QString& valor) const {
    return valor.isEmpty() ? valor : m_prefixo + valor + m_sufixo;
}

QString ItemTexto::textoAtual(const Linha&) const { return comPrefixoESufixo(m_texto); }

PrimitivaTexto ItemTexto::montar(const ContextoItem& contexto, const QString& texto,
                                 double& crescimento) const {
    PrimitivaTexto p;
    p.retangulo = retanguloReferencia(contexto);
    p.fonte = Fontes::fonteReferencia(m_estilo);
    p.cor = m_estilo.cor;
    p.girado90 = m_estilo.rotacao == Rotacao::Graus90;
    p.maiusculas = m_estilo.maiusculas;
    switch (m_estilo.alinhamento) {
        case Alinhamento::Centro:
            p.alinhamento = Qt::AlignHCenter;
            break;
        case Alinhamento::Direita:
            p.alinhamento = Qt::AlignRight;
            break;
        default:
            p.alinhamento = Qt::AlignLeft;
            break;
    }
    p.alturaLinha = MedidorTexto::alturaLinha(p.fonte);
    const double larguraLinha = p.girado90 ? p.retangulo.height() : p.retangulo.width();
    const double alturaDisponivel = p.girado90 ? p.retangulo.width() : p.retangulo.height();
    const QString final = m_estilo.maiusculas ? texto.toUpper() : texto;
    const LinhasTexto quebra = MedidorTexto::quebrar(final, p.fonte, larguraLinha, m_estilo.quebraLinha);
    p.linhas = quebra.linhas;
    for (int i = 0; i < quebra.linhas.size(); ++i) {
        p.justificar << (m_estilo.alinhamento == Alinhamento::Justificado && !quebra.fimParagrafo.at(i));
    }
    crescimento = 0;
    double alturaTexto = p.linhas.size() * p.alturaLinha;
    if (m_estilo.estica && contexto.podeEsticar && !p.girado90 && alturaTexto > alturaDisponivel) {
        crescimento = alturaTexto - alturaDisponivel;
        p.retangulo.setHeight(alturaTexto);
    } else if (alturaTexto > alturaDisponivel + 0.5) {
        // A fixed box shows the lines that fit, and always the first one.
        const int cabem = std::max(1, static_cast<int>((alturaDisponivel + 0.5) / p.alturaLinha));
        while (p.linhas.size() > cabem) {
            p.linhas.removeLast();
            p.justificar.removeLast();
        }
        alturaTexto = p.linhas.size() * p.alturaLinha;
    }
    const double folga = std::max(0.0, (p.girado90 ? p.retangulo.width() : p.retangulo.height()) - alturaTexto);
    switch (m_estilo.alinhamentoVertical) {
        case AlinhamentoVertical::Centro:
            p.topoTexto = folga / 2;
            break;
        case AlinhamentoVertical::Base:
            p.topoTexto = folga;
            break;
        case AlinhamentoVertical::Topo:
            p.topoTexto = 0;
            break;
    }
    return p;
}

double ItemTexto::gerar(const ContextoItem& contexto, const QString& texto,
                        std::vector<Primitiva>& saida) const {
    double crescimento = 0;
    PrimitivaTexto p = montar(contexto, texto, crescimento);
    saida.emplace_back(std::move(p));
    return crescimento;
}

}  // namespace rh::relatorio
