#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <memory>

#include "platform/db/Esquema.h"
#include "platform/db/FuncaoSql.h"

namespace rh::db {

// The few places where the SQL of the supported backends differs. Every
// other statement of the program is written once, in SQL all of them accept.
// A new backend (for example the organisation's Oracle through ODBC) is a new
// subclass; windows never see which one is in use.
class Dialeto {
public:
    virtual ~Dialeto() = default;

    virtual QString nome() const = 0;  // "sqlite", "postgres"
    virtual QString driverQt() const = 0;

    // Called once after the connection opens (functions, pragmas, settings).
    virtual void prepararConexao(QSqlDatabase& banco) const = 0;

    // Date parts and the server's clock.
    virtual QString mes(const QString& expressao) const = 0;
    virtual QString ano(const QString& expressao) const = 0;
    virtual QString dia(const QString& expressao) const = 0;
    virtual QString hoje() const = 0;
    virtual QString agora() const = 0;
    // Whole years between a date and today (an age).
    virtual QString idadeEmAnos(const QString& expressaoData) const = 0;

    // The statement limited to its first n rows, the limit applied before any
    // ordering the caller wraps around it.
    virtual QString limitarLinhas(const QString& sql, int n) const;

    // Text concatenation of two or more expressions, null parts as empty.
    virtual QString concatenar(const QStringList& partes) const;

    // Accent-aware upper case and a case-sensitive LIKE: both backends are
    // set up so that plain UPPER() and LIKE already behave that way; these
    // exist for the callers that want to say so explicitly.
    virtual QString maiusculas(const QString& expressao) const { return "UPPER(" + expressao + ")"; }
    virtual QString likeSensivel(const QString& expressao, const QString& padrao) const {
        return expressao + " LIKE " + padrao;
    }

    // " RETURNING <coluna>" appended to an INSERT to read the new key.
    virtual QString retornando(const QString& coluna) const { return " RETURNING " + coluna; }

    // DDL.
    virtual QString tipoColuna(const DefColuna& coluna) const = 0;
    virtual QString definicaoColuna(const DefColuna& coluna, bool chaveUnica) const;
    // Statements run after explicit keys were inserted into a table whose key
    // the database generates, so that the next generated key follows them.
    virtual QStringList ajustarGeradorDeChave(const QString& tabela, const QString& coluna) const = 0;
    // Partial unique index ("one active row per ..."), supported by both.
    virtual QString indiceUnicoParcial(const QString& nome, const QString& tabela,
                                       const QString& colunas, const QString& condicao) const;

    // A value as it must be bound for this backend (dates as ISO text on
    // SQLite, for example).
    virtual QVariant paraParametro(const QVariant& valor) const { return valor; }

    // Whether a partly read result may stay open while other statements run
    // on the same connection. When false the connection first finishes the
    // pending reads.
    virtual bool permiteLeiturasSimultaneas() const = 0;

    // Makes a function available to the statements of this connection. The
    // server keeps its functions in the database (created by migrations), so
    // only the embedded backend registers local implementations.
    virtual void registrarFuncao(QSqlDatabase&, const FuncaoSql&) const {}

    static std::unique_ptr<Dialeto> criar(const QString& nome);
};

}  // namespace rh::db
