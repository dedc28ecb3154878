#include "platform/db/DialetoSqlite.h"

#include <sqlite3.h>

#include <QDate>
#include <QDateTime>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QTime>

#include "platform/db/ErroBanco.h"

namespace rh::db {

namespace {

sqlite3* manipulador(QSqlDatabase& banco) {
    const QVariant v = banco.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        throw ErroBanco(QStringLiteral("Conexão SQLite sem manipulador nativo."));
    sqlite3* h = *static_cast<sqlite3* const*>(v.constData());
    if (!h) throw ErroBanco(QStringLiteral("Conexão SQLite não está aberta."));
    return h;
}

QString textoArgumento(sqlite3_value* v) {
    const auto* t = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return QString::fromUtf8(t, sqlite3_value_bytes(v));
}

void resultado(sqlite3_context* ctx, const QByteArray& utf8) {
    sqlite3_result_text(ctx, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

template <bool Maiusculas>
void mudarCaixa(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString s = textoArgumento(argv[0]);
    resultado(ctx, (Maiusculas ? s.toUpper() : s.toLower()).toUtf8());
}

QVariant valorDe(sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
        case SQLITE_INTEGER: return QVariant::fromValue<qlonglong>(sqlite3_value_int64(v));
        case SQLITE_FLOAT: return sqlite3_value_double(v);
        case SQLITE_NULL: return {};
        default: return textoArgumento(v);
    }
}

void chamarFuncao(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    const auto* f = static_cast<const FuncaoSql*>(sqlite3_user_data(ctx));
    QVariantList args;
    for (int i = 0; i < argc; ++i) args << valorDe(argv[i]);
    try {
        const QVariant r = f->implementacaoLocal(args);
        if (r.isNull()) sqlite3_result_null(ctx);
        else if (r.typeId() == QMetaType::Double) sqlite3_result_double(ctx, r.toDouble());
        else if (r.typeId() == QMetaType::Int || r.typeId() == QMetaType::LongLong)
            sqlite3_result_int64(ctx, r.toLongLong());
        else resultado(ctx, r.toString().toUtf8());
    } catch (const std::exception& e) {
        sqlite3_result_error(ctx, e.what(), -1);
    }
}

}  // namespace

void DialetoSqlite::prepararConexao(QSqlDatabase& banco) const {
    sqlite3* h = manipulador(banco);
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function_v2(h, "upper", 1, flags, nullptr, &mudarCaixa<true>, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(h, "lower", 1, flags, nullptr, &mudarCaixa<false>, nullptr, nullptr, nullptr);
    QSqlQuery q(banco);
    for (const char* pragma : {"PRAGMA foreign_keys = ON", "PRAGMA case_sensitive_like = ON",
                               "PRAGMA journal_mode = WAL", "PRAGMA busy_timeout = 10000"}) {
        if (!q.exec(QString::fromLatin1(pragma)))
            throw ErroBanco(q.lastError().text(), QString::fromLatin1(pragma));
    }
}

void DialetoSqlite::registrarFuncao(QSqlDatabase& banco, const FuncaoSql& funcao) const {
    sqlite3* h = manipulador(banco);
    auto* copia = new FuncaoSql(funcao);
    const int rc = sqlite3_create_function_v2(
        h, funcao.nome.toUtf8().constData(), funcao.argumentos, SQLITE_UTF8, copia, &chamarFuncao,
        nullptr, nullptr, [](void* p) { delete static_cast<FuncaoSql*>(p); });
    if (rc != SQLITE_OK)
        throw ErroBanco(QStringLiteral("Não foi possível registrar a função ") + funcao.nome);
}

QString DialetoSqlite::mes(const QString& e) const { return "CAST(strftime('%m'," + e + ") AS INTEGER)"; }
QString DialetoSqlite::ano(const QString& e) const { return "CAST(strftime('%Y'," + e + ") AS INTEGER)"; }
QString DialetoSqlite::dia(const QString& e) const { return "CAST(strftime('%d'," + e + ") AS INTEGER)"; }

QString DialetoSqlite::idadeEmAnos(const QString& e) const {
    // Years between the birth date and today, one less while this year's
    // birthday has not come yet.
    return "(CAST(strftime('%Y','now','localtime') AS INTEGER) - CAST(strftime('%Y'," + e +
           ") AS INTEGER) - (strftime('%m-%d','now','localtime') < strftime('%m-%d'," + e + ")))";
}

QString DialetoSqlite::tipoColuna(const DefColuna& c) const {
    switch (c.tipo) {
        case TipoDado::Texto: return c.tamanho > 0 ? QString("VARCHAR(%1)").arg(c.tamanho) : "TEXT";
        case TipoDado::Inteiro: return "INTEGER";
        case TipoDado::Numero: return "NUMERIC";
        case TipoDado::Data: return "DATE";
        case TipoDado::DataHora: return "TIMESTAMP";
        case TipoDado::Hora: return "TIME";
        case TipoDado::Booleano: return "INTEGER";
        case TipoDado::Memo: return "TEXT";
        case TipoDado::Blob: return "BLOB";
    }
    return "TEXT";
}

QString DialetoSqlite::definicaoColuna(const DefColuna& c, bool chaveUnica) const {
    if (c.geradaPeloBanco && chaveUnica) return c.nome + " INTEGER PRIMARY KEY AUTOINCREMENT";
    return Dialeto::definicaoColuna(c, chaveUnica);
}

QVariant DialetoSqlite::paraParametro(const QVariant& v) const {
    if (v.isNull()) return v;
    switch (v.typeId()) {
        case QMetaType::QDate: return v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
        case QMetaType::QDateTime:
            return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        case QMetaType::QTime: return v.toTime().toString(QStringLiteral("HH:mm:ss"));
        case QMetaType::Bool: return v.toBool() ? 1 : 0;
        default: return v;
    }
}

}  // namespace rh::db
