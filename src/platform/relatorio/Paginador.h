#pragma once

#include "platform/relatorio/BandaGerada.h"
#include "platform/relatorio/Documento.h"

#include <QStringList>
#include <vector>

namespace rh::relatorio {

class Gerador;
class Relatorio;

// Places generated bands on pages: page header at the top margin, page footer
// at the bottom margin, new pages where bands no longer fit or groups ask for
// them, detail columns, kept-together groups, page numbering runs.
class Paginador {
public:
    Paginador(Relatorio& relatorio, Gerador& gerador, QStringList& avisos);

    std::vector<Pagina> paginar(std::vector<BandaGerada>&& sequencia);

private:
    void abrirPagina(const std::shared_ptr<const Linha>& linha, bool reiniciaNumeracao = false);
    void fecharPagina();
    void colocar(const BandaGerada& banda, double x, double y);
    void colocarEmColunas(const BandaGerada& banda);
    void encerrarColunas();
    double passoColuna(const BandaGerada& banda) const;
    double inicioColuna(int coluna) const;
    double alturaBloco(const std::vector<BandaGerada>& sequencia, std::size_t inicio,
                       std::size_t fim) const;
    void verificarAltura(const BandaGerada& banda, double y);

    Relatorio& m_relatorio;
    Gerador& m_gerador;
    QStringList& m_avisos;
    double m_alturaPapel, m_margemEsquerda, m_margemSuperior, m_margemInferior;
    double m_larguraColuna;

    std::vector<Pagina> m_paginas;
    std::vector<std::size_t> m_inicioSecoes{0};
    bool m_aberta = false;
    bool m_conteudo = false;
    bool m_avisouAltura = false;
    int m_numero = 0;
    double m_y = 0, m_topoCorpo = 0, m_limite = 0;
    std::shared_ptr<const Linha> m_ultimaLinha;

    bool m_colunasAbertas = false;
    int m_coluna = 0;
    double m_yLinhaColunas = 0, m_alturaLinhaColunas = 0;  // across, then down
    double m_topoColunas = 0, m_yColuna = 0, m_fundoColunas = 0;  // down, then across
};

}  // namespace rh::relatorio
