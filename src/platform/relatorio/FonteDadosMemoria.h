#pragma once

#include "platform/relatorio/FonteDados.h"

#include <QHash>
#include <QList>
#include <QVariantList>

namespace rh::relatorio {

// Rows held in memory: columns and rows of values. Column names are matched
// without regard to case, as the database's column names are.
class FonteDadosMemoria : public FonteDados {
public:
    explicit FonteDadosMemoria(const QStringList& colunas, const QList<QVariantList>& linhas = {});

    // Throws std::invalid_argument when the row has not one value per column.
    void adicionarLinha(const QVariantList& valores);
    int quantidadeLinhas() const { return static_cast<int>(m_linhas.size()); }

    bool primeiro() override;
    bool proximo() override;
    QVariant valor(const QString& campo) const override;
    QStringList campos() const override { return m_colunas; }

private:
    QStringList m_colunas;
    QHash<QString, int> m_indices;
    QList<QVariantList> m_linhas;
    int m_atual = -1;
};

}  // namespace rh::relatorio
