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
// Call concluir() to write the last, partial batch.
class InsercaoEmLote {
public:
    InsercaoEmLote(db::Conexao& conexao, QString tabela, QStringList colunas);
    InsercaoEmLote(const InsercaoEmLote&) = delete;
    InsercaoEmLote& operator=(const InsercaoEmLote&) = delete;

    // Rows of this table refer to rows of another one still being written:
    // before each write of this table, the other writes what it holds.
    void gravarDepoisDe(InsercaoEmLote& referenciada) { m_referenciadas.push_back(&referenciada); }

    // One row, its values in the order of the columns.
    void adicionar(const QVariantList& valores);
    // Writes every row held so far (the tables referred to first).
    void concluir();
    qint64 linhasGravadas() const { return m_gravadas; }

private:
    QString comando(int linhas) const;
    void gravar(QSqlQuery& consulta, int linhas);
    void gravarLoteCheio();

    db::Conexao& m_conexao;
    QString m_tabela;
    QStringList m_colunas;
    int m_linhasPorComando;
    std::vector<QVariant> m_pendentes;
    std::optional<QSqlQuery> m_loteCheio;
    std::vector<InsercaoEmLote*> m_referenciadas;
    qint64 m_gravadas = 0;
};

}  // namespace rh::app
