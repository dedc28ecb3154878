#include "platform/db/Placeholders.h"

namespace rh::db {

QStringList nomesDeParametros(const QString& sql) {
    QStringList nomes;
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = sql.at(i);
        if (c == '\'' || c == '"') {
            for (++i; i < n && sql.at(i) != c; ++i) {
            }
        } else if (c == '-' && i + 1 < n && sql.at(i + 1) == '-') {
            while (i < n && sql.at(i) != '\n') ++i;
        } else if (c == '/' && i + 1 < n && sql.at(i + 1) == '*') {
            const qsizetype fim = sql.indexOf(QStringLiteral("*/"), i + 2);
            i = fim < 0 ? n : fim + 1;
        } else if (c == ':' && i + 1 < n && sql.at(i + 1) == ':') {
            ++i;
        } else if (c == ':' && i + 1 < n && (sql.at(i + 1).isLetter() || sql.at(i + 1) == '_')) {
            qsizetype j = i + 1;
            while (j < n && (sql.at(j).isLetterOrNumber() || sql.at(j) == '_')) ++j;
            const QString nome = sql.mid(i + 1, j - i - 1);
            bool repetido = false;
            for (const auto& x : nomes) repetido = repetido || x.compare(nome, Qt::CaseInsensitive) == 0;
            if (!repetido) nomes << nome;
            i = j - 1;
        }
    }
    return nomes;
}

}  // namespace rh::db
