#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace rh::exportacao {

// How a column's values are written where the target distinguishes types
// (the spreadsheet); the text targets write every cell's text.
enum class TipoColuna { Texto, Inteiro, Decimal, Data, DataHora, Hora, Outro };

struct ColunaExportada {
    QString titulo;  // the field's display label
    TipoColuna tipo = TipoColuna::Texto;
};

struct CelulaExportada {
    QVariant valor;  // the typed value; null means an empty field
    QString texto;   // the field's display text
};

// One target file of an export. Use: iniciar once with the chosen columns,
// escreverLinha once per record (one cell per column, in column order), then
// concluir. Only concluir makes the file appear (or replace an older file of
// the same name); a writer destroyed before concluir, or one whose concluir
// threw, leaves any earlier file untouched and no partial file behind.
//
// File problems throw ErroExportacao. Calling out of order or passing a row
// with the wrong number of cells is a programming error (std::logic_error).
class EscritorExportacao {
public:
    virtual ~EscritorExportacao();

    virtual void iniciar(const QList<ColunaExportada>& colunas) = 0;
    virtual void escreverLinha(const QList<CelulaExportada>& celulas) = 0;
    virtual void concluir() = 0;

protected:
    EscritorExportacao() = default;
    EscritorExportacao(const EscritorExportacao&) = delete;
    EscritorExportacao& operator=(const EscritorExportacao&) = delete;

    // The checks every writer makes: iniciar once, with at least one column;
    // rows only between iniciar and concluir, each with one cell per column.
    void registrarInicio(const QList<ColunaExportada>& colunas);
    void verificarLinha(const QList<CelulaExportada>& celulas) const;
    void registrarConclusao();

private:
    enum class Etapa { Criado, Iniciado, Concluido };
    Etapa m_etapa = Etapa::Criado;
    qsizetype m_colunas = 0;
};

}  // namespace rh::exportacao
