#include "platform/texto/FormatoExibicao.h"

#include <gtest/gtest.h>

namespace rh::texto {
namespace {

struct Caso {
    QVariant valor;
    const char* formato;
    const char* esperado;
};

TEST(FormatoExibicao, FormataValoresComoOsRelatoriosDoDepartamento) {
    const Caso casos[] = {
        // numbers, Brazilian separators
        {1234.5, "###,###.00", "1.234,50"},
        {1234567.891, "###,###.00", "1.234.567,89"},
        {-1234.5, "###,###.00", "-1.234,50"},
        {0.5, "###,###.00", ",50"},
        {0.5, "#,##0.00", "0,50"},
        {-0.001, "0.00", "0,00"},
        {2.675, "0.0", "2,7"},
        {qlonglong(123456), "0000000", "0123456"},
        {qlonglong(12345678), "0000000", "12345678"},
        {3, "00", "03"},
        {-5, "0;(0)", "(5)"},
        {0, "0.00;-0.00;'zero'", "zero"},
        {1.5, "R$ #,##0.00", "R$ 1,50"},
        {1234.5, "", "1234,5"},
        {qlonglong(42), "", "42"},
        {QStringLiteral("123"), "0000000", "0000123"},  // numbers that arrive as text
        {QStringLiteral("ABC"), "0000000", "ABC"},
        // dates and times
        {QDate(2011, 3, 10), "dd/mm/yyyy", "10/03/2011"},
        {QDate(2011, 3, 10), "DD/MM/YYYY", "10/03/2011"},
        {QDate(2011, 3, 10), "", "10/03/2011"},
        {QDate(2011, 3, 10), "d 'de' mmmm 'de' yyyy", "10 de março de 2011"},
        {QDate(2011, 3, 10), "dd/mm/yy", "10/03/11"},
        {QDateTime(QDate(2011, 3, 10), QTime(14, 5, 9)), "dd/mm/yyyy hh:mm", "10/03/2011 14:05"},
        {QDateTime(QDate(2011, 3, 10), QTime(14, 5, 9)), "hh:nn:ss", "14:05:09"},
        {QDateTime(QDate(2011, 3, 10), QTime(14, 5, 9)), "", "10/03/2011 14:05:09"},
        {QDateTime(QDate(2011, 3, 10), QTime(0, 0)), "", "10/03/2011"},
        // nulls are empty whatever the format
        {QVariant(), "###,###.00", ""},
        {QVariant(QMetaType(QMetaType::Double)), "0000000", ""},
        {QVariant(QMetaType(QMetaType::QDate)), "dd/mm/yyyy", ""},
        {QVariant(QMetaType(QMetaType::QString)), "", ""},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(FormatoExibicao::formatar(caso.valor, QString::fromUtf8(caso.formato)),
                  QString::fromUtf8(caso.esperado))
            << "valor " << caso.valor.toString().toStdString() << " formato \"" << caso.formato << "\"";
    }
}

}  // namespace
}  // namespace rh::relatorio
