#pragma once

#include "platform/exportacao/EscritorExportacao.h"

#include <QString>

#include <memory>

class QSaveFile;

namespace rh::exportacao {

enum class CodificacaoCsv {
    Windows1252,  // the Windows ANSI code page; characters outside it become '?'
    Utf8,         // UTF-8 without a byte-order mark
};

// A CSV text file: a header line with the column titles, then one line per
// record with the cells' texts, joined by the separator and ended by CR LF.
// A text is written as it is unless it holds the separator, a double quote,
// CR or LF; then it is enclosed in double quotes with inner quotes doubled,
// so that such a value stays one cell in any spreadsheet that reads the file.
//
// The file is written to a temporary file beside it and put in place by
// concluir(); the constructor rejects a separator that is empty, holds a
// double quote or a line break, or cannot be written in the chosen encoding.
class EscritorCsv final : public EscritorExportacao {
public:
    explicit EscritorCsv(QString caminho, QString separador = QStringLiteral(";"),
                         CodificacaoCsv codificacao = CodificacaoCsv::Windows1252);
    ~EscritorCsv() override;

    void iniciar(const QList<ColunaExportada>& colunas) override;
    void escreverLinha(const QList<CelulaExportada>& celulas) override;
    void concluir() override;

private:
    void gravarLinha(const QStringList& campos);

    QString m_caminho;
    QString m_separador;
    CodificacaoCsv m_codificacao;
    std::unique_ptr<QSaveFile> m_arquivo;
};

}  // namespace rh::exportacao
