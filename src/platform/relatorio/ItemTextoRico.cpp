#include "platform/relatorio/ItemTextoRico.h"

#include "platform/relatorio/Fontes.h"
#include "platform/relatorio/Unidades.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

namespace rh::relatorio {

ItemTextoRico::ItemTextoRico(const QRectF& retanguloMm, const QString& html)
    : Item(retanguloMm), m_html(html) {}

void ItemTextoRico::setDocumento(const QTextDocument& documento) { m_html = documento.toHtml(); }

double ItemTextoRico::gerar(const ContextoItem& contexto, const QString&,
                            std::vector<Primitiva>& saida) const {
    QRectF r = retanguloReferencia(contexto);
    auto documento = std::make_shared<QTextDocument>();
    documento->documentLayout()->setPaintDevice(&Unidades::dispositivoReferencia());
    documento->setDocumentMargin(0);
    documento->setDefaultFont(Fontes::fontePontos(m_estilo));
    documento->setHtml(m_html);
    documento->setTextWidth(r.width());
    const double altura = documento->size().height();
    double crescimento = 0;
    if (m_estica && contexto.podeEsticar && altura > r.height()) {
        crescimento = altura - r.height();
        r.setHeight(altura);
    }
    saida.emplace_back(PrimitivaTextoRico{r, std::move(documento)});
    return crescimento;
}

}  // namespace rh::relatorio
