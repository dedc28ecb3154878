#include "platform/ui/ModeloDataset.h"

#include <QDebug>
#include <QHash>

#include "platform/db/Campo.h"
#include "platform/texto/FormatoExibicao.h"

namespace rh::ui {

using db::Dataset;

namespace {

// Changes of each dataset that some model is still announcing to its views.
// Reading more rows then would start a change inside another one (a view or
// a model tester asks for more while reacting to a change), so the reading
// waits for the event loop.
QHash<const Dataset*, int>& alteracoesEmCurso() {
    static QHash<const Dataset*, int> emCurso;
    return emCurso;
}

}  // namespace

ModeloDataset::ModeloDataset(Dataset& dataset, QList<ColunaGrade> colunas, QObject* parent)
    : QAbstractTableModel(parent), m_dataset(&dataset), m_definidas(std::move(colunas)) {
    connect(&dataset, &Dataset::dadosReiniciados, this, &ModeloDataset::reiniciar);
    connect(&dataset, &Dataset::antesDeAcrescentarLinhas, this, &ModeloDataset::antesDeAcrescentar);
    connect(&dataset, &Dataset::linhasAcrescentadas, this, &ModeloDataset::aposAcrescentar);
    connect(&dataset, &Dataset::antesDeRemoverLinha, this, &ModeloDataset::antesDeRemover);
    connect(&dataset, &Dataset::linhaRemovida, this, &ModeloDataset::aposRemover);
    connect(&dataset, &Dataset::linhaAlterada, this, &ModeloDataset::linhaMudou);
    connect(&dataset, &Dataset::aposRolar, this, &ModeloDataset::indicadorMudou);
    connect(&dataset, &Dataset::estadoMudou, this, &ModeloDataset::indicadorMudou);
    connect(&dataset, &QObject::destroyed, this, [this] {
        beginResetModel();
        m_linhas = 0;
        m_indices.clear();
        m_colunas.clear();
        endResetModel();
    });
    montarColunas();
    m_linhas = dataset.ativo() ? dataset.linhasLidas() : 0;
}

ModeloDataset::~ModeloDataset() {
    if (m_contado) concluirAlteracao();
}

void ModeloDataset::defineColunas(QList<ColunaGrade> colunas) {
    beginResetModel();
    m_definidas = std::move(colunas);
    montarColunas();
    endResetModel();
}

void ModeloDataset::montarColunas() {
    m_colunas.clear();
    m_indices.clear();
    if (!m_dataset) return;
    const Dataset& ds = *m_dataset;
    if (m_definidas.isEmpty()) {
        for (int i = 0; i < ds.quantidadeCampos(); ++i) {
            const db::Campo& c = ds.campo(i);
            if (!c.visivel()) continue;
            m_colunas << ColunaGrade{c.nome(), c.rotulo()};
            m_indices << i;
        }
        return;
    }
    m_colunas = m_definidas;
    for (ColunaGrade& coluna : m_colunas) {
        const db::Campo* c = ds.procurarCampo(coluna.campo);
        // Before the dataset opens no field exists yet; afterwards a missing
        // field is a mistake in the window's column list.
        if (!c && ds.ativo()) qWarning() << "Grade: campo inexistente" << coluna.campo;
        if (coluna.titulo.isEmpty()) coluna.titulo = c ? c->rotulo() : coluna.campo;
        m_indices << (c ? c->indice() : -1);
    }
}

int ModeloDataset::indiceCampo(int coluna) const {
    return coluna >= 0 && coluna < m_indices.size() ? m_indices.at(coluna) : -1;
}

void ModeloDataset::iniciarAlteracao(Mudanca mudanca) {
    m_mudanca = mudanca;
    m_contado = m_dataset.data();
    if (m_contado) ++alteracoesEmCurso()[m_contado];
}

void ModeloDataset::concluirAlteracao() {
    m_mudanca = Mudanca::Nenhuma;
    if (!m_contado) return;
    auto& emCurso = alteracoesEmCurso();
    const auto it = emCurso.find(m_contado);
    if (it != emCurso.end() && --*it <= 0) emCurso.erase(it);
    m_contado = nullptr;
}

void ModeloDataset::reiniciar() {
    iniciarAlteracao(Mudanca::Reinicio);
    beginResetModel();
    montarColunas();
    m_linhas = m_dataset && m_dataset->ativo() ? m_dataset->linhasLidas() : 0;
    m_linhaIndicada = -1;
    m_desatualizado = false;
    endResetModel();
    concluirAlteracao();
}

// The dataset announces one change at a time, at the end of the rows the
// views know. Anything else (a change announced inside another one, rows
// added elsewhere) cannot be told to a view row by row: the model then
// starts over once the outer change ends.
void ModeloDataset::antesDeAcrescentar(int primeira, int ultima) {
    if (++m_sinaisAbertos > 1 || m_mudanca != Mudanca::Nenhuma || primeira != m_linhas) {
        m_desatualizado = true;
        return;
    }
    iniciarAlteracao(Mudanca::Insercao);
    m_linhasAnunciadas = m_linhas + (ultima - primeira + 1);
    beginInsertRows({}, primeira, ultima);
}

void ModeloDataset::aposAcrescentar() { concluirSinal(); }

void ModeloDataset::antesDeRemover(int linha) {
    if (++m_sinaisAbertos > 1 || m_mudanca != Mudanca::Nenhuma || linha < 0 || linha >= m_linhas) {
        m_desatualizado = true;
        return;
    }
    iniciarAlteracao(Mudanca::Remocao);
    m_linhasAnunciadas = m_linhas - 1;
    if (m_linhaIndicada == linha) m_linhaIndicada = -1;
    else if (m_linhaIndicada > linha) --m_linhaIndicada;
    beginRemoveRows({}, linha, linha);
}

void ModeloDataset::aposRemover() { concluirSinal(); }

void ModeloDataset::concluirSinal() {
    if (m_sinaisAbertos > 0 && --m_sinaisAbertos > 0) return;
    const Mudanca mudanca = m_mudanca;
    if (mudanca == Mudanca::Insercao || mudanca == Mudanca::Remocao) {
        m_linhas = m_linhasAnunciadas;
        if (mudanca == Mudanca::Insercao) endInsertRows();
        else endRemoveRows();
        concluirAlteracao();
    }
    if (m_desatualizado || (m_dataset && m_dataset->ativo() && m_linhas != m_dataset->linhasLidas())) {
        if (m_dataset && m_dataset->ativo())
            qWarning() << "Grade: alteração fora de ordem; a grade é refeita" << m_linhas << m_dataset->linhasLidas();
        reiniciar();
    }
}

void ModeloDataset::linhaMudou(int linha) {
    if (linha < 0 || linha >= m_linhas || m_colunas.isEmpty()) return;
    Q_EMIT dataChanged(index(linha, 0), index(linha, int(m_colunas.size()) - 1));
    Q_EMIT headerDataChanged(Qt::Vertical, linha, linha);
}

void ModeloDataset::indicadorMudou() {
    if (!m_dataset) return;
    const int atual = m_dataset->ativo() ? m_dataset->linhaAtual() : -1;
    const int anterior = m_linhaIndicada;
    m_linhaIndicada = atual < m_linhas ? atual : -1;
    if (anterior >= 0 && anterior < m_linhas) Q_EMIT headerDataChanged(Qt::Vertical, anterior, anterior);
    if (m_linhaIndicada >= 0) Q_EMIT headerDataChanged(Qt::Vertical, m_linhaIndicada, m_linhaIndicada);
}

int ModeloDataset::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_linhas; }

int ModeloDataset::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_colunas.size());
}

QVariant ModeloDataset::data(const QModelIndex& indice, int papel) const {
    if (!m_dataset || !checkIndex(indice, CheckIndexOption::IndexIsValid)) return {};
    const int campo = m_indices.at(indice.column());
    if (campo < 0) return {};
    switch (papel) {
        case Qt::DisplayRole: {
            const ColunaGrade& coluna = m_colunas.at(indice.column());
            const QString& formato = coluna.formato ? *coluna.formato : m_dataset->campo(campo).formatoExibicao();
            return texto::FormatoExibicao::formatar(m_dataset->valorNaLinha(indice.row(), campo), formato);
        }
        case PapelValor: return m_dataset->valorNaLinha(indice.row(), campo);
        case Qt::TextAlignmentRole: {
            Qt::Alignment a = m_colunas.at(indice.column()).alinhamento;
            if (!(a & Qt::AlignHorizontal_Mask))
                a |= m_dataset->campo(campo).ehNumerico() ? Qt::AlignRight : Qt::AlignLeft;
            if (!(a & Qt::AlignVertical_Mask)) a |= Qt::AlignVCenter;
            return QVariant::fromValue(a);
        }
        default: return {};
    }
}

QVariant ModeloDataset::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (orientacao == Qt::Horizontal) {
        if (secao < 0 || secao >= m_colunas.size()) return {};
        if (papel == Qt::DisplayRole) return m_colunas.at(secao).titulo;
        return {};
    }
    if (papel != Qt::DisplayRole || secao < 0 || secao >= m_linhas) return {};
    // The record indicator: the current record, marked as being inserted or
    // edited while it is.
    if (!m_dataset || secao != m_dataset->linhaAtual()) return QString();
    switch (m_dataset->estado()) {
        case db::EstadoDataset::Inserindo: return QStringLiteral("*");
        case db::EstadoDataset::Editando: return QStringLiteral("I");
        default: return QStringLiteral("▶");
    }
}

Qt::ItemFlags ModeloDataset::flags(const QModelIndex& indice) const {
    if (!indice.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

bool ModeloDataset::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && m_dataset && m_dataset->ativo() && !m_dataset->leituraCompleta();
}

void ModeloDataset::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent)) return;
    if (alteracoesEmCurso().value(m_dataset.data()) > 0) {
        if (!m_leituraAgendada) {
            m_leituraAgendada = true;
            QMetaObject::invokeMethod(this, [this] {
                m_leituraAgendada = false;
                fetchMore({});
            }, Qt::QueuedConnection);
        }
        return;
    }
    // The dataset announces the rows it reads; the model follows its signals.
    m_dataset->lerMais(m_pagina);
}

}  // namespace rh::ui
