#pragma once

#include "platform/relatorio/Item.h"

#include <QColor>

namespace rh::relatorio {

// A frame (and optionally a filled box).
class ItemRetangulo : public Item {
public:
    explicit ItemRetangulo(const QRectF& retanguloMm, double espessuraMm = 0.2);

    void setEspessura(double mm) { m_espessura = mm; }
    void setCor(const QColor& cor) { m_cor = cor; }
    void setPreenchimento(const QColor& cor) { m_preenchimento = cor; }

    double gerar(const ContextoItem& contexto, const QString& texto,
                 std::vector<Primitiva>& saida) const override;

private:
    double m_espessura;
    QColor m_cor = Qt::black;
    QColor m_preenchimento;
};

}  // namespace rh::relatorio
