#pragma once

#include <QList>
#include <QPointer>
#include <QTableView>

#include "platform/ui/ModeloDataset.h"

namespace rh::ui {

// The program's data grid: a read-only table over a dataset, whole rows
// selected, row lines drawn, the record indicator in the row header. The
// dataset's current record and the grid's current row follow each other:
// choosing a row moves the dataset, moving the dataset moves the selection.
//
// While the dataset is inserting or editing the grid does not move it:
// moving would post the record behind the back of the window, which
// decides when a record is saved (required fields, transaction). The
// selection stays on the record being edited.
class GradeDataset : public QTableView {
    Q_OBJECT
public:
    enum class Selecao { Simples, Multipla };

    explicit GradeDataset(QWidget* parent = nullptr);

    // Shows `dataset` with the given columns (empty: every visible field).
    void vincular(db::Dataset& dataset, QList<ColunaGrade> colunas = {});
    ModeloDataset* modelo() const { return m_modelo; }
    db::Dataset* dataset() const { return m_modelo ? m_modelo->dataset() : nullptr; }

    // Multiple selection (Ctrl/Shift) for windows that act on several rows.
    void defineSelecao(Selecao selecao);
    // Selected rows in ascending order; with single selection, the current row.
    QList<int> linhasSelecionadas() const;

Q_SIGNALS:
    // Enter or a double click on a row: the user chose the current record.
    void linhaEscolhida(int linha);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;

private:
    void aplicarLarguras();
    void linhaDaGradeMudou(const QModelIndex& atual);
    void seguirDataset();

    QPointer<ModeloDataset> m_modelo;
    bool m_sincronizando = false;
};

}  // namespace rh::ui
