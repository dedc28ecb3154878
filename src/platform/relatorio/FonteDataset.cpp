#include "platform/relatorio/FonteDataset.h"

#include "platform/db/Dataset.h"

namespace rh::relatorio {

bool FonteDataset::primeiro() {
    if (!m_dataset.ativo()) m_dataset.abrir();
    m_dataset.primeiro();
    return !m_dataset.vazio();
}

bool FonteDataset::proximo() {
    m_dataset.proximo();
    return !m_dataset.noFim();
}

QVariant FonteDataset::valor(const QString& campo) const { return m_dataset.valor(campo); }

QStringList FonteDataset::campos() const {
    QStringList nomes;
    for (int i = 0; i < m_dataset.quantidadeCampos(); ++i) nomes << m_dataset.campo(i).nome();
    return nomes;
}

}  // namespace rh::relatorio
