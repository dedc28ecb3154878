#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "platform/db/FuncaoSql.h"

namespace rh::db {

class Conexao;

// Column types as the program sees them. SQLite does not report declared
// types reliably, so every table and view the program reads is described
// here once and the dataset types its fields from this description.
enum class TipoDado { Texto, Inteiro, Numero, Data, DataHora, Hora, Booleano, Memo, Blob };

struct DefColuna {
    QString nome;
    TipoDado tipo = TipoDado::Texto;
    int tamanho = 0;             // characters for text; 0 = unbounded
    bool chave = false;          // part of the primary key
    bool geradaPeloBanco = false;  // key assigned by the database on insert
    bool obrigatoria = false;    // NOT NULL in the database
    QString padrao;              // DEFAULT clause, portable SQL
};

struct DefTabela {
    QString nome;
    QList<DefColuna> colunas;
    QStringList restricoes;  // portable table constraints (FOREIGN KEY ..., UNIQUE ...)

    const DefColuna* coluna(const QString& nomeColuna) const;
    QStringList chaves() const;
};

// A view: its statement is portable SQL, or one text per dialect when the
// backends differ (keyed by Dialeto::nome()). The columns type the view.
struct DefVisao {
    QString nome;
    QList<DefColuna> colunas;
    QString sql;
    QHash<QString, QString> sqlPorDialeto;
};

// The catalogue of every relation the program knows, shared by the whole
// run. Lookups are case-insensitive, as in the database.
class Catalogo {
public:
    void registrar(const DefTabela& tabela);
    void registrar(const DefVisao& visao);
    // A function the statements call; every connection opened with this
    // catalogue makes it available (see Dialeto::registrarFuncao).
    void registrar(const FuncaoSql& funcao);
    const std::vector<FuncaoSql>& funcoes() const { return m_funcoes; }
    // A step every connection opened with this catalogue runs right after it
    // opens (for functions that need the connection itself).
    void registrarPreparacao(std::function<void(Conexao&)> preparacao);
    const std::vector<std::function<void(Conexao&)>>& preparacoes() const { return m_preparacoes; }

    const DefTabela* tabela(const QString& nome) const;
    const DefVisao* visao(const QString& nome) const;
    // The column of a relation (table or view); nullptr when unknown.
    const DefColuna* coluna(const QString& relacao, const QString& coluna) const;
    // A column known by name in any relation (the first declared wins).
    const DefColuna* colunaPorNome(const QString& coluna) const;

private:
    QHash<QString, DefTabela> m_tabelas;
    QHash<QString, DefVisao> m_visoes;
    QHash<QString, DefColuna> m_porNome;
    std::vector<FuncaoSql> m_funcoes;
    std::vector<std::function<void(Conexao&)>> m_preparacoes;
};

// Convenience builders that keep schema declarations short.
DefColuna texto(const QString& nome, int tamanho = 0);
DefColuna inteiro(const QString& nome);
DefColuna numero(const QString& nome);
DefColuna data(const QString& nome);
DefColuna dataHora(const QString& nome);
DefColuna memo(const QString& nome);
DefColuna chaveGerada(const QString& nome);
DefColuna chave(DefColuna coluna);
DefColuna obrigatoria(DefColuna coluna);

}  // namespace rh::db
