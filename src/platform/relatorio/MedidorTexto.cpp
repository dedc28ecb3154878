#include "platform/relatorio/MedidorTexto.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <QTextOption>

namespace rh::relatorio {

LinhasTexto MedidorTexto::quebrar(const QString& texto, const QFont& fonte, double largura,
                                  QuebraLinha quebra) {
    LinhasTexto resultado;
    QString normalizado = texto;
    normalizado.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalizado.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList paragrafos = normalizado.split(QLatin1Char('\n'));
    for (const QString& paragrafo : paragrafos) {
        if (quebra == QuebraLinha::Nao || paragrafo.isEmpty() || largura <= 0) {
            resultado.linhas << paragrafo;
            resultado.fimParagrafo << true;
            continue;
        }
        QTextLayout layout(paragrafo, fonte);
        QTextOption opcao;
        opcao.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(opcao);
        layout.beginLayout();
        for (;;) {
            QTextLine linha = layout.createLine();
            if (!linha.isValid()) break;
            linha.setLineWidth(largura);
        }
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine linha = layout.lineAt(i);
            QString parte = paragrafo.mid(linha.textStart(), linha.textLength());
            while (parte.endsWith(QLatin1Char(' '))) parte.chop(1);
            resultado.linhas << parte;
            resultado.fimParagrafo << (i == layout.lineCount() - 1);
        }
    }
    return resultado;
}

double MedidorTexto::alturaLinha(const QFont& fonte) { return QFontMetricsF(fonte).lineSpacing(); }

double MedidorTexto::ascendente(const QFont& fonte) { return QFontMetricsF(fonte).ascent(); }

double MedidorTexto::largura(const QString& texto, const QFont& fonte) {
    return QFontMetricsF(fonte).horizontalAdvance(texto);
}

}  // namespace rh::relatorio
