#pragma once

#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <vector>

namespace rh::db {
class Conexao;
}

namespace rh::app {

// Writes many rows into one table with multi-row INSERT statements prepared
// once (a full batch) and reused, which both backends run far faster than
// one statement per row. Values are bound, never spliced into the text.
// Call concluir() to write what is left.
class InsercaoEmLote {
public:
    InsercaoEmLote(db::Conexao& conexao, QString tabela, QStringList colunas);
    InsercaoEmLote(const InsercaoEmLote&) = delete;
    InsercaoEmLote& operator=(const InsercaoEmLote&) = delete;

    // Rows of this table refer to rows of another table being written the
    // same way: a row is written only once the rows added to the other table
    // before it have been written, so foreign keys hold at every statement.
    void gravarDepoisDe(InsercaoEmLote& referenciada) { m_referenciada = &referenciada; }

    // One row, its values in the order of the columns.
    void adicionar(const QVariantList& valores);
    // Writes every row held so far (the referenced table first).
    void concluir();
    qint64 linhasGravadas() const { return m_gravadas; }

private:
    QString comando(int linhas) const;
    // Writes the first `linhas` pending rows with the statement given.
    void gravar(QSqlQuery& consulta, int linhas);
    int linhasProntas() const;

    db::Conexao& m_conexao;
    QString m_tabela;
    QStringList m_colunas;
    int m_linhasPorComando;
    std::vector<QVariant> m_pendentes;
    std::vector<qint64> m_exigidas;  // per pending row: rows of the referenced table that must be written
    std::optional<QSqlQuery> m_loteCheio;
    InsercaoEmLote* m_referenciada = nullptr;
    qint64 m_adicionadas = 0;
    qint64 m_gravadas = 0;
};

}  // namespace rh::app
