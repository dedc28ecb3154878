#pragma once

#include "platform/relatorio/Eventos.h"
#include "platform/relatorio/Item.h"

#include <functional>
#include <memory>
#include <vector>

namespace rh::relatorio {

enum class TipoBanda {
    Titulo,           // once, on the first page, below the page header
    CabecalhoPagina,  // top of every page
    CabecalhoGrupo,
    Detalhe,
    RodapeGrupo,
    RodapePagina,  // bottom of every page, at its designed height
    Sumario,       // once, after the last row
};

enum class AjusteAltura { Estica, Fixa };

// A horizontal strip of a page holding items. A band prints when it is visible
// and has a height or items. With AjusteAltura::Estica it grows by the most
// that any stretching item (wrapped text, rich text) grows; items below a
// stretching item keep their place.
class Banda {
public:
    using AntesImprimir = std::function<void(EventoBanda&)>;

    explicit Banda(TipoBanda tipo);
    Banda(const Banda&) = delete;
    Banda& operator=(const Banda&) = delete;

    TipoBanda tipo() const { return m_tipo; }
    double altura() const { return m_altura; }  // mm
    void setAltura(double mm) { m_altura = mm; }
    AjusteAltura ajuste() const { return m_ajuste; }
    void setAjuste(AjusteAltura ajuste) { m_ajuste = ajuste; }
    bool visivel() const { return m_visivel; }
    void setVisivel(bool visivel) { m_visivel = visivel; }
    bool ativa() const { return m_altura > 0 || !m_itens.empty(); }

    template <class T, class... Argumentos>
    T& adicionar(Argumentos&&... argumentos) {
        auto item = std::make_unique<T>(std::forward<Argumentos>(argumentos)...);
        T& referencia = *item;
        m_itens.push_back(std::move(item));
        return referencia;
    }
    const std::vector<std::unique_ptr<Item>>& itens() const { return m_itens; }
    Item* item(const QString& nome) const;

    void setAntesImprimir(AntesImprimir tratador) { m_antesImprimir = std::move(tratador); }
    const AntesImprimir& antesImprimir() const { return m_antesImprimir; }

private:
    TipoBanda m_tipo;
    double m_altura = 0;
    AjusteAltura m_ajuste = AjusteAltura::Estica;
    bool m_visivel = true;
    std::vector<std::unique_ptr<Item>> m_itens;
    AntesImprimir m_antesImprimir;
};

}  // namespace rh::relatorio
