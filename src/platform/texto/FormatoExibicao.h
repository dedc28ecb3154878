#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

namespace rh::texto {

// Display formats of fields on screens and in reports, written as the department writes
// them, with the Brazilian separators in the output ("." for thousands, "," for
// decimals):
// - numbers: "0" a required digit, "#" an optional digit, "." the decimal point,
//   "," thousands grouping, text in quotes and other characters copied; up to three
//   sections "positive;negative;zero" ("###,###.00" gives 1.234,50; "0000000" gives 0001234);
// - dates and times: d dd ddd dddd, m mm mmm mmmm (minutes right after an hour),
//   yy yyyy, h hh, n nn, s ss, z (milliseconds), case-insensitive ("dd/mm/yyyy").
// A null value is always an empty text.
class FormatoExibicao {
public:
    static QString formatar(const QVariant& valor, const QString& formato = {});
    static QString formatarNumero(double valor, const QString& formato);
    static QString formatarDataHora(const QDateTime& momento, const QString& formato);
    static QString nomeMes(int mes);  // "janeiro" .. "dezembro"
};

}  // namespace rh::texto
