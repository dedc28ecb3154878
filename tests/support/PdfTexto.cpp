#include "support/PdfTexto.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace rh::relatorio::teste {

namespace {

QString executar(const QStringList& argumentos) {
    QProcess processo;
    processo.start(QStringLiteral("pdftotext"), argumentos);
    if (!processo.waitForFinished(60000) || processo.exitCode() != 0) {
        return QStringLiteral("<<pdftotext falhou: %1>>")
            .arg(QString::fromUtf8(processo.readAllStandardError()));
    }
    return QString::fromUtf8(processo.readAllStandardOutput());
}

constexpr double kMmPorPonto = 25.4 / 72.0;

}  // namespace

QString textoPdf(const QString& caminho) {
    return executar({QStringLiteral("-layout"), caminho, QStringLiteral("-")});
}

QStringList paginasTextoPdf(const QString& caminho) {
    QStringList paginas = textoPdf(caminho).split(QLatin1Char('\f'));
    if (!paginas.isEmpty() && paginas.last().trimmed().isEmpty()) paginas.removeLast();
    return paginas;
}

std::vector<PalavraPdf> palavrasPdf(const QString& caminho, std::vector<PaginaPdf>* paginas) {
    const QString html = executar({QStringLiteral("-bbox"), caminho, QStringLiteral("-")});
    static const QRegularExpression expressao(QStringLiteral(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<PalavraPdf> palavras;
    int pagina = -1;
    for (auto it = expressao.globalMatch(html); it.hasNext();) {
        const auto achado = it.next();
        if (!achado.captured(1).isEmpty()) {
            ++pagina;
            if (paginas) {
                paginas->push_back({achado.captured(1).toDouble() * kMmPorPonto,
                                    achado.captured(2).toDouble() * kMmPorPonto});
            }
            continue;
        }
        palavras.push_back({pagina, QTextDocumentFragment::fromHtml(achado.captured(7)).toPlainText(),
                            achado.captured(3).toDouble() * kMmPorPonto,
                            achado.captured(4).toDouble() * kMmPorPonto,
                            achado.captured(5).toDouble() * kMmPorPonto,
                            achado.captured(6).toDouble() * kMmPorPonto});
    }
    return palavras;
}

std::vector<PalavraPdf> encontrar(const std::vector<PalavraPdf>& palavras, const QString& texto) {
    std::vector<PalavraPdf> achadas;
    for (const PalavraPdf& p : palavras) {
        if (p.texto == texto) achadas.push_back(p);
    }
    return achadas;
}

}  // namespace rh::relatorio::teste
