// Reports rendered to PDF and read back with poppler: what a user sees on paper.
#include "support/PdfTexto.h"

#include "platform/relatorio/ErroRelatorio.h"
#include "platform/relatorio/FonteDadosMemoria.h"
#include "platform/relatorio/Fontes.h"
#include "platform/relatorio/ItemAgregado.h"
#include "platform/relatorio/ItemCampo.h"
#include "platform/relatorio/ItemLinha.h"
#include "platform/relatorio/ItemRetangulo.h"
#include "platform/relatorio/ItemSistema.h"
#include "platform/relatorio/ItemSubRelatorio.h"
#include "platform/relatorio/ItemTexto.h"
#include "platform/relatorio/ItemTextoRico.h"
#include "platform/relatorio/Relatorio.h"
#include "platform/relatorio/Saida.h"

#include <QFile>
#include <QFontInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace rh::relatorio {
namespace {

using teste::encontrar;
using teste::PaginaPdf;
using teste::paginasTextoPdf;
using teste::palavrasPdf;

// The parts appear in this order in the text (blanks collapsed).
::testing::AssertionResult emOrdem(const QString& texto, const QStringList& partes) {
    QString simples = texto;
    simples.replace(QRegularExpression(QStringLiteral("[ \\t]+")), QStringLiteral(" "));
    qsizetype desde = 0;
    for (const QString& parte : partes) {
        const qsizetype achado = simples.indexOf(parte, desde);
        if (achado < 0) {
            return ::testing::AssertionFailure()
                   << "\"" << parte.toStdString() << "\" não aparece depois da posição " << desde
                   << " em:\n" << simples.toStdString();
        }
        desde = achado + parte.size();
    }
    return ::testing::AssertionSuccess();
}

class RelatorioPdf : public ::testing::Test {
protected:
    QString gerarPdf(Relatorio& relatorio, const QString& nome = QStringLiteral("relatorio.pdf")) {
        const QString caminho = m_pasta.filePath(nome);
        const ResultadoSaida resultado = renderizarPdf(relatorio, caminho);
        EXPECT_TRUE(resultado.ok) << resultado.erro.toStdString();
        return caminho;
    }
    static ItemTexto& texto(Banda& banda, const QRectF& mm, const QString& conteudo) {
        return banda.adicionar<ItemTexto>(mm, conteudo);
    }
    QTemporaryDir m_pasta;
};

FonteDadosMemoria servidores() {
    return FonteDadosMemoria(
        {QStringLiteral("NOME"), QStringLiteral("NUMMATRIC"), QStringLiteral("DTNASC"), QStringLiteral("UNIDADE"),
         QStringLiteral("QTD")},
        {{QStringLiteral("Ana Souza"), qlonglong(123), QDate(1970, 3, 10), QStringLiteral("SEDE"), 2},
         {QStringLiteral("Bruno Lima"), qlonglong(4567), QDate(1980, 12, 1), QStringLiteral("SEDE"), 5},
         {QStringLiteral("Carla Dias"), qlonglong(89), QVariant(), QStringLiteral("SEDE"), 4},
         {QStringLiteral("Davi Reis"), qlonglong(1000000), QDate(1991, 1, 31), QStringLiteral("NORTE"), 3},
         {QStringLiteral("Elis Melo"), qlonglong(55), QDate(1965, 7, 4), QStringLiteral("NORTE"), 4}});
}

TEST_F(RelatorioPdf, ImprimeCamposFormatadosNaOrdemDasLinhasComFontesEmbutidas) {
    FonteDadosMemoria fonte = servidores();
    Relatorio relatorio;
    relatorio.setFonteDados(&fonte);
    relatorio.cabecalhoPagina().setAltura(12);
    ItemTexto& titulo = texto(relatorio.cabecalhoPagina(), QRectF(0, 0, 190, 8), QStringLiteral("RELAÇÃO DOS SERVIDORES"));
    titulo.estilo().alinhamento = Alinhamento::Centro;
    titulo.estilo().negrito = true;
    titulo.estilo().familia = QStringLiteral("Tahoma");
    Banda& detalhe = relatorio.detalhe();
    detalhe.setAltura(6);
    auto& nome = detalhe.adicionar<ItemCampo>(QRectF(0, 0, 80, 5), QStringLiteral("NOME"));
    nome.estilo().maiusculas = true;
    detalhe.adicionar<ItemCampo>(QRectF(85, 0, 30, 5), QStringLiteral("NUMMATRIC")).setFormato(QStringLiteral("0000000"));
    auto& nascimento = detalhe.adicionar<ItemCampo>(QRectF(120, 0, 40, 5), QStringLiteral("DTNASC"));
    nascimento.setFormato(QStringLiteral("dd/mm/yyyy"));
    nascimento.setPrefixo(QStringLiteral("Nasc.: "));

    const QString caminho = gerarPdf(relatorio);
    EXPECT_TRUE(emOrdem(teste::textoPdf(caminho),
                        {QStringLiteral("RELAÇÃO DOS SERVIDORES"), QStringLiteral("ANA SOUZA 0000123 Nasc.: 10/03/1970"),
                         QStringLiteral("BRUNO LIMA 0004567 Nasc.: 01/12/1980"),
                         QStringLiteral("CARLA DIAS 0000089\n"),  // no birth date: no prefix either
                         QStringLiteral("DAVI REIS 1000000 Nasc.: 31/01/1991"),
                         QStringLiteral("ELIS MELO 0000055 Nasc.: 04/07/1965")}));

    QProcess pdffonts;
    pdffonts.start(QStringLiteral("pdffonts"), {caminho});
    ASSERT_TRUE(pdffonts.waitForFinished(30000));
    const QString fontes = QString::fromUtf8(pdffonts.readAllStandardOutput());
    EXPECT_TRUE(fontes.contains(QStringLiteral("LiberationSans"))) << fontes.toStdString();
    EXPECT_TRUE(fontes.contains(QStringLiteral("DejaVuSans-Bold"))) << fontes.toStdString();
    for (const QString& linha : fontes.split(QLatin1Char('\n')).mid(2)) {
        if (linha.trimmed().isEmpty()) continue;
        // Columns: name, type, encoding, emb, sub, uni, object, generation.
        static const QRegularExpression colunas(QStringLiteral("\\s(yes|no)\\s+(yes|no)\\s+(yes|no)\\s+\\d+\\s+\\d+\\s*$"));
        const auto achado = colunas.match(linha);
        EXPECT_TRUE(achado.hasMatch() && achado.captured(1) == QLatin1String("yes"))
            << "fonte não embutida: " << linha.toStdString();
    }
}

TEST(Fontes, SubstituemAsFontesDosRelatoriosPorCompativeisInstaladas) {
    const struct {
        const char* pedida;
        const char* instalada;
    } casos[] = {{"Arial", "Liberation Sans"},
                 {"Courier New", "Liberation Mono"},
                 {"Times New Roman", "Liberation Serif"},
                 {"Tahoma", "DejaVu Sans"},
                 {"MS Sans Serif", "DejaVu Sans"}};
    for (const auto& caso : casos) {
        EstiloTexto estilo;
        estilo.familia = QString::fromLatin1(caso.pedida);
        EXPECT_EQ(QFontInfo(Fontes::fonteReferencia(estilo)).family(), QString::fromLatin1(caso.instalada))
            << caso.pedida;
    }
}

TEST_F(RelatorioPdf, QuebraPaginasENumeraPaginaDeTotal) {
    FonteDadosMemoria fonte({QStringLiteral("N")});
    for (int i = 1; i <= 60; ++i) fonte.adicionarLinha({i});
    Relatorio relatorio;
    relatorio.pagina().setMargens({10, 10, 10, 10});
    relatorio.setFonteDados(&fonte);
    relatorio.cabecalhoPagina().setAltura(17);
    texto(relatorio.cabecalhoPagina(), QRectF(0, 0, 100, 6), QStringLiteral("CABEÇALHO"));
    relatorio.detalhe().setAltura(10);
    relatorio.detalhe().adicionar<ItemCampo>(QRectF(0, 0, 50, 6), QStringLiteral("N")).setPrefixo(QStringLiteral("linha "));
    relatorio.rodapePagina().setAltura(10);
    relatorio.rodapePagina().adicionar<ItemSistema>(QRectF(150, 2, 40, 6), ValorSistema::PaginaDeTotal)
        .setPrefixo(QStringLiteral("Pág.: "));
    relatorio.sumario().setAltura(8);
    texto(relatorio.sumario(), QRectF(0, 0, 60, 6), QStringLiteral("FIM DA LISTA"));

    // 297 - 20 margins - 17 header - 10 footer leaves 250 mm: 25 rows a page.
    const QStringList paginas = paginasTextoPdf(gerarPdf(relatorio));
    ASSERT_EQ(paginas.size(), 3);
    for (int p = 0; p < 3; ++p) {
        const int primeira = p * 25 + 1, ultima = std::min(60, primeira + 24);
        EXPECT_TRUE(emOrdem(paginas[p], {QStringLiteral("CABEÇALHO"), QStringLiteral("linha %1\n").arg(primeira),
                                         QStringLiteral("linha %1\n").arg(ultima),
                                         QStringLiteral("Pág.: %1/3").arg(p + 1)}));
        EXPECT_FALSE(paginas[p].contains(QStringLiteral("linha %1\n").arg(ultima + 1)));
    }
    EXPECT_TRUE(emOrdem(paginas[2], {QStringLiteral("linha 60"), QStringLiteral("FIM DA LISTA")}));
}

// The frame of a unit-grouped list: a new page per unit, numbering (rows and
// pages) restarting, totals per unit and for the whole report.
void montarListaPorUnidade(Relatorio& relatorio) {
    relatorio.rodapePagina().setAltura(8);
    relatorio.rodapePagina().adicionar<ItemSistema>(QRectF(150, 1, 40, 6), ValorSistema::PaginaDeTotal)
        .setPrefixo(QStringLiteral("Pág.: "));
    Grupo& unidade = relatorio.adicionarGrupo(QStringLiteral("unidade"), QStringLiteral("UNIDADE"));
    unidade.cabecalho().setAltura(8);
    unidade.cabecalho().adicionar<ItemCampo>(QRectF(0, 0, 80, 6), QStringLiteral("UNIDADE"))
        .setPrefixo(QStringLiteral("Unidade: "));
    unidade.rodape().setAltura(8);
    unidade.rodape().adicionar<ItemTexto>(QRectF(0, 0, 60, 6), QStringLiteral("TOTAL POR UNIDADE:"));
    unidade.rodape().adicionar<ItemAgregado>(QRectF(70, 0, 20, 6), TipoAgregado::Soma, QStringLiteral("QTD"))
        .setGrupo(QStringLiteral("unidade"));
    relatorio.detalhe().setAltura(6);
    auto& ordem = relatorio.detalhe().adicionar<ItemAgregado>(QRectF(0, 0, 10, 5), TipoAgregado::Contagem);
    ordem.setGrupo(QStringLiteral("unidade"));
    ordem.setSufixo(QStringLiteral("."));
    relatorio.detalhe().adicionar<ItemCampo>(QRectF(12, 0, 80, 5), QStringLiteral("NOME"));
    relatorio.sumario().setAltura(8);
    relatorio.sumario().adicionar<ItemTexto>(QRectF(0, 0, 60, 6), QStringLiteral("TOTAL GERAL:"));
    relatorio.sumario().adicionar<ItemAgregado>(QRectF(70, 0, 20, 6), TipoAgregado::Soma, QStringLiteral("QTD"))
        .setFormato(QStringLiteral("#,##0.00"));
}

TEST_F(RelatorioPdf, GrupoComNovaPaginaReiniciaContagemENumeracaoESomaTotais) {
    FonteDadosMemoria fonte = servidores();
    Relatorio relatorio;
    relatorio.setFonteDados(&fonte);
    montarListaPorUnidade(relatorio);
    Grupo& unidade = *relatorio.grupo(QStringLiteral("unidade"));
    unidade.setNovaPagina(true);
    unidade.setReiniciaNumeracaoPaginas(true);

    const QStringList paginas = paginasTextoPdf(gerarPdf(relatorio));
    ASSERT_EQ(paginas.size(), 2);
    EXPECT_TRUE(emOrdem(paginas[0], {QStringLiteral("Unidade: SEDE"), QStringLiteral("1. Ana Souza"),
                                     QStringLiteral("2. Bruno Lima"), QStringLiteral("3. Carla Dias"),
                                     QStringLiteral("TOTAL POR UNIDADE: 11"), QStringLiteral("Pág.: 1/1")}));
    EXPECT_TRUE(emOrdem(paginas[1], {QStringLiteral("Unidade: NORTE"), QStringLiteral("1. Davi Reis"),
                                     QStringLiteral("2. Elis Melo"), QStringLiteral("TOTAL POR UNIDADE: 7"),
                                     QStringLiteral("TOTAL GERAL: 18,00"), QStringLiteral("Pág.: 1/1")}));
}

TEST_F(RelatorioPdf, GrupoSemReinicioContaTudoNumaListaContinua) {
    // The same report with the unit break switched off, as the general list
    // does: break on the name, header hidden, counters never restarted.
    FonteDadosMemoria fonte = servidores();
    Relatorio relatorio;
    relatorio.setFonteDados(&fonte);
    montarListaPorUnidade(relatorio);
    Grupo& unidade = *relatorio.grupo(QStringLiteral("unidade"));
    unidade.setCampoQuebra(QStringLiteral("NOME"));
    unidade.setReiniciaContadores(false);
    unidade.cabecalho().setVisivel(false);
    unidade.rodape().setVisivel(false);

    const QStringList paginas = paginasTextoPdf(gerarPdf(relatorio));
    ASSERT_EQ(paginas.size(), 1);
    EXPECT_TRUE(emOrdem(paginas[0], {QStringLiteral("1. Ana Souza"), QStringLiteral("3. Carla Dias"),
                                     QStringLiteral("4. Davi Reis"), QStringLiteral("5. Elis Melo"),
                                     QStringLiteral("TOTAL GERAL: 18,00"), QStringLiteral("Pág.: 1/1")}));
    EXPECT_FALSE(paginas[0].contains(QStringLiteral("Unidade:")));
}

TEST_F(RelatorioPdf, GrupoMantidoJuntoPassaInteiroParaAPaginaSeguinte) {
    FonteDadosMemoria fonte({QStringLiteral("G"), QStringLiteral("N")});
    for (int i = 1; i <= 20; ++i) fonte.adicionarLinha({QStringLiteral("A"), i});
    for (int i = 21; i <= 30; ++i) fonte.adicionarLinha({QStringLiteral("B"), i});
    Relatorio relatorio;
    relatorio.setFonteDados(&fonte);
    Grupo& grupo = relatorio.adicionarGrupo(QStringLiteral("g"), QStringLiteral("G"));
    grupo.setManterJunto(true);
    grupo.cabecalho().adicionar<ItemCampo>(QRectF(0, 0, 50, 6), QStringLiteral("G")).setPrefixo(QStringLiteral("Grupo "));
    grupo.cabecalho().setAltura(8);
    relatorio.detalhe().setAltura(12);
    relatorio.detalhe().adicionar<ItemCampo>(QRectF(0, 0, 50, 6), QStringLiteral("N")).setPrefixo(QStringLiteral("linha "));
    // Group A takes 248 mm of 277; group B (128 mm) would not fit below it.
    const QStringList paginas = paginasTextoPdf(gerarPdf(relatorio));
    ASSERT_EQ(paginas.size(), 2);
    EXPECT_TRUE(emOrdem(paginas[0], {QStringLiteral("Grupo A"), QStringLiteral("linha 20\n")}));
    EXPECT_FALSE(paginas[0].contains(QStringLiteral("Grupo B")));
    EXPECT_TRUE(emOrdem(paginas[1], {QStringLiteral("Grupo B"), QStringLiteral("linha 21\n"), QStringLiteral("linha 30")}));
}

TEST_F(RelatorioPdf, EtiquetasEmColunasCaemNasPosicoesDaFolhaJisB5) {
    const struct {
        OrdemColunas ordem;
        // label index (0-based) -> column, row on its page, page
        int coluna[9], linha[9], pagina[9];
    } casos[] = {
        {OrdemColunas::AtravesDepoisAbaixo, {0, 1, 0, 1, 0, 1, 0, 1, 0}, {0, 0, 1, 1, 2, 2, 3, 3, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 1}},
        {OrdemColunas::AbaixoDepoisAtraves, {0, 0, 0, 0, 1, 1, 1, 1, 0}, {0, 1, 2, 3, 0, 1, 2, 3, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 1}},
    };
    for (const auto& caso : casos) {
        FonteDadosMemoria fonte({QStringLiteral("NOME")});
        for (int i = 1; i <= 9; ++i) fonte.adicionarLinha({QStringLiteral("ETQ%1").arg(i)});
        Relatorio relatorio;
        relatorio.pagina().setTamanho(TamanhoPapel::JisB5);
        relatorio.pagina().setMargens({0, 0, 0.5, 0});
        relatorio.setFonteDados(&fonte);
        relatorio.cabecalhoPagina().setAltura(5.556);
        relatorio.colunas().quantidade = 2;
        relatorio.colunas().inicios = {5.0, 95.0};
        relatorio.colunas().largura = 80;
        relatorio.colunas().alturaEtiqueta = 59.7;
        relatorio.colunas().ordem = caso.ordem;
        relatorio.detalhe().setAltura(59.7);
        relatorio.detalhe().adicionar<ItemRetangulo>(QRectF(0, 0, 80, 59.7));
        relatorio.detalhe().adicionar<ItemCampo>(QRectF(10, 20, 60, 6), QStringLiteral("NOME"));

        std::vector<PaginaPdf> paginas;
        const auto palavras = palavrasPdf(gerarPdf(relatorio), &paginas);
        ASSERT_EQ(paginas.size(), 2u);
        // PDF page boxes are whole points: 257 mm is written as 729 pt (257.18 mm).
        EXPECT_NEAR(paginas[0].largura, 182.0, 0.2);
        EXPECT_NEAR(paginas[0].altura, 257.0, 0.2);
        for (int i = 0; i < 9; ++i) {
            const auto achadas = encontrar(palavras, QStringLiteral("ETQ%1").arg(i + 1));
            ASSERT_EQ(achadas.size(), 1u) << "etiqueta " << i + 1;
            const double esquerdaEsperada = (caso.coluna[i] == 0 ? 5.0 : 95.0) + 10.0;
            const double topoEsperado = 0.5 + 5.556 + caso.linha[i] * 59.7 + 20.0;
            EXPECT_EQ(achadas[0].pagina, caso.pagina[i]) << "etiqueta " << i + 1;
            EXPECT_NEAR(achadas[0].esquerda, esquerdaEsperada, 0.5) << "etiqueta " << i + 1;
            EXPECT_NEAR(achadas[0].topo, topoEsperado, 1.0) << "etiqueta " << i + 1;
        }
    }
}

TEST_F(RelatorioPdf, TextoQueEsticaEmpurraAsBandasSeguintes) {
    const QString longo = QStringLiteral(
        "Este texto longo ocupa várias linhas porque a caixa tem só quarenta milímetros de largura "
        "e o detalhe precisa crescer para mostrar tudo até a palavra FINAL");
    FonteDadosMemoria fonte({QStringLiteral("TEXTO")}, {{longo}, {QStringLiteral("SEGUINTE")}});
    Relatorio relatorio;
    relatorio.setFonteDados(&fonte);
    relatorio.detalhe().setAltura(7);
    auto& campo = relatorio.detalhe().adicionar<ItemCampo>(QRectF(0, 1, 40, 5), QStringLiteral("TEXTO"));
    campo.estilo().quebraLinha = QuebraLinha::Sim;
    campo.estilo().estica = true;
    campo.estilo().alinhamento = Alinhamento::Justificado;
    auto& moldura = relatorio.detalhe().adicionar<ItemRetangulo>(QRectF(0, 0, 42, 7));
    moldura.setAcompanhaBanda(true);
    relatorio.sumario().setAltura(6);
    relatorio.sumario().adicionar<ItemTextoRico>(
        QRectF(0, 0, 60, 4),
        QStringLiteral("<p style='font-family:Arial; font-size:10pt'><b>Rico</b> primeiro parágrafo que "
                       "também quebra em várias linhas nesta largura</p><p>ÚLTIMO</p>"));
    relatorio.rodapePagina().setAltura(6);
    texto(relatorio.rodapePagina(), QRectF(0, 0, 60, 5), QStringLiteral("RODAPÉ"));
    relatorio.pagina().setMargens({10, 10, 10, 10});

    const auto palavras = palavrasPdf(gerarPdf(relatorio));
    const auto primeira = encontrar(palavras, QStringLiteral("Este"));
    const auto final = encontrar(palavras, QStringLiteral("FINAL"));
    const auto seguinte = encontrar(palavras, QStringLiteral("SEGUINTE"));
    const auto rico = encontrar(palavras, QStringLiteral("Rico"));
    const auto ultimo = encontrar(palavras, QStringLiteral("ÚLTIMO"));
    ASSERT_EQ(final.size(), 1u);
    ASSERT_EQ(seguinte.size(), 1u);
    ASSERT_EQ(rico.size(), 1u);
    ASSERT_EQ(ultimo.size(), 1u);
    EXPECT_GT(final[0].topo, primeira[0].topo + 15);  // several lines
    EXPECT_GT(seguinte[0].topo, final[0].base);       // the next row moved below the stretched one
    EXPECT_GT(rico[0].topo, seguinte[0].base);
    EXPECT_GT(ultimo[0].topo, rico[0].base + 3);      // the rich text grew past its 4 mm
    EXPECT_NEAR(ultimo[0].base - ultimo[0].topo, 10 * 25.4 / 72 * 1.15, 1.0);  // 10 pt text, not shrunk
    const auto rodape = encontrar(palavras, QStringLiteral("RODAPÉ"));
    ASSERT_EQ(rodape.size(), 1u);
    EXPECT_NEAR(rodape[0].topo, 297 - 10 - 6, 1.0);
}

TEST_F(RelatorioPdf, TextoGiradoNoventaGrausLeParaCima) {
    Relatorio relatorio;
    relatorio.titulo().setAltura(40);
    auto& girado = texto(relatorio.titulo(), QRectF(20, 0, 8, 35), QStringLiteral("VERTICAL"));
    girado.estilo().rotacao = Rotacao::Graus90;
    girado.estilo().tamanho = 12;
    const auto palavras = palavrasPdf(gerarPdf(relatorio));
    const auto achadas = encontrar(palavras, QStringLiteral("VERTICAL"));
    ASSERT_EQ(achadas.size(), 1u);
    const auto& p = achadas[0];
    EXPECT_GT(p.base - p.topo, 3 * (p.direita - p.esquerda));  // tall and narrow
    EXPECT_NEAR(p.esquerda, 10 + 20, 1.0);
    EXPECT_GT(p.topo, 10.0 - 0.5);
    EXPECT_LT(p.base, 10.0 + 35 + 0.5);
}

TEST_F(RelatorioPdf, EventosMudamTextoPosicaoEVisibilidadeAntesDeImprimir) {
    FonteDadosMemoria fonte({QStringLiteral("NOME"), QStringLiteral("SITUACAO")},
                            {{QStringLiteral("ANA"), QStringLiteral("A")},
                             {QStringLiteral("BIA"), QStringLiteral("E")},
                             {QStringLiteral("CAIO"), QStringLiteral("A")}});
    Relatorio relatorio;
    relatorio.setFonteDados(&fonte);
    relatorio.detalhe().setAltura(10);
    auto& inicial = texto(relatorio.detalhe(), QRectF(0, 0, 10, 6), QString());
    auto& lotacao = texto(relatorio.detalhe(), QRectF(50, 0, 40, 6), QStringLiteral("LOTADO"));
    int contador = 0;
    relatorio.setAoIniciar([&] {
        contador = 0;
        inicial.setEsquerda(0);
    });
    relatorio.detalhe().setAntesImprimir([&](EventoBanda&) { ++contador; });
    inicial.setAntesImprimir([&](EventoItem& evento) {
        // Like the pendular labels: one letter per box, items shifted for some labels.
        inicial.setTexto(evento.linha.valor(QStringLiteral("NOME")).toString().left(1));
        evento.texto = inicial.texto();
        if (contador == 2) inicial.setEsquerda(5);
    });
    lotacao.setAntesImprimir([](EventoItem& evento) {
        evento.imprimir = evento.linha.valor(QStringLiteral("SITUACAO")).toString() != QLatin1String("E");
    });

    for (int vez = 0; vez < 2; ++vez) {  // the start handler makes a second run print the same
        const auto palavras = palavrasPdf(gerarPdf(relatorio, QStringLiteral("eventos%1.pdf").arg(vez)));
        const auto a = encontrar(palavras, QStringLiteral("A"));
        const auto b = encontrar(palavras, QStringLiteral("B"));
        const auto c = encontrar(palavras, QStringLiteral("C"));
        ASSERT_EQ(a.size(), 1u);
        ASSERT_EQ(b.size(), 1u);
        ASSERT_EQ(c.size(), 1u);
        EXPECT_NEAR(a[0].esquerda, 10.0, 0.5);
        EXPECT_NEAR(b[0].esquerda, 15.0, 0.5);  // moved by the handler, and it stays moved
        EXPECT_NEAR(c[0].esquerda, 15.0, 0.5);
        EXPECT_EQ(encontrar(palavras, QStringLiteral("LOTADO")).size(), 2u);
    }
}

TEST_F(RelatorioPdf, SubRelatorioImprimeOsDependentesDeCadaServidor) {
    FonteDadosMemoria mestre({QStringLiteral("CODUSUARIO"), QStringLiteral("NOME")},
                             {{1, QStringLiteral("ANA")}, {2, QStringLiteral("BRUNO")}, {3, QStringLiteral("CARLA")}});
    FonteDadosMemoria dependentesAna({QStringLiteral("NOMEDEPENDENTE")},
                                     {{QStringLiteral("Filho1")}, {QStringLiteral("Filho2")}});
    FonteDadosMemoria dependentesCarla({QStringLiteral("NOMEDEPENDENTE")}, {{QStringLiteral("Neta3")}});
    Relatorio relatorio;
    relatorio.setFonteDados(&mestre);
    relatorio.detalhe().setAltura(8);
    relatorio.detalhe().adicionar<ItemCampo>(QRectF(0, 0, 60, 6), QStringLiteral("NOME"));
    auto& sub = relatorio.detalhe().adicionar<ItemSubRelatorio>(
        QRectF(30, 7, 100, 1), [&](const Linha& linha) -> FonteDados* {
            switch (linha.valor(QStringLiteral("CODUSUARIO")).toInt()) {
                case 1: return &dependentesAna;
                case 3: return &dependentesCarla;
                default: return nullptr;
            }
        });
    Relatorio& filho = sub.relatorio();
    filho.titulo().setAltura(6);
    filho.titulo().adicionar<ItemTexto>(QRectF(0, 0, 60, 5), QStringLiteral("DEPENDENTES"));
    filho.detalhe().setAltura(6);
    filho.detalhe().adicionar<ItemAgregado>(QRectF(0, 0, 8, 5), TipoAgregado::Contagem).setSufixo(QStringLiteral("-"));
    filho.detalhe().adicionar<ItemCampo>(QRectF(10, 0, 60, 5), QStringLiteral("NOMEDEPENDENTE"));

    const QString caminho = gerarPdf(relatorio);
    EXPECT_TRUE(emOrdem(teste::textoPdf(caminho),
                        {QStringLiteral("ANA"), QStringLiteral("DEPENDENTES"), QStringLiteral("1- Filho1"),
                         QStringLiteral("2- Filho2"), QStringLiteral("BRUNO"), QStringLiteral("CARLA"),
                         QStringLiteral("DEPENDENTES"), QStringLiteral("1- Neta3")}));
    const auto palavras = palavrasPdf(caminho);
    const auto filho1 = encontrar(palavras, QStringLiteral("Filho1"));
    ASSERT_EQ(filho1.size(), 1u);
    EXPECT_NEAR(filho1[0].esquerda, 10 + 30 + 10, 0.5);
    EXPECT_EQ(encontrar(palavras, QStringLiteral("DEPENDENTES")).size(), 2u);  // not for BRUNO
}

TEST_F(RelatorioPdf, FonteVaziaImprimeMolduraOuFormularioEmBranco) {
    const struct {
        QuandoVazio modo;
        bool comRotulo;
    } casos[] = {{QuandoVazio::ImprimirSemDetalhe, false}, {QuandoVazio::ImprimirDetalheEmBranco, true}};
    for (const auto& caso : casos) {
        FonteDadosMemoria fonte({QStringLiteral("NOME")});
        Relatorio relatorio;
        relatorio.setFonteDados(&fonte);
        relatorio.setQuandoVazio(caso.modo);
        relatorio.cabecalhoPagina().setAltura(10);
        texto(relatorio.cabecalhoPagina(), QRectF(0, 0, 80, 6), QStringLiteral("FICHA CADASTRAL"));
        relatorio.detalhe().setAltura(10);
        texto(relatorio.detalhe(), QRectF(0, 0, 40, 6), QStringLiteral("NOME SERVIDOR"));
        relatorio.detalhe().adicionar<ItemCampo>(QRectF(45, 0, 40, 6), QStringLiteral("NOME"));
        const QStringList paginas = paginasTextoPdf(gerarPdf(relatorio));
        ASSERT_EQ(paginas.size(), 1);
        EXPECT_TRUE(paginas[0].contains(QStringLiteral("FICHA CADASTRAL")));
        EXPECT_EQ(paginas[0].contains(QStringLiteral("NOME SERVIDOR")), caso.comRotulo);
    }
}

TEST_F(RelatorioPdf, DesenhoInvalidoNaoGeraArquivoEDizOMotivo) {
    FonteDadosMemoria fonte = servidores();
    Relatorio relatorio;
    relatorio.setFonteDados(&fonte);
    relatorio.detalhe().setAltura(6);
    auto& campo = relatorio.detalhe().adicionar<ItemCampo>(QRectF(0, 0, 50, 5), QStringLiteral("NOMEE"));
    campo.setNome(QStringLiteral("txtNome"));
    const QString caminho = m_pasta.filePath(QStringLiteral("invalido.pdf"));
    ResultadoSaida resultado = renderizarPdf(relatorio, caminho);
    EXPECT_FALSE(resultado.ok);
    EXPECT_EQ(resultado.erro,
              QStringLiteral("O campo \"NOMEE\" usado no item \"txtNome\" não existe na fonte de dados do relatório."));
    EXPECT_FALSE(QFile::exists(caminho));

    campo.setCampo(QStringLiteral("NOME"));
    relatorio.pagina().setMargens({150, 100, 10, 10});
    resultado = renderizarPdf(relatorio, caminho);
    EXPECT_EQ(resultado.erro, QStringLiteral("As margens não deixam espaço para imprimir na página."));

    // A file that cannot be written leaves what was there.
    relatorio.pagina().setMargens({10, 10, 10, 10});
    resultado = renderizarPdf(relatorio, m_pasta.filePath(QStringLiteral("nao/existe/r.pdf")));
    EXPECT_FALSE(resultado.ok);
    EXPECT_TRUE(resultado.erro.startsWith(QStringLiteral("Não foi possível criar o arquivo"))) << resultado.erro.toStdString();
}

TEST_F(RelatorioPdf, PapelEOrientacaoDefinemOTamanhoDaPagina) {
    const struct {
        TamanhoPapel papel;
        Orientacao orientacao;
        double largura, altura;
    } casos[] = {{TamanhoPapel::A4, Orientacao::Paisagem, 297, 210},
                 {TamanhoPapel::Carta, Orientacao::Retrato, 215.9, 279.4},
                 {TamanhoPapel::Oficio, Orientacao::Paisagem, 355.6, 215.9},
                 {TamanhoPapel::JisB5, Orientacao::Retrato, 182, 257},
                 {TamanhoPapel::Personalizado, Orientacao::Retrato, 100, 150}};
    for (const auto& caso : casos) {
        Relatorio relatorio;
        if (caso.papel == TamanhoPapel::Personalizado) {
            relatorio.pagina().setTamanhoPersonalizado(QSizeF(100, 150));
        } else {
            relatorio.pagina().setTamanho(caso.papel);
        }
        relatorio.pagina().setOrientacao(caso.orientacao);
        relatorio.titulo().setAltura(10);
        texto(relatorio.titulo(), QRectF(0, 0, 40, 6), QStringLiteral("PAPEL"));
        std::vector<PaginaPdf> paginas;
        palavrasPdf(gerarPdf(relatorio), &paginas);
        ASSERT_EQ(paginas.size(), 1u);
        EXPECT_NEAR(paginas[0].largura, caso.largura, 0.2);
        EXPECT_NEAR(paginas[0].altura, caso.altura, 0.2);
    }
}

}  // namespace
}  // namespace rh::relatorio
