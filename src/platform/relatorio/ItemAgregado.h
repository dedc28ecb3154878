#pragma once

#include "platform/relatorio/ItemTexto.h"

namespace rh::relatorio {

enum class TipoAgregado { Contagem, Soma };

// A running count of printed detail rows ("ORD" 1, 2, 3...) or a running sum of
// a field. Scoped to a group (named), it starts again when that group breaks
// and the group restarts its counters; unscoped, it runs over the whole report.
// In a group footer or the summary it shows the total so far.
class ItemAgregado : public ItemTexto {
public:
    ItemAgregado(const QRectF& retanguloMm, TipoAgregado tipo, const QString& campo = {});

    TipoAgregado tipo() const { return m_tipo; }
    const QString& campo() const { return m_campo; }
    const QString& grupo() const { return m_grupo; }
    void setGrupo(const QString& nomeGrupo) { m_grupo = nomeGrupo; }

    // Current value: qlonglong for counts and sums of whole numbers, else double.
    QVariant valor() const;
    void acumular(const Linha& linha);
    void zerar();

    QString textoAtual(const Linha& linha) const override;
    QStringList camposUsados() const override;

private:
    TipoAgregado m_tipo;
    QString m_campo;
    QString m_grupo;
    qlonglong m_contagem = 0;
    qlonglong m_somaInteira = 0;
    double m_soma = 0;
    bool m_somaFracionaria = false;
};

}  // namespace rh::relatorio
