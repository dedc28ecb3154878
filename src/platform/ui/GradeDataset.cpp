#include "platform/ui/GradeDataset.h"

#include <QHeaderView>
#include <algorithm>
#include <QKeyEvent>
#include <QMouseEvent>

namespace rh::ui {

GradeDataset::GradeDataset(QWidget* parent) : QTableView(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(true);
    setAlternatingRowColors(false);
    setTabKeyNavigation(false);  // Tab leaves the grid, as in every other control
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("▶▶")));
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setHighlightSections(false);
}

void GradeDataset::vincular(db::Dataset& dataset, QList<ColunaGrade> colunas) {
    if (m_modelo) {
        if (m_modelo->dataset()) disconnect(m_modelo->dataset(), nullptr, this, nullptr);
        m_modelo->deleteLater();
    }
    m_modelo = new ModeloDataset(dataset, std::move(colunas), this);
    setModel(m_modelo);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& atual) { linhaDaGradeMudou(atual); });
    connect(m_modelo, &QAbstractItemModel::modelReset, this, &GradeDataset::aplicarLarguras);
    // After the model has taken the dataset's row changes (it connected
    // first), put the selection on the dataset's current record.
    connect(&dataset, &db::Dataset::aposRolar, this, &GradeDataset::seguirDataset);
    connect(&dataset, &db::Dataset::estadoMudou, this, &GradeDataset::seguirDataset);
    aplicarLarguras();
    seguirDataset();
}

void GradeDataset::aplicarLarguras() {
    if (!m_modelo) return;
    const auto& colunas = m_modelo->colunas();
    for (int i = 0; i < colunas.size(); ++i)
        if (colunas.at(i).largura >= 0) setColumnWidth(i, colunas.at(i).largura);
}

void GradeDataset::defineSelecao(Selecao selecao) {
    setSelectionMode(selecao == Selecao::Multipla ? QAbstractItemView::ExtendedSelection
                                                  : QAbstractItemView::SingleSelection);
}

QList<int> GradeDataset::linhasSelecionadas() const {
    QList<int> linhas;
    if (!selectionModel()) return linhas;
    for (const QModelIndex& i : selectionModel()->selectedRows()) linhas << i.row();
    if (linhas.isEmpty() && selectionMode() == QAbstractItemView::SingleSelection && currentIndex().isValid())
        linhas << currentIndex().row();
    std::sort(linhas.begin(), linhas.end());
    linhas.erase(std::unique(linhas.begin(), linhas.end()), linhas.end());
    return linhas;
}

void GradeDataset::linhaDaGradeMudou(const QModelIndex& atual) {
    db::Dataset* ds = dataset();
    if (m_sincronizando || !ds || !ds->ativo() || !atual.isValid()) return;
    if (atual.row() == ds->linhaAtual()) return;
    if (ds->editando()) {
        seguirDataset();  // see the class comment: the edited record stays current
        return;
    }
    m_sincronizando = true;
    ds->irPara(atual.row());
    m_sincronizando = false;
}

void GradeDataset::seguirDataset() {
    db::Dataset* ds = dataset();
    if (m_sincronizando || !ds || !m_modelo || !selectionModel()) return;
    const int linha = ds->ativo() ? ds->linhaAtual() : -1;
    if (linha < 0 || linha >= m_modelo->rowCount()) return;
    if (currentIndex().isValid() && currentIndex().row() == linha &&
        selectionModel()->isRowSelected(linha, {}))
        return;
    int coluna = currentIndex().isValid() ? currentIndex().column() : 0;
    while (coluna < m_modelo->columnCount() - 1 && isColumnHidden(coluna)) ++coluna;
    const QModelIndex destino = m_modelo->index(linha, coluna);
    if (!destino.isValid()) return;
    m_sincronizando = true;
    selectionModel()->setCurrentIndex(destino, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_sincronizando = false;
    scrollTo(destino);
}

void GradeDataset::keyPressEvent(QKeyEvent* evento) {
    if ((evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        Q_EMIT linhaEscolhida(currentIndex().row());
        evento->accept();
        return;
    }
    QTableView::keyPressEvent(evento);
}

void GradeDataset::mouseDoubleClickEvent(QMouseEvent* evento) {
    const QModelIndex i = indexAt(evento->position().toPoint());
    QTableView::mouseDoubleClickEvent(evento);
    if (i.isValid()) Q_EMIT linhaEscolhida(i.row());
}

}  // namespace rh::ui
