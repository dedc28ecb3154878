#pragma once

#include "platform/relatorio/Item.h"

#include <QImage>

namespace rh::relatorio {

enum class AjusteImagem { Proporcional, Esticar };

// A picture (the organisation's logo) scaled into its rectangle; Proporcional
// keeps its shape and sits at the rectangle's top-left corner.
class ItemImagem : public Item {
public:
    ItemImagem(const QRectF& retanguloMm, const QImage& imagem = {});

    void setImagem(const QImage& imagem) { m_imagem = imagem; }
    const QImage& imagem() const { return m_imagem; }
    void setAjuste(AjusteImagem ajuste) { m_ajuste = ajuste; }

    double gerar(const ContextoItem& contexto, const QString& texto,
                 std::vector<Primitiva>& saida) const override;

private:
    QImage m_imagem;
    AjusteImagem m_ajuste = AjusteImagem::Proporcional;
};

}  // namespace rh::relatorio
