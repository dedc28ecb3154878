#pragma once

#include "platform/relatorio/Item.h"

#include <QColor>

namespace rh::relatorio {

enum class OrientacaoLinha { Horizontal, Vertical };

// A rule through the middle of its rectangle (a rectangle of zero height or
// width gives a rule along its edge).
class ItemLinha : public Item {
public:
    ItemLinha(const QRectF& retanguloMm, OrientacaoLinha orientacao = OrientacaoLinha::Horizontal,
              double espessuraMm = 0.2);

    void setEspessura(double mm) { m_espessura = mm; }
    void setCor(const QColor& cor) { m_cor = cor; }

    double gerar(const ContextoItem& contexto, const QString& texto,
                 std::vector<Primitiva>& saida) const override;

private:
    OrientacaoLinha m_orientacao;
    double m_espessura;
    QColor m_cor = Qt::black;
};

}  // namespace rh::relatorio
