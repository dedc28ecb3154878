#include "servants/carteira/RelatorioCarteira.h"

#include "platform/relatorio/ItemCampo.h"
#include "platform/relatorio/ItemCodigoBarras.h"
#include "platform/relatorio/ItemTexto.h"

namespace rh::servants {

namespace rel = rh::relatorio;

namespace {

// Card layout: the left half carries the name and the post in its lower part;
// the right half a column of labels with their values, the copy caption at
// the end of the first line, and the bar code below.
constexpr double kMeiaLargura = 91.0;
constexpr double kRotuloEsquerda = kMeiaLargura + 1.0;
constexpr double kRotuloLargura = 19.0;
constexpr double kValorEsquerda = kRotuloEsquerda + kRotuloLargura + 1.5;
constexpr double kValorLargura = 44.0;
constexpr double kLinhaTopo = 8.0;
constexpr double kLinhaPasso = 3.4;
constexpr double kLinhaAltura = 3.2;

rel::EstiloTexto estilo(double pontos, bool negrito, rel::Alinhamento alinhamento) {
    rel::EstiloTexto e;
    e.familia = QStringLiteral("Arial");
    e.tamanho = pontos;
    e.negrito = negrito;
    e.alinhamento = alinhamento;
    return e;
}

}  // namespace

RelatorioCarteira::RelatorioCarteira() {
    m_relatorio.setNome(QStringLiteral("Carteira Funcional"));
    auto& pagina = m_relatorio.pagina();
    pagina.setTamanho(rel::TamanhoPapel::JisB5);
    pagina.setOrientacao(rel::Orientacao::Retrato);
    pagina.setMargens({0.0, 0.0, 0.5, 0.0});

    m_relatorio.cabecalhoPagina().setAltura(kAlturaCabecalho);
    m_relatorio.cabecalhoPagina().setAjuste(rel::AjusteAltura::Fixa);

    rel::Banda& cartao = m_relatorio.detalhe();
    cartao.setAjuste(rel::AjusteAltura::Fixa);

    const auto centro9 = estilo(9, true, rel::Alinhamento::Centro);
    auto& nome = cartao.adicionar<rel::ItemCampo>(QRectF(3, 38, kMeiaLargura - 6, 4.2),
                                                  QStringLiteral("NOME"));
    nome.setNome(QStringLiteral("NOME"));
    nome.setEstilo(centro9);
    auto& cargo = cartao.adicionar<rel::ItemCampo>(QRectF(3, 42.5, kMeiaLargura - 6, 4.2),
                                                   QStringLiteral("DESCRCARGO"));
    cargo.setNome(QStringLiteral("DESCRCARGO"));
    cargo.setEstilo(centro9);

    struct LinhaCartao {
        const char* rotulo;
        const char* campo;
        const char* formato;
        bool negrito;
    };
    const LinhaCartao linhas[] = {
        {"MATRÍCULA", "NUMMATRIC", "0000000", true},
        {"DT. ADMIS.", "DTADMISSAO", "dd/mm/yyyy", true},
        {"DT. NASC.", "DTNASC", "dd/mm/yyyy", true},
        {"R.G.", "IDENTIDADE", "", true},
        {"CPF.", "CPF", "", true},
        {"TIT. ELEIT.", "TITELEITOR", "", true},
        {"SITUAÇÃO", "NOMESITUACAO", "", false},
    };
    const auto rotulo7 = estilo(7, true, rel::Alinhamento::Direita);
    double topo = kLinhaTopo;
    for (const LinhaCartao& l : linhas) {
        auto& r = cartao.adicionar<rel::ItemTexto>(
            QRectF(kRotuloEsquerda, topo, kRotuloLargura, kLinhaAltura),
            QString::fromUtf8(l.rotulo));
        r.setEstilo(rotulo7);
        // The situation's description may be long: it has the rest of the card.
        const double largura = l.negrito ? kValorLargura : 182.0 - 2.0 - kValorEsquerda;
        auto& v = cartao.adicionar<rel::ItemCampo>(
            QRectF(kValorEsquerda, topo, largura, kLinhaAltura), QString::fromLatin1(l.campo));
        v.setNome(QString::fromLatin1(l.campo));
        v.setEstilo(estilo(7, l.negrito, rel::Alinhamento::Esquerda));
        v.setFormato(QString::fromLatin1(l.formato));
        topo += kLinhaPasso;
    }
    auto& via = cartao.adicionar<rel::ItemCampo>(
        QRectF(kValorEsquerda + kValorLargura + 1, kLinhaTopo - 0.4, 22, 4),
        QStringLiteral("DESCRVIA"));
    via.setNome(QStringLiteral("DESCRVIA"));
    via.setEstilo(estilo(8, true, rel::Alinhamento::Centro));

    m_codigoBarras = &cartao.adicionar<rel::ItemCodigoBarras>(
        QRectF(kRotuloEsquerda, topo + 1.0, 182.0 - 2.0 - kRotuloEsquerda, 13.0),
        QStringLiteral("CODBARRA"));
    m_codigoBarras->setNome(QStringLiteral("CODBARRA"));
    m_codigoBarras->setAlinhamento(rel::Alinhamento::Centro);
    prepararImpressao();
}

void RelatorioCarteira::prepararImpressao() {
    m_relatorio.detalhe().setAltura(kAlturaCartao);
    m_codigoBarras->setLarguraEstreita(kLarguraEstreita);
    m_codigoBarras->setRazaoLarga(kRazaoLarga);
    m_codigoBarras->setAltura(kAlturaBarras);
}

}  // namespace rh::servants
