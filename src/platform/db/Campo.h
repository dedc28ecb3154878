#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>

#include "platform/db/Esquema.h"

namespace rh::db {

class Dataset;

// A row as seen by the formula of a calculated field.
class LinhaDataset {
public:
    LinhaDataset(const Dataset& dataset, const QList<QVariant>& valores)
        : m_dataset(dataset), m_valores(valores) {}
    QVariant valor(const QString& campo) const;

private:
    const Dataset& m_dataset;
    const QList<QVariant>& m_valores;
};

// What a window says about a field: kept by the dataset across reopenings.
// Tags: 1 = required, 2 = offered by the searches and shown in their
// grids, 3 = both. The origin is the column name searches use in SQL (the
// field name when empty).
struct DefCampo {
    QString rotulo;
    int tag = 0;
    QString origem;
    bool obrigatorio = false;
    bool somenteLeitura = false;
    bool visivel = true;
    int tamanho = -1;                   // -1: from the schema
    std::optional<TipoDado> tipo;       // empty: from the schema
    QString formatoExibicao;            // "dd/mm/yyyy", "###,###.00", "0000000"
    std::function<QVariant(const LinhaDataset&)> calculo;  // set for calculated fields
};

// One column of a dataset's current row.
class Campo {
public:
    Campo(Dataset& dataset, int indice, QString nome, TipoDado tipo, int tamanho, DefCampo def);

    const QString& nome() const { return m_nome; }
    int indice() const { return m_indice; }
    TipoDado tipo() const { return m_tipo; }
    int tamanho() const { return m_tamanho; }
    bool ehTexto() const { return m_tipo == TipoDado::Texto || m_tipo == TipoDado::Memo; }
    bool ehNumerico() const { return m_tipo == TipoDado::Inteiro || m_tipo == TipoDado::Numero; }
    bool ehDataOuHora() const {
        return m_tipo == TipoDado::Data || m_tipo == TipoDado::DataHora || m_tipo == TipoDado::Hora;
    }

    // The display label: the one set by the window, else the field name.
    QString rotulo() const { return m_def.rotulo.isEmpty() ? m_nome : m_def.rotulo; }
    int tag() const { return m_def.tag; }
    QString origem() const { return m_def.origem.isEmpty() ? m_nome : m_def.origem; }
    bool origemVazia() const { return m_def.origem.isEmpty(); }
    bool obrigatorio() const { return m_def.obrigatorio || m_def.tag == 1 || m_def.tag == 3; }
    bool somenteLeitura() const { return m_def.somenteLeitura || calculado(); }
    bool calculado() const { return bool(m_def.calculo); }
    bool visivel() const { return m_def.visivel; }
    const QString& formatoExibicao() const { return m_def.formatoExibicao; }

    Campo& defineRotulo(const QString& rotulo);
    Campo& defineTag(int tag);
    Campo& defineOrigem(const QString& origem);
    Campo& defineSomenteLeitura(bool somenteLeitura);
    Campo& defineVisivel(bool visivel);
    Campo& defineFormatoExibicao(const QString& formato);

    // Value of the current row (or of the record being edited); null when
    // empty.
    QVariant valor() const;
    bool nulo() const;
    // The text shown to users, with the display format.
    QString texto() const;
    QString comoTexto() const;
    qlonglong comoInteiro() const;
    double comoNumero() const;
    QDate comoData() const;
    QDateTime comoDataHora() const;

    // Sets the value of the record being inserted or edited, converted to
    // the field's type. Throws ErroBanco when the dataset is not editing or
    // the text does not convert.
    void defineValor(const QVariant& valor);

    const DefCampo& definicao() const { return m_def; }

private:
    friend class Dataset;
    void alterarDefinicao(const std::function<void(DefCampo&)>& mudanca);

    Dataset& m_dataset;
    int m_indice;
    QString m_nome;
    TipoDado m_tipo;
    int m_tamanho;
    DefCampo m_def;
};

// Converts a value as read from a driver (or typed by a user) to the
// program's type: ISO date texts become dates, numeric texts numbers, and
// so on. Empty text becomes null for every type but text. Throws ErroBanco
// when a non-empty value does not convert.
QVariant converterValor(const QVariant& bruto, TipoDado tipo);

}  // namespace rh::db
