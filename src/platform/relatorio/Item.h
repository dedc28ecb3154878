#pragma once

#include "platform/relatorio/ContextoItem.h"
#include "platform/relatorio/Eventos.h"
#include "platform/relatorio/Primitivas.h"

#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

namespace rh::relatorio {

// Something printed in a band. Its rectangle is in millimetres from the band's
// top-left corner (the column's, in a multi-column detail).
class Item {
public:
    using AntesImprimir = std::function<void(EventoItem&)>;

    explicit Item(const QRectF& retanguloMm);
    virtual ~Item();
    Item(const Item&) = delete;
    Item& operator=(const Item&) = delete;

    const QString& nome() const { return m_nome; }
    void setNome(const QString& nome) { m_nome = nome; }
    QRectF retangulo() const { return m_retangulo; }
    void setRetangulo(const QRectF& mm) { m_retangulo = mm; }
    void setEsquerda(double mm) { m_retangulo.moveLeft(mm); }
    void setTopo(double mm) { m_retangulo.moveTop(mm); }
    bool visivel() const { return m_visivel; }
    void setVisivel(bool visivel) { m_visivel = visivel; }
    // Lines and frames may follow the band when a text item stretches it.
    bool acompanhaBanda() const { return m_acompanhaBanda; }
    void setAcompanhaBanda(bool acompanha) { m_acompanhaBanda = acompanha; }

    void setAntesImprimir(AntesImprimir tratador) { m_antesImprimir = std::move(tratador); }
    const AntesImprimir& antesImprimir() const { return m_antesImprimir; }

    // The text offered to the handler before printing (empty for drawings).
    virtual QString textoAtual(const Linha& linha) const;
    // Appends the item's drawing, relative to its band; returns how much the item
    // grew beyond its designed height (reference units).
    virtual double gerar(const ContextoItem& contexto, const QString& texto,
                         std::vector<Primitiva>& saida) const = 0;
    // Fields of the data source the item reads; checked before the report runs.
    virtual QStringList camposUsados() const { return {}; }

protected:
    QRectF retanguloReferencia(const ContextoItem& contexto) const;

private:
    QString m_nome;
    QRectF m_retangulo;
    bool m_visivel = true;
    bool m_acompanhaBanda = false;
    AntesImprimir m_antesImprimir;
};

}  // namespace rh::relatorio
