#include "platform/exportacao/EscritorXlsx.h"

#include "platform/exportacao/ErroExportacao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <xlsxwriter.h>

#include <cmath>
#include <filesystem>
#include <system_error>

namespace rh::exportacao {

namespace {

QString textoDoErro(int erro) {
    return QString::fromUtf8(lxw_strerror(static_cast<lxw_error>(erro)));
}

// Creates an empty, uniquely named file beside `caminho` (created exclusively,
// so no other export can pick the same name) and returns its path.
QString reservarTemporario(const QString& caminho) {
    const QFileInfo alvo(caminho);
    QString ultimoErro;
    for (int tentativa = 0; tentativa < 20; ++tentativa) {
        const QString nome = QStringLiteral(".") + alvo.fileName() + QStringLiteral(".") +
                             QString::number(QRandomGenerator::global()->generate(), 16) +
                             QStringLiteral(".tmp");
        const QString temporario = alvo.dir().filePath(nome);
        QFile arquivo(temporario);
        if (arquivo.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            return temporario;
        }
        ultimoErro = arquivo.errorString();
        if (!QFileInfo::exists(temporario)) {
            break;  // not a clash of names: the folder is missing or not writable
        }
    }
    throw ErroExportacao(QStringLiteral("Não foi possível criar o arquivo ") + caminho +
                         QStringLiteral(": ") + ultimoErro);
}

}  // namespace

EscritorXlsx::EscritorXlsx(QString caminho) : m_caminho(std::move(caminho)) {}

EscritorXlsx::~EscritorXlsx() {
    descartar();
}

void EscritorXlsx::descartar() {
    if (m_livro != nullptr) {
        lxw_workbook_free(m_livro);
        m_livro = nullptr;
    }
    if (!m_temporario.isEmpty()) {
        QFile::remove(m_temporario);
        m_temporario.clear();
    }
}

void EscritorXlsx::iniciar(const QList<ColunaExportada>& colunas) {
    registrarInicio(colunas);
    if (colunas.size() > LXW_COL_MAX) {
        throw ErroExportacao(QStringLiteral("Uma planilha comporta no máximo %1 colunas; foram "
                                            "escolhidos %2 campos.")
                                 .arg(LXW_COL_MAX)
                                 .arg(colunas.size()));
    }
    m_temporario = reservarTemporario(m_caminho);

    const QByteArray nomeTemporario = QFile::encodeName(m_temporario);
    lxw_workbook_options opcoes{};
    opcoes.constant_memory = LXW_TRUE;
    m_livro = workbook_new_opt(nomeTemporario.constData(), &opcoes);
    if (m_livro == nullptr) {
        descartar();
        throw ErroExportacao(QStringLiteral("Não foi possível criar o arquivo ") + m_caminho +
                             QStringLiteral(": memória insuficiente para a planilha."));
    }
    m_planilha = workbook_add_worksheet(m_livro, "Planilha1");
    m_negrito = workbook_add_format(m_livro);
    if (m_planilha == nullptr || m_negrito == nullptr) {
        descartar();
        throw ErroExportacao(QStringLiteral("Não foi possível criar o arquivo ") + m_caminho +
                             QStringLiteral(": memória insuficiente para a planilha."));
    }
    format_set_bold(m_negrito);

    m_tipos.clear();
    m_linha = 0;
    for (int c = 0; c < colunas.size(); ++c) {
        m_tipos.append(colunas.at(c).tipo);
        escreverTexto(c, colunas.at(c).titulo, m_negrito);
    }
}

void EscritorXlsx::escreverLinha(const QList<CelulaExportada>& celulas) {
    verificarLinha(celulas);
    ++m_linha;
    if (m_linha >= LXW_ROW_MAX) {
        throw ErroExportacao(QStringLiteral("O arquivo ") + m_caminho +
                             QStringLiteral(" não comporta mais que %1 registros (o limite de "
                                            "linhas de uma planilha).")
                                 .arg(LXW_ROW_MAX - 1));
    }
    for (int c = 0; c < celulas.size(); ++c) {
        const CelulaExportada& celula = celulas.at(c);
        switch (m_tipos.at(c)) {
            case TipoColuna::Inteiro:
            case TipoColuna::Decimal: {
                if (celula.valor.isNull()) {
                    break;  // blank cell
                }
                bool numerico = false;
                const double numero = celula.valor.toDouble(&numerico);
                if (numerico && std::isfinite(numero)) {
                    escreverNumero(c, numero);
                } else {
                    escreverTexto(c, celula.texto, nullptr);
                }
                break;
            }
            case TipoColuna::Texto:
            case TipoColuna::Data:
            case TipoColuna::DataHora:
            case TipoColuna::Hora:
            case TipoColuna::Outro:
                escreverTexto(c, celula.texto, nullptr);
                break;
        }
    }
}

void EscritorXlsx::concluir() {
    registrarConclusao();
    // workbook_close writes the file and frees the workbook, also on failure.
    const lxw_error erro = workbook_close(m_livro);
    m_livro = nullptr;
    if (erro != LXW_NO_ERROR) {
        descartar();
        throw ErroExportacao(QStringLiteral("Não foi possível gravar o arquivo ") + m_caminho +
                             QStringLiteral(": ") + textoDoErro(erro));
    }
    // Keep the permissions of the file being replaced, as a save in place would.
    if (QFile::exists(m_caminho)) {
        QFile::setPermissions(m_temporario, QFile::permissions(m_caminho));
    }
    std::error_code falha;
    std::filesystem::rename(std::filesystem::path(m_temporario.toStdU16String()),
                            std::filesystem::path(m_caminho.toStdU16String()), falha);
    if (falha) {
        descartar();
        throw ErroExportacao(QStringLiteral("Não foi possível gravar o arquivo ") + m_caminho +
                             QStringLiteral(": ") + QString::fromLocal8Bit(falha.message()));
    }
    m_temporario.clear();
}

void EscritorXlsx::escreverTexto(int coluna, const QString& texto, lxw_format* formato) {
    const QByteArray utf8 = texto.toUtf8();
    const lxw_error erro = worksheet_write_string(
        m_planilha, m_linha, static_cast<lxw_col_t>(coluna), utf8.constData(), formato);
    if (erro != LXW_NO_ERROR) {
        falharCelula(coluna, erro);
    }
}

void EscritorXlsx::escreverNumero(int coluna, double numero) {
    const lxw_error erro = worksheet_write_number(m_planilha, m_linha,
                                                  static_cast<lxw_col_t>(coluna), numero, nullptr);
    if (erro != LXW_NO_ERROR) {
        falharCelula(coluna, erro);
    }
}

void EscritorXlsx::falharCelula(int coluna, int erro) const {
    throw ErroExportacao(QStringLiteral("Não foi possível gravar a linha %1, coluna %2 do arquivo ")
                             .arg(m_linha + 1)
                             .arg(coluna + 1) +
                         m_caminho + QStringLiteral(": ") + textoDoErro(erro));
}

}  // namespace rh::exportacao
