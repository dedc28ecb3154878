#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace rh::relatorio {

class FonteDados;

// A copy of one row of a data source: what bands and events read while the
// report is generated. Names are matched without regard to case.
class Linha {
public:
    Linha() = default;
    static Linha capturar(const FonteDados& fonte);
    // A row with every named field null: blank forms print from it.
    static Linha vazia(const QStringList& campos);

    QVariant valor(const QString& campo) const { return m_valores.value(campo.toUpper()); }
    bool contem(const QString& campo) const { return m_valores.contains(campo.toUpper()); }

private:
    QHash<QString, QVariant> m_valores;
};

}  // namespace rh::relatorio
