#include "platform/relatorio/PintorPagina.h"

#include "platform/relatorio/Documento.h"
#include "platform/relatorio/ItemSistema.h"
#include "platform/relatorio/MedidorTexto.h"
#include "platform/relatorio/Unidades.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

namespace rh::relatorio {

namespace {

void pintarLinhaJustificada(QPainter& painter, const QString& linha, const QFont& fonte, double x,
                            double largura, double base) {
    const QStringList palavras = linha.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (palavras.size() < 2) {
        painter.drawText(QPointF(x, base), linha);
        return;
    }
    double ocupado = 0;
    for (const QString& palavra : palavras) ocupado += MedidorTexto::largura(palavra, fonte);
    const double espaco = (largura - ocupado) / (palavras.size() - 1);
    double posicao = x;
    for (const QString& palavra : palavras) {
        painter.drawText(QPointF(posicao, base), palavra);
        posicao += MedidorTexto::largura(palavra, fonte) + espaco;
    }
}

void pintarTexto(QPainter& painter, const PrimitivaTexto& t, const Documento& documento,
                 const Pagina& pagina) {
    QStringList linhas = t.linhas;
    if (t.sistema) {
        const QString valor =
            ItemSistema::resolver(*t.sistema, t.formato, pagina.numero, pagina.total, documento.momento);
        QString texto = valor.isEmpty() ? valor : t.prefixo + valor + t.sufixo;
        if (t.maiusculas) texto = texto.toUpper();
        linhas = QStringList{texto};
    }
    painter.save();
    painter.setFont(t.fonte);
    painter.setPen(t.cor);
    QRectF caixa = t.retangulo;
    if (t.girado90) {
        painter.translate(caixa.left(), caixa.bottom());
        painter.rotate(-90);
        caixa = QRectF(0, 0, t.retangulo.height(), t.retangulo.width());
    }
    const double ascendente = MedidorTexto::ascendente(t.fonte);
    for (int i = 0; i < linhas.size(); ++i) {
        const QString& linha = linhas.at(i);
        if (linha.isEmpty()) continue;
        const double base = caixa.top() + t.topoTexto + i * t.alturaLinha + ascendente;
        if (i < t.justificar.size() && t.justificar.at(i)) {
            pintarLinhaJustificada(painter, linha, t.fonte, caixa.left(), caixa.width(), base);
            continue;
        }
        double x = caixa.left();
        const double largura = MedidorTexto::largura(linha, t.fonte);
        if (t.alinhamento & Qt::AlignHCenter) x += (caixa.width() - largura) / 2;
        if (t.alinhamento & Qt::AlignRight) x += caixa.width() - largura;
        painter.drawText(QPointF(x, base), linha);
    }
    painter.restore();
}

}  // namespace

void PintorPagina::pintar(QPainter& painter, const Documento& documento, int indicePagina) {
    if (indicePagina < 0 || indicePagina >= static_cast<int>(documento.paginas.size())) return;
    const Pagina& pagina = documento.paginas[static_cast<std::size_t>(indicePagina)];
    painter.save();
    const double escala = Unidades::kMmPorPolegada / Unidades::kDpiReferencia;
    painter.scale(escala, escala);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    for (const Primitiva& primitiva : pagina.primitivas) {
        std::visit(
            [&](const auto& p) {
                using T = std::decay_t<decltype(p)>;
                if constexpr (std::is_same_v<T, PrimitivaTexto>) {
                    pintarTexto(painter, p, documento, pagina);
                } else if constexpr (std::is_same_v<T, PrimitivaLinha>) {
                    QPen caneta(p.cor, p.espessura);
                    caneta.setCapStyle(Qt::FlatCap);
                    painter.setPen(caneta);
                    painter.drawLine(p.linha);
                } else if constexpr (std::is_same_v<T, PrimitivaRetangulo>) {
                    painter.setPen(p.espessura > 0 ? QPen(p.cor, p.espessura) : QPen(Qt::NoPen));
                    painter.setBrush(p.preenchimento.isValid() ? QBrush(p.preenchimento) : QBrush());
                    painter.drawRect(p.retangulo);
                    painter.setBrush(QBrush());
                } else if constexpr (std::is_same_v<T, PrimitivaImagem>) {
                    painter.drawImage(p.retangulo, p.imagem);
                } else if constexpr (std::is_same_v<T, PrimitivaTextoRico>) {
                    painter.save();
                    painter.translate(p.retangulo.topLeft());
                    const QRectF recorte(0, 0, p.retangulo.width(), p.retangulo.height());
                    painter.setClipRect(recorte);
                    QAbstractTextDocumentLayout::PaintContext contexto;
                    contexto.clip = recorte;
                    p.documento->documentLayout()->draw(&painter, contexto);
                    painter.restore();
                } else if constexpr (std::is_same_v<T, PrimitivaBarras>) {
                    painter.setPen(Qt::NoPen);
                    painter.setBrush(p.cor);
                    // Without antialiasing the bars keep crisp edges on bitmaps.
                    painter.setRenderHint(QPainter::Antialiasing, false);
                    for (const QRectF& barra : p.barras) painter.drawRect(barra);
                    painter.setRenderHint(QPainter::Antialiasing, true);
                    painter.setBrush(QBrush());
                }
            },
            primitiva);
    }
    painter.restore();
}

}  // namespace rh::relatorio
