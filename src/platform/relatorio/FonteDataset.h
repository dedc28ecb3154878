#pragma once

#include "platform/relatorio/FonteDados.h"

namespace rh::db {
class Dataset;
}

namespace rh::relatorio {

// A report over an open dataset: walks its rows from the first (reading the
// pages it still needs) and hands out the fields' typed values. The dataset
// is left after its last row, as a printed report leaves it.
class FonteDataset : public FonteDados {
public:
    explicit FonteDataset(db::Dataset& dataset) : m_dataset(dataset) {}

    bool primeiro() override;
    bool proximo() override;
    QVariant valor(const QString& campo) const override;
    QStringList campos() const override;

private:
    db::Dataset& m_dataset;
};

}  // namespace rh::relatorio
