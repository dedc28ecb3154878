#include "platform/exportacao/EscritorOdt.h"

#include "LeituraExterna.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

using namespace rh::exportacao;

// Reads content.xml of the document and prints as JSON the texts of the
// paragraphs before the first table and, for each table row, each cell's
// text and whether all of its visible text is bold (through the automatic or
// common styles of its paragraphs and spans).
constexpr const char* kLerDocumento = R"(
import json, re, sys, zipfile
import xml.etree.ElementTree as ET
ns = {'office': 'urn:oasis:names:tc:opendocument:xmlns:office:1.0',
      'style': 'urn:oasis:names:tc:opendocument:xmlns:style:1.0',
      'text': 'urn:oasis:names:tc:opendocument:xmlns:text:1.0',
      'table': 'urn:oasis:names:tc:opendocument:xmlns:table:1.0',
      'fo': 'urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0'}
def q(nome):
    p, n = nome.split(':')
    return '{%s}%s' % (ns[p], n)
with zipfile.ZipFile(sys.argv[1]) as z:
    raizes = [ET.fromstring(z.read(n)) for n in ('content.xml', 'styles.xml') if n in z.namelist()]
negritos = set()
for raiz in raizes:
    for estilo in raiz.iter(q('style:style')):
        for props in estilo.findall('style:text-properties', ns):
            if props.get(q('fo:font-weight')) in ('bold', '700'):
                negritos.add(estilo.get(q('style:name')))
# (kind, text, bold) pieces of a paragraph; kind 'ws' is white space of the
# XML text, which ODF readers collapse, 'lit' is literal text.
def trechos(elem, negrito=False):
    negrito = negrito or elem.get(q('text:style-name')) in negritos
    def do_texto(t):
        for parte in re.split(r'([ \t\r\n]+)', t or ''):
            if parte:
                yield ('ws' if parte.isspace() else 'lit'), parte, negrito
    yield from do_texto(elem.text)
    for filho in elem:
        if filho.tag == q('text:s'):
            yield 'lit', ' ' * int(filho.get(q('text:c'), '1')), negrito
        elif filho.tag == q('text:tab'):
            yield 'lit', '\t', negrito
        elif filho.tag == q('text:line-break'):
            yield 'lit', '\n', negrito
        else:
            yield from trechos(filho, negrito)
        yield from do_texto(filho.tail)
# The text a reader shows: collapsed white space dropped at the start of a
# line and after a space; trailing blanks of a line (the writer puts a tab
# before each break) are invisible and dropped.
def texto(p):
    saida = ''
    for tipo, t, _ in trechos(p):
        if tipo == 'ws':
            if saida and saida[-1] not in ' \n':
                saida += ' '
        else:
            saida += t
    return '\n'.join(l.rstrip(' \t') for l in saida.split('\n'))
def negrito(ps):
    partes = [n for p in ps for tipo, t, n in trechos(p) if tipo == 'lit' and t.strip()]
    return bool(partes) and all(partes)
corpo = raizes[0].find('office:body/office:text', ns)
antes, linhas = [], []
for filho in corpo:
    if filho.tag == q('table:table'):
        for linha in filho.iter(q('table:table-row')):
            celulas = []
            for celula in linha.findall('table:table-cell', ns):
                ps = celula.findall('text:p', ns)
                celulas.append({'texto': '\n'.join(texto(p) for p in ps), 'negrito': negrito(ps)})
            linhas.append(celulas)
        break
    if filho.tag in (q('text:p'), q('text:h')):
        antes.append(texto(filho))
print(json.dumps({'antes': antes, 'linhas': linhas}))
)";

class EscritorOdtTest : public ::testing::Test {
protected:
    QString caminho() const { return m_pasta.filePath(QStringLiteral("relação.odt")); }
    QTemporaryDir m_pasta;
};

TEST_F(EscritorOdtTest, TituloParagrafosETabelaComCabecalhoEmNegrito) {
    EscritorOdt escritor(caminho(), QStringLiteral("Servidores por lotação.DOC"));
    escritor.iniciar({{QStringLiteral("Matrícula"), TipoColuna::Texto},
                      {QStringLiteral("Nome"), TipoColuna::Texto},
                      {QStringLiteral("Salário"), TipoColuna::Decimal}});
    escritor.escreverLinha(
        {{QStringLiteral("007"), QStringLiteral("007")},
         {QStringLiteral("Maria  da Conceição"), QStringLiteral("Maria  da Conceição")},
         {1234.5, QStringLiteral("1.234,50")}});
    escritor.escreverLinha(
        {{QStringLiteral("  1200"), QStringLiteral("  1200")},
         {QStringLiteral("Rua A\r\nnº 5\nfundos"), QStringLiteral("Rua A\r\nnº 5\nfundos")},
         {QVariant(), QString()}});
    escritor.concluir();

    const QJsonObject lido = rh::testes::lerComPython(kLerDocumento, caminho()).object();
    EXPECT_EQ(lido.value(u"antes").toArray(),
              (QJsonArray{QStringLiteral("Servidores por lotação.DOC"), QString(), QString()}));

    struct Celula {
        QString texto;
        bool negrito;
    };
    const QList<QList<Celula>> esperado = {
        {{"Matrícula", true}, {"Nome", true}, {"Salário", true}},
        {{"007", false}, {"Maria  da Conceição", false}, {"1.234,50", false}},
        {{"  1200", false}, {"Rua A\nnº 5\nfundos", false}, {"", false}},
    };
    const QJsonArray linhas = lido.value(u"linhas").toArray();
    ASSERT_EQ(linhas.size(), esperado.size());
    for (qsizetype r = 0; r < esperado.size(); ++r) {
        const QJsonArray celulas = linhas.at(r).toArray();
        ASSERT_EQ(celulas.size(), esperado.at(r).size()) << "linha " << r + 1;
        for (qsizetype c = 0; c < celulas.size(); ++c) {
            SCOPED_TRACE("linha " + std::to_string(r + 1) + ", coluna " + std::to_string(c + 1));
            const QJsonObject celula = celulas.at(c).toObject();
            EXPECT_EQ(celula.value(u"texto").toString().toStdString(),
                      esperado.at(r).at(c).texto.toStdString());
            EXPECT_EQ(celula.value(u"negrito").toBool(), esperado.at(r).at(c).negrito);
        }
    }

    // An independent reader sees the same text.
    const QString texto = QString::fromUtf8(rh::testes::executarLeitor(
        QStringLiteral("odt2txt"), {QStringLiteral("--encoding=UTF-8"), caminho()}));
    for (const char* trecho :
         {"Servidores por lotação.DOC", "Matrícula", "Conceição", "1.234,50", "1200", "nº 5"}) {
        EXPECT_TRUE(texto.contains(QString::fromUtf8(trecho))) << trecho << "\n"
                                                               << texto.toStdString();
    }
}

TEST_F(EscritorOdtTest, ConjuntoVazioTemSoOCabecalho) {
    EscritorOdt escritor(caminho(), QStringLiteral("Vazio"));
    escritor.iniciar({{QStringLiteral("Nome"), TipoColuna::Texto}});
    escritor.concluir();
    const QJsonObject lido = rh::testes::lerComPython(kLerDocumento, caminho()).object();
    const QJsonArray linhas = lido.value(u"linhas").toArray();
    ASSERT_EQ(linhas.size(), 1);
    EXPECT_EQ(linhas.at(0).toArray().at(0).toObject().value(u"texto").toString().toStdString(),
              "Nome");
    EXPECT_TRUE(linhas.at(0).toArray().at(0).toObject().value(u"negrito").toBool());
}

}  // namespace
