#include "platform/relatorio/ItemCodigoBarras.h"

#include "platform/relatorio/CodigoBarras39.h"
#include "platform/texto/FormatoExibicao.h"
#include "platform/relatorio/Linha.h"
#include "platform/relatorio/Unidades.h"

namespace rh::relatorio {

ItemCodigoBarras::ItemCodigoBarras(const QRectF& retanguloMm, const QString& campo)
    : Item(retanguloMm), m_campo(campo) {}

QString ItemCodigoBarras::textoAtual(const Linha& linha) const {
    return m_campo.isEmpty() ? m_texto : texto::FormatoExibicao::formatar(linha.valor(m_campo));
}

QStringList ItemCodigoBarras::camposUsados() const {
    return m_campo.isEmpty() ? QStringList{} : QStringList{m_campo};
}

double ItemCodigoBarras::gerar(const ContextoItem& contexto, const QString& texto,
                               std::vector<Primitiva>& saida) const {
    if (texto.isEmpty()) return 0;  // nothing to encode on this row (a blank form)
    const QRectF r = retanguloReferencia(contexto);
    const CodigoBarras39::Resultado codigo = CodigoBarras39::codificar(
        texto, Unidades::referenciaDeMm(m_larguraEstreita), m_razaoLarga);
    if (!codigo.erro.isEmpty()) {
        contexto.avisos << QStringLiteral("Código de barras \"%1\" não impresso: %2")
                               .arg(texto, codigo.erro);
        return 0;
    }
    double x = r.left();
    if (m_alinhamento == Alinhamento::Centro) x += (r.width() - codigo.larguraTotal) / 2;
    if (m_alinhamento == Alinhamento::Direita) x += r.width() - codigo.larguraTotal;
    const double altura = m_altura > 0 ? Unidades::referenciaDeMm(m_altura) : r.height();
    PrimitivaBarras p;
    p.cor = Qt::black;
    for (const CodigoBarras39::Barra& barra : codigo.barras) {
        p.barras << QRectF(x + barra.inicio, r.top(), barra.largura, altura);
    }
    saida.emplace_back(std::move(p));
    return 0;
}

}  // namespace rh::relatorio
