#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QPointer>
#include <QString>
#include <optional>

#include "platform/db/Dataset.h"

namespace rh::ui {

// One column of a grid over a dataset.
struct ColunaGrade {
    QString campo;                    // field name
    QString titulo;                   // empty: the field's display label
    int largura = -1;                 // pixels; -1: the view's default
    Qt::Alignment alinhamento = {};   // empty: numbers right, everything else left
    std::optional<QString> formato;   // display format overriding the field's own
};

// A read-only table model over a Dataset. It exposes the rows the dataset
// has read so far and asks for the next page when a view scrolls to the
// end (canFetchMore/fetchMore), so a grid over a large table shows its
// first rows at once. It follows the dataset's row signals with the
// matching begin/end calls, so views stay consistent while records are
// inserted, posted, cancelled or deleted.
class ModeloDataset : public QAbstractTableModel {
    Q_OBJECT
public:
    // The raw value of a cell, for code that needs it rather than the text.
    static constexpr int PapelValor = Qt::UserRole + 1;

    // Without columns: every visible field, titled by its display label,
    // taken again whenever the dataset is reopened.
    explicit ModeloDataset(db::Dataset& dataset, QList<ColunaGrade> colunas = {}, QObject* parent = nullptr);
    ~ModeloDataset() override;

    db::Dataset* dataset() const { return m_dataset; }
    void defineColunas(QList<ColunaGrade> colunas);
    // The columns shown now (the explicit list, or the one made from the
    // visible fields).
    const QList<ColunaGrade>& colunas() const { return m_colunas; }
    // Index of the dataset field behind a column; -1 when the field is absent.
    int indiceCampo(int coluna) const;
    // Rows read per page when a view asks for more.
    void defineTamanhoPagina(int linhas) { m_pagina = std::max(1, linhas); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    void montarColunas();
    enum class Mudanca { Nenhuma, Insercao, Remocao, Reinicio };
    void iniciarAlteracao(Mudanca mudanca);
    void concluirAlteracao();
    void reiniciar();
    void antesDeAcrescentar(int primeira, int ultima);
    void aposAcrescentar();
    void antesDeRemover(int linha);
    void aposRemover();
    void concluirSinal();
    void linhaMudou(int linha);
    void indicadorMudou();

    QPointer<db::Dataset> m_dataset;
    QList<ColunaGrade> m_definidas;   // as given; empty = all visible fields
    QList<ColunaGrade> m_colunas;     // in effect
    QList<int> m_indices;             // field index per column, -1 when absent
    int m_linhas = 0;                 // rows the views know about
    int m_pagina = 256;
    int m_linhaIndicada = -1;         // row showing the current-record indicator
    Mudanca m_mudanca = Mudanca::Nenhuma;  // the change being announced to the views
    const db::Dataset* m_contado = nullptr;  // dataset whose change count includes ours
    int m_sinaisAbertos = 0;          // dataset "before" signals not yet closed by their "after"
    int m_linhasAnunciadas = 0;       // rows once the announced change ends
    bool m_desatualizado = false;     // a change could not be announced: start over
    bool m_leituraAgendada = false;
};

}  // namespace rh::ui
