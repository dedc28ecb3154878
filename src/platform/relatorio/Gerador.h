#pragma once

#include "platform/relatorio/BandaGerada.h"

#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace rh::relatorio {

class ItemAgregado;
class ItemSubRelatorio;
class Relatorio;

// Walks the rows of a report and prints its bands in order (title, group
// headers, details, group footers, summary) into a sequence of generated
// bands; the paginator then places them on pages. Handlers run here, once per
// print of a band or item, in the order of the rows.
class Gerador {
public:
    Gerador(Relatorio& relatorio, QStringList& avisos);

    std::vector<BandaGerada> gerarSequencia();
    // Page header or footer for a new page; their height stays as designed.
    BandaGerada gerarBandaPagina(Banda& banda, const std::shared_ptr<const Linha>& linha);

private:
    Gerador(Relatorio& relatorio, QStringList& avisos, double x, bool subRelatorio);

    void percorrer(std::vector<BandaGerada>& saida);
    void validar(const QStringList& campos);
    void abrirGrupos(std::size_t nivel, const std::shared_ptr<const Linha>& linha,
                     std::vector<BandaGerada>& saida);
    void fecharGrupos(std::size_t nivel, const std::shared_ptr<const Linha>& linha,
                      std::vector<BandaGerada>& saida);
    void emitir(Banda& banda, const std::shared_ptr<const Linha>& linha,
                std::vector<BandaGerada>& saida, const std::function<void()>& aoAprovar = {},
                bool manterComProxima = false);
    std::optional<BandaGerada> gerarBanda(Banda& banda, const std::shared_ptr<const Linha>& linha,
                                          bool podeEsticar, const std::function<void()>& aoAprovar,
                                          std::vector<ItemSubRelatorio*>* subRelatorios);

    Relatorio& m_relatorio;
    QStringList& m_avisos;
    double m_x;
    bool m_subRelatorio;
    std::vector<ItemAgregado*> m_agregados;
    std::vector<std::size_t> m_inicioGrupo;
};

}  // namespace rh::relatorio
