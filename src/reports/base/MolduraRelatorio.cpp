#include "reports/base/MolduraRelatorio.h"

#include "app/nucleo/TDM.h"
#include "platform/db/Dataset.h"
#include "platform/relatorio/ItemAgregado.h"
#include "platform/relatorio/ItemCampo.h"
#include "platform/relatorio/ItemImagem.h"
#include "platform/relatorio/ItemLinha.h"
#include "platform/relatorio/ItemSistema.h"
#include "platform/relatorio/ItemTexto.h"
#include "platform/relatorio/Relatorio.h"

namespace rh::reports {

using namespace relatorio;

namespace {

EstiloTexto estilo(double tamanho, bool negrito, Alinhamento alinhamento = Alinhamento::Esquerda) {
    EstiloTexto e;
    e.familia = QStringLiteral("Arial");
    e.tamanho = tamanho;
    e.negrito = negrito;
    e.alinhamento = alinhamento;
    return e;
}

ItemTexto& texto(Banda& banda, const QRectF& mm, const QString& conteudo, const EstiloTexto& e) {
    auto& item = banda.adicionar<ItemTexto>(mm, conteudo);
    item.setEstilo(e);
    return item;
}

QString textoCampo(db::Dataset& d, const char* nome) {
    if (!d.ativo() || d.vazio()) return QString();
    const db::Campo* c = d.procurarCampo(QString::fromLatin1(nome));
    return c ? c->valor().toString() : QString();
}

}  // namespace

MolduraRelatorio::MolduraRelatorio(const OpcoesMoldura& o) : m_relatorio(std::make_unique<Relatorio>()) {
    Relatorio& r = *m_relatorio;
    r.setNome(o.nome);
    r.pagina().setTamanho(TamanhoPapel::A4);
    r.pagina().setOrientacao(o.orientacao);
    r.pagina().setMargens({10.0, 10.0, 8.0, 8.0});
    m_largura = r.pagina().larguraUtilMm();
    const double w = m_largura;

    // Page header: logo, campus heading, title, filter captions, column titles.
    Banda& cab = r.cabecalhoPagina();
    cab.setAjuste(AjusteAltura::Fixa);
    m_logotipo = &cab.adicionar<ItemImagem>(QRectF(0, 0, app::TDM::larguraLogotipoMm, app::TDM::alturaLogotipoMm));
    m_logotipo->setAjuste(AjusteImagem::Esticar);
    const double xTexto = app::TDM::larguraLogotipoMm + 2;
    const double wTexto = w - 2 * xTexto;
    m_ministerio = &texto(cab, QRectF(xTexto, 0.5, wTexto, 4.5), {}, estilo(9, true, Alinhamento::Centro));
    m_secretaria = &texto(cab, QRectF(xTexto, 5, wTexto, 4.5), {}, estilo(8, true, Alinhamento::Centro));
    m_unidade = &texto(cab, QRectF(xTexto, 9.5, wTexto, 4.5), {}, estilo(8, true, Alinhamento::Centro));
    EstiloTexto endereco = estilo(6.5, false, Alinhamento::Centro);
    endereco.quebraLinha = QuebraLinha::Sim;
    m_endereco = &texto(cab, QRectF(xTexto, 14, wTexto, 7), {}, endereco);
    m_titulo = &texto(cab, QRectF(0, 24, w, 5.5), {}, estilo(10, true, Alinhamento::Centro));
    double y = 30.5;
    if (o.legendasFiltro) {
        const EstiloTexto rotulo = estilo(7, true), valor = estilo(7, false);
        texto(cab, QRectF(0, y, 14, 4), QStringLiteral("Categoria:"), rotulo);
        m_categoria = &texto(cab, QRectF(14, y, 64, 4), {}, valor);
        texto(cab, QRectF(80, y, 13, 4), QStringLiteral("Situação:"), rotulo);
        m_situacao = &texto(cab, QRectF(93, y, 55, 4), {}, valor);
        texto(cab, QRectF(150, y, 8, 4), QStringLiteral("Sexo:"), rotulo);
        m_sexo = &texto(cab, QRectF(158, y, 30, 4), {}, valor);
        y += 5;
    }
    cab.adicionar<ItemLinha>(QRectF(0, y, w, 0), OrientacaoLinha::Horizontal, 0.3);
    y += 0.8;
    const EstiloTexto tituloColuna = estilo(o.tamanhoFonte, true);
    double x = 0;
    for (const ColunaMoldura& c : o.colunas) {
        EstiloTexto e = tituloColuna;
        e.alinhamento = c.alinhamento;
        m_titulos << &texto(cab, QRectF(x, y, c.largura, 4), c.titulo, e);
        m_esquerdas << x;
        x += c.largura + o.espaco;
    }
    y += 4.2;
    cab.adicionar<ItemLinha>(QRectF(0, y, w, 0), OrientacaoLinha::Horizontal, 0.3);
    cab.setAltura(y + 1);

    // Optional unit group.
    if (o.grupoUnidade) {
        m_grupo = &r.adicionarGrupo(QString::fromLatin1(kNomeGrupoUnidade), QStringLiteral("UNIDADE"));
        Banda& g = m_grupo->cabecalho();
        g.setAltura(6);
        g.setAjuste(AjusteAltura::Fixa);
        texto(g, QRectF(0, 1, 15, 4.5), QStringLiteral("Unidade:"), estilo(8, true));
        g.adicionar<ItemCampo>(QRectF(15, 1, 80, 4.5), QStringLiteral("UNIDADE")).setEstilo(estilo(8, true));
    }

    // Detail: the columns, wrapping long values within the row.
    Banda& det = r.detalhe();
    det.setAltura(kAlturaDetalhe);
    det.setAjuste(AjusteAltura::Estica);
    EstiloTexto celula = estilo(o.tamanhoFonte, false);
    celula.quebraLinha = QuebraLinha::Sim;
    celula.estica = true;
    for (int i = 0; i < o.colunas.size(); ++i) {
        const ColunaMoldura& c = o.colunas.at(i);
        EstiloTexto e = celula;
        e.alinhamento = c.alinhamento;
        const QRectF onde(m_esquerdas.at(i), 0.3, c.largura, kAlturaDetalhe - 0.3);
        ItemTexto* item = nullptr;
        if (c.contagem) {
            m_contagem = &det.adicionar<ItemAgregado>(onde, TipoAgregado::Contagem);
            if (m_grupo) m_contagem->setGrupo(QString::fromLatin1(kNomeGrupoUnidade));
            item = m_contagem;
        } else if (!c.campo.isEmpty()) {
            item = &det.adicionar<ItemCampo>(onde, c.campo);
        }
        if (item) {
            item->setEstilo(e);
            item->setFormato(c.formato);
        }
        m_itens << item;
    }

    // Page footer: printing date and time, page number.
    Banda& rod = r.rodapePagina();
    rod.setAltura(6);
    rod.setAjuste(AjusteAltura::Fixa);
    rod.adicionar<ItemLinha>(QRectF(0, 0.5, w, 0), OrientacaoLinha::Horizontal, 0.3);
    texto(rod, QRectF(0, 1.5, 9, 4), QStringLiteral("Data:"), estilo(7, true));
    auto& momento = rod.adicionar<ItemSistema>(QRectF(9, 1.5, 40, 4), ValorSistema::DataHoraImpressao);
    momento.setEstilo(estilo(7, false));
    momento.setFormato(QStringLiteral("dd/mm/yyyy hh:nn"));
    texto(rod, QRectF(w - 22, 1.5, 9, 4), QStringLiteral("Pág.:"), estilo(7, true));
    rod.adicionar<ItemSistema>(QRectF(w - 13, 1.5, 13, 4), ValorSistema::NumeroPagina).setEstilo(estilo(7, false));
}

MolduraRelatorio::~MolduraRelatorio() = default;

void MolduraRelatorio::aplicarLogotipo(const QImage& logotipo) { m_logotipo->setImagem(logotipo); }

void MolduraRelatorio::aplicarUnidadeSede(db::Dataset& unidadeSede) {
    m_ministerio->setTexto(textoCampo(unidadeSede, "NOMEMINISTERIO"));
    m_secretaria->setTexto(textoCampo(unidadeSede, "NOMESECRETARIA"));
    m_unidade->setTexto(textoCampo(unidadeSede, "NOME"));
    m_endereco->setTexto(textoCampo(unidadeSede, "ENDERECO"));
}

void MolduraRelatorio::defineTitulo(const QString& titulo) { m_titulo->setTexto(titulo); }

}  // namespace rh::reports
