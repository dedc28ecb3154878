#pragma once

#include "platform/relatorio/ItemTexto.h"

namespace rh::relatorio {

// The value of a field of the current row, through the display format.
class ItemCampo : public ItemTexto {
public:
    ItemCampo(const QRectF& retanguloMm, const QString& campo);

    const QString& campo() const { return m_campo; }
    void setCampo(const QString& campo) { m_campo = campo; }

    QString textoAtual(const Linha& linha) const override;
    QStringList camposUsados() const override { return {m_campo}; }

private:
    QString m_campo;
};

}  // namespace rh::relatorio
