#pragma once

#include <QString>
#include <QVariant>

namespace rh::db {

// Display formats in the style the department's screens and reports use:
//  - dates and times: "dd/mm/yyyy", "dd/mm/yyyy hh:nn", "mmmm" (d, m, y, h,
//    n = minutes, s; "mm" right after an hour means minutes too);
//  - numbers: "###,###.00" ('#' optional digit, '0' required digit, ','
//    anywhere = thousands grouping, '.' = decimal point), written with the
//    Brazilian separators ("1.234,50"); "0000000" pads with zeros.
// An empty format gives the value's plain text (dates as dd/MM/yyyy).
QString formatarValor(const QVariant& valor, const QString& formato);

QString formatarNumero(double valor, const QString& formato);
QString formatarDataHora(const QDateTime& valor, const QString& formato);

}  // namespace rh::db
