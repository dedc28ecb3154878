#include "platform/relatorio/Gerador.h"

#include "platform/relatorio/ErroRelatorio.h"
#include "platform/relatorio/FonteDados.h"
#include "platform/relatorio/ItemAgregado.h"
#include "platform/relatorio/ItemSubRelatorio.h"
#include "platform/relatorio/Relatorio.h"
#include "platform/relatorio/Unidades.h"

#include <QSet>
#include <algorithm>

namespace rh::relatorio {

Gerador::Gerador(Relatorio& relatorio, QStringList& avisos)
    : Gerador(relatorio, avisos, Unidades::referenciaDeMm(relatorio.pagina().margens().esquerda),
              false) {}

Gerador::Gerador(Relatorio& relatorio, QStringList& avisos, double x, bool subRelatorio)
    : m_relatorio(relatorio), m_avisos(avisos), m_x(x), m_subRelatorio(subRelatorio) {}

std::vector<BandaGerada> Gerador::gerarSequencia() {
    std::vector<BandaGerada> saida;
    percorrer(saida);
    return saida;
}

void Gerador::validar(const QStringList& campos) {
    QSet<QString> conhecidos;
    for (const QString& campo : campos) conhecidos.insert(campo.toUpper());
    auto verificar = [&](const QString& campo, const QString& onde) {
        if (!campo.isEmpty() && !conhecidos.contains(campo.toUpper())) {
            throw ErroRelatorio(
                QStringLiteral("O campo \"%1\" usado %2 não existe na fonte de dados do relatório.")
                    .arg(campo, onde));
        }
    };
    for (const auto& grupo : m_relatorio.grupos()) {
        verificar(grupo->campoQuebra(), QStringLiteral("na quebra do grupo \"%1\"").arg(grupo->nome()));
    }
    for (Banda* banda : m_relatorio.bandas()) {
        for (const auto& item : banda->itens()) {
            const QString onde = item->nome().isEmpty()
                                     ? QStringLiteral("num item do relatório")
                                     : QStringLiteral("no item \"%1\"").arg(item->nome());
            for (const QString& campo : item->camposUsados()) verificar(campo, onde);
        }
    }
}

void Gerador::percorrer(std::vector<BandaGerada>& saida) {
    FonteDados* fonte = m_relatorio.fonteDados();
    const QStringList campos = fonte ? fonte->campos() : QStringList();
    if (fonte) validar(campos);
    m_agregados.clear();
    for (Banda* banda : m_relatorio.bandas()) {
        for (const auto& item : banda->itens()) {
            if (auto* agregado = dynamic_cast<ItemAgregado*>(item.get())) {
                agregado->zerar();
                m_agregados.push_back(agregado);
            }
        }
    }
    const std::size_t niveis = m_relatorio.grupos().size();
    m_inicioGrupo.assign(niveis, 0);

    const bool temLinhas = fonte && fonte->primeiro();
    auto atual = std::make_shared<const Linha>(temLinhas ? Linha::capturar(*fonte) : Linha::vazia(campos));
    emitir(m_relatorio.titulo(), atual, saida);
    if (!temLinhas) {
        if (m_relatorio.quandoVazio() == QuandoVazio::ImprimirDetalheEmBranco) {
            abrirGrupos(0, atual, saida);
            emitir(m_relatorio.detalhe(), atual, saida,
                   [this, &atual] { for (ItemAgregado* a : m_agregados) a->acumular(*atual); });
            fecharGrupos(0, atual, saida);
        }
        emitir(m_relatorio.sumario(), atual, saida);
        return;
    }
    std::shared_ptr<const Linha> anterior;
    for (;;) {
        std::size_t nivel = anterior ? niveis : 0;
        if (anterior) {
            for (std::size_t i = 0; i < niveis; ++i) {
                const Grupo& grupo = *m_relatorio.grupos()[i];
                if (grupo.chave(*atual) != grupo.chave(*anterior)) {
                    nivel = i;
                    break;
                }
            }
            if (nivel < niveis) fecharGrupos(nivel, anterior, saida);
        }
        abrirGrupos(nivel, atual, saida);
        emitir(m_relatorio.detalhe(), atual, saida,
               [this, &atual] { for (ItemAgregado* a : m_agregados) a->acumular(*atual); });
        anterior = atual;
        if (!fonte->proximo()) break;
        atual = std::make_shared<const Linha>(Linha::capturar(*fonte));
    }
    fecharGrupos(0, anterior, saida);
    emitir(m_relatorio.sumario(), anterior, saida);
}

void Gerador::abrirGrupos(std::size_t nivel, const std::shared_ptr<const Linha>& linha,
                          std::vector<BandaGerada>& saida) {
    const auto& grupos = m_relatorio.grupos();
    for (std::size_t i = nivel; i < grupos.size(); ++i) {
        Grupo& grupo = *grupos[i];
        BandaGerada marcador;
        marcador.marcador = true;
        marcador.tipo = TipoBanda::CabecalhoGrupo;
        marcador.linha = linha;
        marcador.novaPagina = grupo.novaPagina();
        marcador.reiniciaNumeracao = grupo.reiniciaNumeracaoPaginas();
        marcador.manterJunto = grupo.manterJunto();
        saida.push_back(std::move(marcador));
        m_inicioGrupo[i] = saida.size() - 1;
        emitir(grupo.cabecalho(), linha, saida, {}, true);
    }
}

void Gerador::fecharGrupos(std::size_t nivel, const std::shared_ptr<const Linha>& linha,
                           std::vector<BandaGerada>& saida) {
    const auto& grupos = m_relatorio.grupos();
    for (std::size_t i = grupos.size(); i-- > nivel;) {
        Grupo& grupo = *grupos[i];
        emitir(grupo.rodape(), linha, saida);
        if (grupo.reiniciaContadores()) {
            for (ItemAgregado* agregado : m_agregados) {
                if (agregado->grupo() == grupo.nome()) agregado->zerar();
            }
        }
        saida[m_inicioGrupo[i]].fimBloco = saida.size() - 1;
    }
}

void Gerador::emitir(Banda& banda, const std::shared_ptr<const Linha>& linha,
                     std::vector<BandaGerada>& saida, const std::function<void()>& aoAprovar,
                     bool manterComProxima) {
    if (!banda.ativa()) return;
    std::vector<ItemSubRelatorio*> subRelatorios;
    std::optional<BandaGerada> gerada = gerarBanda(banda, linha, banda.ajuste() == AjusteAltura::Estica,
                                                   aoAprovar, &subRelatorios);
    if (!gerada) return;
    gerada->manterComProxima = manterComProxima;
    gerada->emColunas = !m_subRelatorio && banda.tipo() == TipoBanda::Detalhe &&
                        m_relatorio.colunas().quantidade > 1;
    saida.push_back(std::move(*gerada));
    for (ItemSubRelatorio* sub : subRelatorios) {
        FonteDados* fonteDetalhe = sub->fonte() ? sub->fonte()(*linha) : nullptr;
        if (!fonteDetalhe) continue;
        Relatorio& filho = sub->relatorio();
        filho.setFonteDados(fonteDetalhe);
        if (filho.aoIniciar()) filho.aoIniciar()();
        Gerador gerador(filho, m_avisos, m_x + Unidades::referenciaDeMm(sub->retangulo().left()), true);
        gerador.percorrer(saida);
    }
}

std::optional<BandaGerada> Gerador::gerarBanda(Banda& banda, const std::shared_ptr<const Linha>& linha,
                                               bool podeEsticar, const std::function<void()>& aoAprovar,
                                               std::vector<ItemSubRelatorio*>* subRelatorios) {
    EventoBanda evento{banda, *linha, banda.visivel()};
    if (banda.antesImprimir()) banda.antesImprimir()(evento);
    if (!evento.imprimir) return std::nullopt;
    if (aoAprovar) aoAprovar();

    BandaGerada gerada;
    gerada.tipo = banda.tipo();
    gerada.x = m_x;
    gerada.linha = linha;
    ContextoItem contexto{*linha, podeEsticar, 0, m_avisos};
    struct Adiado {
        std::size_t posicao;
        const Item* item;
        QString texto;
    };
    std::vector<Adiado> adiados;
    double crescimento = 0;
    for (const auto& ponteiro : banda.itens()) {
        Item& item = *ponteiro;
        EventoItem eventoItem{item, *linha, item.textoAtual(*linha), item.visivel()};
        if (item.antesImprimir()) item.antesImprimir()(eventoItem);
        if (!eventoItem.imprimir) continue;
        if (auto* sub = dynamic_cast<ItemSubRelatorio*>(&item)) {
            if (subRelatorios) subRelatorios->push_back(sub);
            continue;
        }
        if (item.acompanhaBanda()) {
            adiados.push_back({gerada.primitivas.size(), &item, eventoItem.texto});
            continue;
        }
        crescimento = std::max(crescimento, item.gerar(contexto, eventoItem.texto, gerada.primitivas));
    }
    const double projetada = Unidades::referenciaDeMm(banda.altura());
    gerada.altura = projetada + (podeEsticar ? crescimento : 0.0);
    // Frames and rules that follow the band are drawn once its height is known,
    // in their place among the other items.
    contexto.crescimentoBanda = gerada.altura - projetada;
    for (auto it = adiados.rbegin(); it != adiados.rend(); ++it) {
        std::vector<Primitiva> desenho;
        it->item->gerar(contexto, it->texto, desenho);
        gerada.primitivas.insert(gerada.primitivas.begin() + static_cast<std::ptrdiff_t>(it->posicao),
                                 std::make_move_iterator(desenho.begin()),
                                 std::make_move_iterator(desenho.end()));
    }
    return gerada;
}

BandaGerada Gerador::gerarBandaPagina(Banda& banda, const std::shared_ptr<const Linha>& linha) {
    BandaGerada vazia;
    vazia.tipo = banda.tipo();
    vazia.x = m_x;
    if (!banda.ativa()) return vazia;
    std::optional<BandaGerada> gerada = gerarBanda(banda, linha, false, {}, nullptr);
    if (!gerada) return vazia;
    gerada->altura = Unidades::referenciaDeMm(banda.altura());
    return std::move(*gerada);
}

}  // namespace rh::relatorio
