#include <gtest/gtest.h>

#include <QDate>

#include "platform/db/FormatoExibicao.h"

using rh::db::formatarValor;

TEST(FormatoExibicao, Tabela) {
    struct Caso {
        QVariant valor;
        const char* formato;
        const char* esperado;
    };
    const Caso casos[] = {
        {QDate(2020, 1, 5), "dd/mm/yyyy", "05/01/2020"},
        {QDateTime(QDate(2020, 1, 5), QTime(14, 7)), "dd/mm/yyyy hh:nn", "05/01/2020 14:07"},
        {QDateTime(QDate(2020, 1, 5), QTime(14, 7)), "hh:mm", "14:07"},
        {QDate(2020, 3, 1), "mmmm", "março"},
        {1234567.5, "###,###.00", "1.234.567,50"},
        {0.5, "###,###.00", ",50"},
        {-1234.5, "###,###.00", "-1.234,50"},
        {42, "0000000", "0000042"},
        {QVariant::fromValue<qlonglong>(12345678), "0000000", "12345678"},
        {3.14159, "0.00", "3,14"},
        {QVariant(), "dd/mm/yyyy", ""},
        {QStringLiteral("texto"), "", "texto"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(formatarValor(c.valor, QString::fromUtf8(c.formato)), QString::fromUtf8(c.esperado))
            << c.formato << " " << c.valor.toString().toStdString();
}
