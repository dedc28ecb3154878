#include "LeitoresArquivo.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QProcess>
#include <QStringList>

namespace rh::teste {

namespace {

constexpr const char* kPlanilha = R"(
import json, sys, openpyxl
livro = openpyxl.load_workbook(sys.argv[1])
folha = livro.active
linhas = [[{'valor': c.value, 'tipo': type(c.value).__name__, 'negrito': bool(c.font is not None and c.font.b)}
           for c in linha] for linha in folha.iter_rows()]
print(json.dumps({'folha': folha.title, 'linhas': linhas}))
)";

constexpr const char* kDocumento = R"(
import json, sys, zipfile
import xml.etree.ElementTree as ET
ns = {'office': 'urn:oasis:names:tc:opendocument:xmlns:office:1.0',
      'style': 'urn:oasis:names:tc:opendocument:xmlns:style:1.0',
      'text': 'urn:oasis:names:tc:opendocument:xmlns:text:1.0',
      'table': 'urn:oasis:names:tc:opendocument:xmlns:table:1.0',
      'fo': 'urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0'}
def q(nome):
    p, n = nome.split(':')
    return '{%s}%s' % (ns[p], n)
raiz = ET.fromstring(zipfile.ZipFile(sys.argv[1]).read('content.xml'))
negritos = {e.get(q('style:name')) for e in raiz.iter(q('style:style'))
            for p in e.findall('style:text-properties', ns) if p.get(q('fo:font-weight')) in ('bold', '700')}
def negrito(celula):
    return any(e.get(q('text:style-name')) in negritos for e in celula.iter())
# The writer indents its XML; a reader collapses white space (the exported
# values have no runs of spaces).
def texto(elem):
    return ' '.join(''.join(elem.itertext()).split())
antes, linhas = [], []
for filho in raiz.find('office:body/office:text', ns):
    if filho.tag == q('table:table'):
        for linha in filho.iter(q('table:table-row')):
            linhas.append([{'texto': texto(c), 'negrito': negrito(c)}
                           for c in linha.findall('table:table-cell', ns)])
        break
    antes.append(texto(filho))
print(json.dumps({'antes': antes, 'linhas': linhas}))
)";

QByteArray executar(const QString& programa, const QStringList& argumentos) {
    QProcess processo;
    processo.start(programa, argumentos);
    if (!processo.waitForStarted(10'000) || !processo.waitForFinished(60'000)) {
        ADD_FAILURE() << programa.toStdString() << ": " << processo.errorString().toStdString();
        return {};
    }
    if (processo.exitStatus() != QProcess::NormalExit || processo.exitCode() != 0) {
        ADD_FAILURE() << programa.toStdString() << " recusou o arquivo:\n"
                      << processo.readAllStandardError().toStdString();
    }
    return processo.readAllStandardOutput();
}

QJsonObject lerJson(const char* script, const QString& caminho) {
    const QByteArray saida = executar(QStringLiteral("/usr/bin/python3"),
                                      {QStringLiteral("-c"), QString::fromUtf8(script), caminho});
    QJsonParseError erro{};
    const QJsonDocument documento = QJsonDocument::fromJson(saida, &erro);
    EXPECT_EQ(erro.error, QJsonParseError::NoError) << saida.toStdString();
    return documento.object();
}

}  // namespace

QJsonObject lerPlanilha(const QString& caminho) {
    return lerJson(kPlanilha, caminho);
}

QJsonObject lerDocumento(const QString& caminho) {
    return lerJson(kDocumento, caminho);
}

QString textoDoDocumento(const QString& caminho) {
    return QString::fromUtf8(
        executar(QStringLiteral("odt2txt"), {QStringLiteral("--encoding=UTF-8"), caminho}));
}

}  // namespace rh::teste
