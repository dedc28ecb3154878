#include "platform/exportacao/EscritorCsv.h"

#include "platform/exportacao/ErroExportacao.h"
#include "platform/texto/Windows1252.h"

#include <QSaveFile>
#include <QStringList>

namespace rh::exportacao {

namespace {

QString campoCsv(const QString& texto, const QString& separador) {
    const bool precisaAspas = texto.contains(separador) || texto.contains(u'"') ||
                              texto.contains(u'\r') || texto.contains(u'\n');
    if (!precisaAspas) {
        return texto;
    }
    QString dobrado = texto;
    dobrado.replace(u'"', QStringLiteral("\"\""));
    return u'"' + dobrado + u'"';
}

}  // namespace

EscritorCsv::EscritorCsv(QString caminho, QString separador, CodificacaoCsv codificacao)
    : m_caminho(std::move(caminho)), m_separador(std::move(separador)), m_codificacao(codificacao) {
    if (m_separador.isEmpty()) {
        throw ErroExportacao(QStringLiteral("Informe o separador de colunas."));
    }
    if (m_separador.contains(u'"') || m_separador.contains(u'\r') || m_separador.contains(u'\n')) {
        throw ErroExportacao(
            QStringLiteral("O separador de colunas não pode conter aspas nem quebras de linha."));
    }
    if (m_codificacao == CodificacaoCsv::Windows1252 &&
        !texto::representavelEmWindows1252(m_separador)) {
        throw ErroExportacao(QStringLiteral("O separador de colunas \"") + m_separador +
                             QStringLiteral("\" não existe na codificação Windows-1252."));
    }
}

EscritorCsv::~EscritorCsv() = default;  // an uncommitted QSaveFile discards its temporary file

void EscritorCsv::iniciar(const QList<ColunaExportada>& colunas) {
    registrarInicio(colunas);
    m_arquivo = std::make_unique<QSaveFile>(m_caminho);
    if (!m_arquivo->open(QIODevice::WriteOnly)) {
        throw ErroExportacao(QStringLiteral("Não foi possível criar o arquivo ") + m_caminho +
                             QStringLiteral(": ") + m_arquivo->errorString());
    }
    QStringList titulos;
    titulos.reserve(colunas.size());
    for (const ColunaExportada& coluna : colunas) {
        titulos.append(coluna.titulo);
    }
    gravarLinha(titulos);
}

void EscritorCsv::escreverLinha(const QList<CelulaExportada>& celulas) {
    verificarLinha(celulas);
    QStringList campos;
    campos.reserve(celulas.size());
    for (const CelulaExportada& celula : celulas) {
        campos.append(celula.texto);
    }
    gravarLinha(campos);
}

void EscritorCsv::concluir() {
    registrarConclusao();
    if (!m_arquivo->commit()) {
        throw ErroExportacao(QStringLiteral("Não foi possível gravar o arquivo ") + m_caminho +
                             QStringLiteral(": ") + m_arquivo->errorString());
    }
}

void EscritorCsv::gravarLinha(const QStringList& campos) {
    QString linha;
    for (qsizetype i = 0; i < campos.size(); ++i) {
        if (i > 0) {
            linha += m_separador;
        }
        linha += campoCsv(campos.at(i), m_separador);
    }
    linha += QStringLiteral("\r\n");
    const QByteArray bytes = m_codificacao == CodificacaoCsv::Windows1252
                                 ? texto::paraWindows1252(linha)
                                 : linha.toUtf8();
    if (m_arquivo->write(bytes) != bytes.size()) {
        throw ErroExportacao(QStringLiteral("Não foi possível gravar o arquivo ") + m_caminho +
                             QStringLiteral(": ") + m_arquivo->errorString());
    }
}

}  // namespace rh::exportacao
