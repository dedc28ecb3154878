#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

namespace rh::relatorio {

// The rows a report walks. The data layer's dataset is wrapped by a small
// adapter; windows that compute their rows use FonteDadosMemoria.
class FonteDados {
public:
    virtual ~FonteDados();
    virtual bool primeiro() = 0;  // go to the first row; false when empty
    virtual bool proximo() = 0;   // advance; false at the end
    // Typed value of the current row (QDate, QDateTime, qlonglong, double, QString, null).
    virtual QVariant valor(const QString& campo) const = 0;
    // The column names. The engine keeps a copy of each row it prints, so that a
    // group footer still shows the row that closed the group after the source moved on.
    virtual QStringList campos() const = 0;
};

}  // namespace rh::relatorio
