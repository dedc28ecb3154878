#pragma once

#include "platform/exportacao/EscritorExportacao.h"

#include <QString>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace rh::exportacao {

// An .xlsx workbook with one sheet: row 1 holds the column titles in bold,
// then one row per record. Texto, Data, DataHora, Hora and Outro columns get
// string cells with the field's text, so that "007" keeps its zeros and dates
// read as the user saw them; Inteiro and Decimal columns get number cells
// with the typed value (a null value leaves the cell blank, a value that is
// not a finite number is written as its text).
//
// Rows are streamed to a temporary file (libxlsxwriter's constant-memory
// mode), so memory does not grow with the record count. The workbook is
// assembled beside the target under a temporary name and renamed over it by
// concluir().
class EscritorXlsx final : public EscritorExportacao {
public:
    explicit EscritorXlsx(QString caminho);
    ~EscritorXlsx() override;

    void iniciar(const QList<ColunaExportada>& colunas) override;
    void escreverLinha(const QList<CelulaExportada>& celulas) override;
    void concluir() override;

private:
    void escreverTexto(int coluna, const QString& texto, lxw_format* formato);
    void escreverNumero(int coluna, double numero);
    [[noreturn]] void falharCelula(int coluna, int erro) const;
    void descartar();

    QString m_caminho;
    QString m_temporario;  // the workbook being written, renamed over m_caminho at the end
    lxw_workbook* m_livro = nullptr;
    lxw_worksheet* m_planilha = nullptr;
    lxw_format* m_negrito = nullptr;
    QList<TipoColuna> m_tipos;
    quint32 m_linha = 0;  // the sheet row being written, 0-based
};

}  // namespace rh::exportacao
