#pragma once

#include "platform/relatorio/ItemTexto.h"

namespace rh::relatorio {

// Page number, page count or the printing moment; resolved when the page is
// painted. The display format applies ("dd/mm/yyyy", "hh:nn"); prefix and
// suffix surround the value ("Pág.: ").
class ItemSistema : public ItemTexto {
public:
    ItemSistema(const QRectF& retanguloMm, ValorSistema valor);

    ValorSistema valor() const { return m_valor; }

    QString textoAtual(const Linha& linha) const override;
    double gerar(const ContextoItem& contexto, const QString& texto,
                 std::vector<Primitiva>& saida) const override;

    // The printed text for a page; also used by the painter.
    static QString resolver(ValorSistema valor, const QString& formato, int pagina, int total,
                            const QDateTime& momento);

private:
    ValorSistema m_valor;
};

}  // namespace rh::relatorio
