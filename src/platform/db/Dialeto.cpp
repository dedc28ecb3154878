#include "platform/db/Dialeto.h"

#include "platform/db/DialetoPostgres.h"
#include "platform/db/DialetoSqlite.h"
#include "platform/db/ErroBanco.h"

namespace rh::db {

QString Dialeto::limitarLinhas(const QString& sql, int n) const {
    return "SELECT * FROM (" + sql + " LIMIT " + QString::number(n) + ") LIMITADA";
}

QString Dialeto::concatenar(const QStringList& partes) const {
    QStringList r;
    for (const auto& p : partes) r << "COALESCE(" + p + ",'')";
    return "(" + r.join(" || ") + ")";
}

QString Dialeto::definicaoColuna(const DefColuna& c, bool chaveUnica) const {
    QString s = c.nome + " " + tipoColuna(c);
    if (chaveUnica && c.chave && !c.geradaPeloBanco) s += " PRIMARY KEY";
    if (c.obrigatoria && !c.chave) s += " NOT NULL";
    if (!c.padrao.isEmpty()) s += " DEFAULT " + c.padrao;
    return s;
}

QString Dialeto::indiceUnicoParcial(const QString& nome, const QString& tabela,
                                    const QString& colunas, const QString& condicao) const {
    return "CREATE UNIQUE INDEX IF NOT EXISTS " + nome + " ON " + tabela + " (" + colunas +
           ") WHERE " + condicao;
}

std::unique_ptr<Dialeto> Dialeto::criar(const QString& nome) {
    const QString n = nome.toLower();
    if (n == "sqlite" || n == "qsqlite") return std::make_unique<DialetoSqlite>();
    if (n == "postgres" || n == "postgresql" || n == "qpsql") return std::make_unique<DialetoPostgres>();
    throw ErroBanco(QStringLiteral("Banco de dados não suportado: ") + nome);
}

}  // namespace rh::db
