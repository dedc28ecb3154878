#include "platform/relatorio/Saida.h"

#include "platform/relatorio/Documento.h"
#include "platform/relatorio/ErroRelatorio.h"
#include "platform/relatorio/PintorPagina.h"
#include "platform/relatorio/Relatorio.h"
#include "platform/relatorio/Unidades.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace rh::relatorio {

namespace {

void escalarParaMm(QPainter& painter) {
    QPaintDevice* dispositivo = painter.device();
    painter.scale(dispositivo->logicalDpiX() / Unidades::kMmPorPolegada,
                  dispositivo->logicalDpiY() / Unidades::kMmPorPolegada);
}

}  // namespace

ResultadoSaida renderizarPdf(const Documento& documento, const QString& caminho) {
    ResultadoSaida resultado;
    resultado.avisos = documento.avisos;
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly)) {
        resultado.erro = QStringLiteral("Não foi possível criar o arquivo \"%1\": %2")
                             .arg(caminho, arquivo.errorString());
        return resultado;
    }
    {
        QPdfWriter escritor(&arquivo);
        escritor.setResolution(static_cast<int>(Unidades::kDpiReferencia));
        escritor.setPageLayout(documento.configuracao.layoutPagina());
        escritor.setTitle(documento.nome);
        escritor.setCreator(QStringLiteral("cadastro-rh"));
        QPainter painter;
        if (!painter.begin(&escritor)) {
            resultado.erro = QStringLiteral("Não foi possível escrever o PDF \"%1\".").arg(caminho);
            arquivo.cancelWriting();
            return resultado;
        }
        for (std::size_t i = 0; i < documento.paginas.size(); ++i) {
            if (i > 0) escritor.newPage();
            painter.save();
            escalarParaMm(painter);
            PintorPagina::pintar(painter, documento, static_cast<int>(i));
            painter.restore();
        }
        painter.end();
    }
    if (!arquivo.commit()) {
        resultado.erro = QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2")
                             .arg(caminho, arquivo.errorString());
        return resultado;
    }
    resultado.ok = true;
    resultado.paginas = static_cast<int>(documento.paginas.size());
    return resultado;
}

ResultadoSaida renderizarPdf(Relatorio& relatorio, const QString& caminho) {
    try {
        return renderizarPdf(*relatorio.gerar(), caminho);
    } catch (const ErroRelatorio& erro) {
        ResultadoSaida resultado;
        resultado.erro = erro.mensagem();
        return resultado;
    }
}

ResultadoSaida imprimir(const Documento& documento, QPrinter& impressora) {
    ResultadoSaida resultado;
    resultado.avisos = documento.avisos;
    impressora.setFullPage(true);
    impressora.setPageLayout(documento.configuracao.layoutPagina());
    if (!documento.nome.isEmpty()) impressora.setDocName(documento.nome);
    const int total = static_cast<int>(documento.paginas.size());
    int primeira = 0, ultima = total - 1;
    if (impressora.printRange() == QPrinter::PageRange && impressora.fromPage() > 0) {
        primeira = impressora.fromPage() - 1;
        ultima = std::min(ultima, impressora.toPage() > 0 ? impressora.toPage() - 1 : ultima);
    }
    QPainter painter;
    if (!painter.begin(&impressora)) {
        resultado.erro = QStringLiteral("Não foi possível iniciar a impressão.");
        return resultado;
    }
    for (int i = primeira; i <= ultima; ++i) {
        if (i > primeira) impressora.newPage();
        painter.save();
        escalarParaMm(painter);
        PintorPagina::pintar(painter, documento, i);
        painter.restore();
        ++resultado.paginas;
    }
    painter.end();
    resultado.ok = true;
    return resultado;
}

ResultadoSaida imprimir(Relatorio& relatorio, QPrinter& impressora) {
    try {
        return imprimir(*relatorio.gerar(), impressora);
    } catch (const ErroRelatorio& erro) {
        ResultadoSaida resultado;
        resultado.erro = erro.mensagem();
        return resultado;
    }
}

}  // namespace rh::relatorio
