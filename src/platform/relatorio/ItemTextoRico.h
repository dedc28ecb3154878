#pragma once

#include "platform/relatorio/EstiloTexto.h"
#include "platform/relatorio/Item.h"

class QTextDocument;

namespace rh::relatorio {

// Formatted text (HTML, or a copy of a QTextDocument) laid out at the item's
// width. It stretches its band to the text's height unless told not to.
class ItemTextoRico : public Item {
public:
    explicit ItemTextoRico(const QRectF& retanguloMm, const QString& html = {});

    void setHtml(const QString& html) { m_html = html; }
    void setDocumento(const QTextDocument& documento);
    const QString& html() const { return m_html; }
    // Font of text that names none.
    EstiloTexto& estiloPadrao() { return m_estilo; }
    void setEstica(bool estica) { m_estica = estica; }

    double gerar(const ContextoItem& contexto, const QString& texto,
                 std::vector<Primitiva>& saida) const override;

private:
    QString m_html;
    EstiloTexto m_estilo;
    bool m_estica = true;
};

}  // namespace rh::relatorio
