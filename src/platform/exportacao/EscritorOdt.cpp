#include "platform/exportacao/EscritorOdt.h"

#include "platform/exportacao/ErroExportacao.h"

#include <QBuffer>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextTable>
#include <QTextTableFormat>

namespace rh::exportacao {

namespace {

// A text as the content of one paragraph: line breaks (LF, CR LF, CR)
// become line separators, because a table cell must stay one paragraph for
// the ODF writer to keep it one cell; characters that XML cannot carry (the
// C0 controls other than tab, U+FFFE, U+FFFF) are dropped so the file stays
// readable.
QString textoDeParagrafo(const QString& texto) {
    QString saida;
    saida.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator) {
            saida.append(QChar::LineSeparator);
            if (c == u'\r' && i + 1 < texto.size() && texto.at(i + 1) == u'\n') {
                ++i;
            }
        } else if ((c.unicode() < 0x20 && c != u'\t') || c.unicode() == 0xFFFE ||
                   c.unicode() == 0xFFFF) {
            continue;
        } else {
            saida.append(c);
        }
    }
    return saida;
}

}  // namespace

EscritorOdt::EscritorOdt(QString caminho, QString titulo)
    : m_caminho(std::move(caminho)), m_titulo(std::move(titulo)) {}

EscritorOdt::~EscritorOdt() = default;  // an uncommitted QSaveFile discards its temporary file

void EscritorOdt::iniciar(const QList<ColunaExportada>& colunas) {
    registrarInicio(colunas);
    // Opened now so that a path that cannot be written fails before any record is read.
    m_arquivo = std::make_unique<QSaveFile>(m_caminho);
    if (!m_arquivo->open(QIODevice::WriteOnly)) {
        throw ErroExportacao(QStringLiteral("Não foi possível criar o arquivo ") + m_caminho +
                             QStringLiteral(": ") + m_arquivo->errorString());
    }
    m_titulos.clear();
    for (const ColunaExportada& coluna : colunas) {
        m_titulos.append(textoDeParagrafo(coluna.titulo));
    }
}

void EscritorOdt::escreverLinha(const QList<CelulaExportada>& celulas) {
    verificarLinha(celulas);
    QStringList textos;
    textos.reserve(celulas.size());
    for (const CelulaExportada& celula : celulas) {
        textos.append(textoDeParagrafo(celula.texto));
    }
    m_linhas.append(textos);
}

void EscritorOdt::concluir() {
    registrarConclusao();

    QTextDocument documento;
    documento.setUndoRedoEnabled(false);
    QTextCursor cursor(&documento);
    cursor.beginEditBlock();
    cursor.insertText(textoDeParagrafo(m_titulo));
    cursor.insertBlock();
    cursor.insertBlock();  // the table follows this second empty paragraph

    QTextTableFormat formatoTabela;
    formatoTabela.setBorder(0.5);
    formatoTabela.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    formatoTabela.setBorderCollapse(true);
    formatoTabela.setCellSpacing(0);
    formatoTabela.setCellPadding(2);
    formatoTabela.setHeaderRowCount(1);  // repeated on each page when Qt prints it

    const auto colunas = static_cast<int>(m_titulos.size());
    const auto linhas = static_cast<int>(m_linhas.size()) + 1;
    QTextTable* tabela = cursor.insertTable(linhas, colunas, formatoTabela);

    // Fresh character formats: the cursor's own format inside a cell is the
    // cell's format, which the ODF writer would take for a cell style.
    QTextCharFormat negrito;
    negrito.setFontWeight(QFont::Bold);
    const QTextCharFormat normal;

    for (int c = 0; c < colunas; ++c) {
        tabela->cellAt(0, c).firstCursorPosition().insertText(m_titulos.at(c), negrito);
    }
    for (int r = 1; r < linhas; ++r) {
        const QStringList& textos = m_linhas.at(r - 1);
        for (int c = 0; c < colunas; ++c) {
            tabela->cellAt(r, c).firstCursorPosition().insertText(textos.at(c), normal);
        }
    }
    cursor.endEditBlock();

    // The ODF writer closes its device when it finishes, which a QSaveFile
    // does not allow; the document is already in memory, so its bytes are
    // assembled in a buffer and then saved.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QTextDocumentWriter escritor(&bytes, "odf");
    if (!escritor.write(&documento)) {
        throw ErroExportacao(QStringLiteral("Não foi possível gravar o arquivo ") + m_caminho +
                             QStringLiteral(": falha ao montar o documento."));
    }
    const QByteArray& conteudo = bytes.data();
    if (m_arquivo->write(conteudo) != conteudo.size() || !m_arquivo->commit()) {
        throw ErroExportacao(QStringLiteral("Não foi possível gravar o arquivo ") + m_caminho +
                             QStringLiteral(": ") + m_arquivo->errorString());
    }
}

}  // namespace rh::exportacao
