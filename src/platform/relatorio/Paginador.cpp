#include "platform/relatorio/Paginador.h"

#include "platform/relatorio/ErroRelatorio.h"
#include "platform/relatorio/Gerador.h"
#include "platform/relatorio/Relatorio.h"
#include "platform/relatorio/Unidades.h"

#include <algorithm>

namespace rh::relatorio {

namespace {
constexpr double kTolerancia = 0.5;  // reference units; rounding of millimetre designs
}

Paginador::Paginador(Relatorio& relatorio, Gerador& gerador, QStringList& avisos)
    : m_relatorio(relatorio), m_gerador(gerador), m_avisos(avisos) {
    const ConfiguracaoPagina& pagina = relatorio.pagina();
    m_alturaPapel = Unidades::referenciaDeMm(pagina.tamanhoMm().height());
    m_margemEsquerda = Unidades::referenciaDeMm(pagina.margens().esquerda);
    m_margemSuperior = Unidades::referenciaDeMm(pagina.margens().superior);
    m_margemInferior = Unidades::referenciaDeMm(pagina.margens().inferior);
    const ColunasDetalhe& colunas = relatorio.colunas();
    if (colunas.quantidade < 1) {
        throw ErroRelatorio(QStringLiteral("O detalhe deve ter ao menos uma coluna."));
    }
    if (!colunas.inicios.isEmpty() && colunas.inicios.size() != colunas.quantidade) {
        throw ErroRelatorio(QStringLiteral("O detalhe tem %1 colunas, mas %2 posições de início.")
                                .arg(colunas.quantidade)
                                .arg(colunas.inicios.size()));
    }
    if (colunas.largura < 0 || colunas.espacamento < 0 || colunas.alturaEtiqueta < 0) {
        throw ErroRelatorio(QStringLiteral("As medidas das colunas do detalhe não podem ser negativas."));
    }
    const double largura = colunas.largura > 0
                               ? colunas.largura
                               : (pagina.larguraUtilMm() - colunas.espacamento * (colunas.quantidade - 1)) /
                                     colunas.quantidade;
    m_larguraColuna = Unidades::referenciaDeMm(largura);
}

std::vector<Pagina> Paginador::paginar(std::vector<BandaGerada>&& sequencia) {
    for (std::size_t i = 0; i < sequencia.size(); ++i) {
        const BandaGerada& banda = sequencia[i];
        if (!m_aberta) abrirPagina(banda.linha);
        if (banda.marcador) {
            if ((banda.novaPagina || banda.reiniciaNumeracao) && m_conteudo) {
                abrirPagina(banda.linha, banda.reiniciaNumeracao);
            } else if (banda.reiniciaNumeracao && m_paginas.back().numero != 1) {
                // Nothing printed on this page yet: it becomes page 1 of the new run.
                m_paginas.back().numero = 1;
                m_numero = 1;
                m_inicioSecoes.push_back(m_paginas.size() - 1);
            }
            if (banda.manterJunto && m_conteudo) {
                encerrarColunas();
                const double altura = alturaBloco(sequencia, i + 1, banda.fimBloco);
                if (m_y + altura > m_limite + kTolerancia && altura <= m_limite - m_topoCorpo) {
                    abrirPagina(banda.linha);
                }
            }
            continue;
        }
        if (banda.emColunas) {
            colocarEmColunas(banda);
            continue;
        }
        encerrarColunas();
        double necessario = banda.altura;
        if (banda.manterComProxima) {
            for (std::size_t j = i + 1; j < sequencia.size(); ++j) {
                if (sequencia[j].marcador) continue;
                necessario += sequencia[j].emColunas ? passoColuna(sequencia[j]) : sequencia[j].altura;
                break;
            }
        }
        if (m_y + necessario > m_limite + kTolerancia && m_conteudo) abrirPagina(banda.linha);
        verificarAltura(banda, m_y);
        colocar(banda, banda.x, m_y);
        m_y += banda.altura;
        if (banda.tipo != TipoBanda::Titulo) m_conteudo = true;
    }
    if (!m_aberta) abrirPagina(std::make_shared<const Linha>());
    fecharPagina();

    m_inicioSecoes.push_back(m_paginas.size());
    for (std::size_t s = 0; s + 1 < m_inicioSecoes.size(); ++s) {
        const std::size_t inicio = m_inicioSecoes[s], fim = m_inicioSecoes[s + 1];
        for (std::size_t p = inicio; p < fim; ++p) m_paginas[p].total = static_cast<int>(fim - inicio);
    }
    return std::move(m_paginas);
}

void Paginador::abrirPagina(const std::shared_ptr<const Linha>& linha, bool reiniciaNumeracao) {
    if (m_aberta) fecharPagina();
    if (reiniciaNumeracao && !m_paginas.empty()) {
        m_numero = 0;
        m_inicioSecoes.push_back(m_paginas.size());
    }
    Pagina pagina;
    pagina.numero = ++m_numero;
    m_paginas.push_back(std::move(pagina));
    m_aberta = true;
    m_conteudo = false;
    m_colunasAbertas = false;
    m_coluna = 0;
    m_ultimaLinha = linha;

    m_y = m_margemSuperior;
    const BandaGerada cabecalho = m_gerador.gerarBandaPagina(m_relatorio.cabecalhoPagina(), linha);
    colocar(cabecalho, m_margemEsquerda, m_y);
    m_y += cabecalho.altura;
    m_topoCorpo = m_y;
    Banda& rodape = m_relatorio.rodapePagina();
    const double alturaRodape = rodape.ativa() ? Unidades::referenciaDeMm(rodape.altura()) : 0.0;
    m_limite = m_alturaPapel - m_margemInferior - alturaRodape;
}

void Paginador::fecharPagina() {
    Banda& rodape = m_relatorio.rodapePagina();
    if (rodape.ativa()) {
        const BandaGerada gerada = m_gerador.gerarBandaPagina(rodape, m_ultimaLinha);
        colocar(gerada, m_margemEsquerda, m_alturaPapel - m_margemInferior - gerada.altura);
    }
    m_aberta = false;
}

void Paginador::colocar(const BandaGerada& banda, double x, double y) {
    std::vector<Primitiva>& destino = m_paginas.back().primitivas;
    for (const Primitiva& primitiva : banda.primitivas) {
        Primitiva copia = primitiva;
        deslocar(copia, QPointF(x, y));
        destino.push_back(std::move(copia));
    }
    if (banda.linha && banda.tipo != TipoBanda::CabecalhoPagina && banda.tipo != TipoBanda::RodapePagina) {
        m_ultimaLinha = banda.linha;
    }
}

double Paginador::passoColuna(const BandaGerada& banda) const {
    const double etiqueta = m_relatorio.colunas().alturaEtiqueta;
    return etiqueta > 0 ? Unidades::referenciaDeMm(etiqueta) : banda.altura;
}

double Paginador::inicioColuna(int coluna) const {
    const ColunasDetalhe& colunas = m_relatorio.colunas();
    if (!colunas.inicios.isEmpty()) return Unidades::referenciaDeMm(colunas.inicios.at(coluna));
    return m_margemEsquerda + coluna * (m_larguraColuna + Unidades::referenciaDeMm(colunas.espacamento));
}

void Paginador::colocarEmColunas(const BandaGerada& banda) {
    const ColunasDetalhe& colunas = m_relatorio.colunas();
    const double passo = passoColuna(banda);
    if (colunas.ordem == OrdemColunas::AtravesDepoisAbaixo) {
        if (!m_colunasAbertas) {
            if (m_y + passo > m_limite + kTolerancia && m_conteudo) abrirPagina(banda.linha);
            m_colunasAbertas = true;
            m_coluna = 0;
            m_yLinhaColunas = m_y;
            m_alturaLinhaColunas = 0;
        }
        verificarAltura(banda, m_yLinhaColunas);
        colocar(banda, inicioColuna(m_coluna), m_yLinhaColunas);
        m_alturaLinhaColunas = std::max(m_alturaLinhaColunas, passo);
        m_conteudo = true;
        if (++m_coluna == colunas.quantidade) encerrarColunas();
        return;
    }
    if (!m_colunasAbertas) {
        m_colunasAbertas = true;
        m_coluna = 0;
        m_topoColunas = m_yColuna = m_fundoColunas = m_y;
    }
    if (m_yColuna + passo > m_limite + kTolerancia && m_yColuna > m_topoColunas) {
        m_yColuna = m_topoColunas;
        if (++m_coluna == colunas.quantidade) {
            abrirPagina(banda.linha);
            m_colunasAbertas = true;
            m_coluna = 0;
            m_topoColunas = m_yColuna = m_fundoColunas = m_y;
        }
    }
    verificarAltura(banda, m_yColuna);
    colocar(banda, inicioColuna(m_coluna), m_yColuna);
    m_yColuna += passo;
    m_fundoColunas = std::max(m_fundoColunas, m_yColuna);
    m_conteudo = true;
}

void Paginador::encerrarColunas() {
    if (!m_colunasAbertas) return;
    m_y = m_relatorio.colunas().ordem == OrdemColunas::AtravesDepoisAbaixo
              ? m_yLinhaColunas + m_alturaLinhaColunas
              : m_fundoColunas;
    m_colunasAbertas = false;
    m_coluna = 0;
}

double Paginador::alturaBloco(const std::vector<BandaGerada>& sequencia, std::size_t inicio,
                              std::size_t fim) const {
    double altura = 0;
    for (std::size_t i = inicio; i <= fim && i < sequencia.size(); ++i) {
        if (sequencia[i].marcador) continue;
        altura += sequencia[i].emColunas ? passoColuna(sequencia[i]) / m_relatorio.colunas().quantidade
                                         : sequencia[i].altura;
    }
    return altura;
}

void Paginador::verificarAltura(const BandaGerada& banda, double y) {
    if (m_avisouAltura || y + banda.altura <= m_limite + kTolerancia) return;
    m_avisouAltura = true;
    m_avisos << QStringLiteral("Uma banda de %1 mm passa do fim da área impressa da página %2.")
                    .arg(Unidades::mmDeReferencia(banda.altura), 0, 'f', 1)
                    .arg(m_paginas.size());
}

}  // namespace rh::relatorio
