#include "platform/relatorio/FonteDadosMemoria.h"

#include <stdexcept>

namespace rh::relatorio {

FonteDadosMemoria::FonteDadosMemoria(const QStringList& colunas, const QList<QVariantList>& linhas)
    : m_colunas(colunas) {
    for (int i = 0; i < colunas.size(); ++i) {
        m_indices.insert(colunas.at(i).toUpper(), i);
    }
    for (const QVariantList& linha : linhas) {
        adicionarLinha(linha);
    }
}

void FonteDadosMemoria::adicionarLinha(const QVariantList& valores) {
    if (valores.size() != m_colunas.size()) {
        throw std::invalid_argument(QStringLiteral("A linha tem %1 valores, mas a fonte tem %2 colunas.")
                                        .arg(valores.size())
                                        .arg(m_colunas.size())
                                        .toStdString());
    }
    m_linhas.append(valores);
}

bool FonteDadosMemoria::primeiro() {
    m_atual = m_linhas.isEmpty() ? -1 : 0;
    return m_atual == 0;
}

bool FonteDadosMemoria::proximo() {
    if (m_atual < 0 || m_atual + 1 >= m_linhas.size()) {
        m_atual = -1;
        return false;
    }
    ++m_atual;
    return true;
}

QVariant FonteDadosMemoria::valor(const QString& campo) const {
    const auto indice = m_indices.constFind(campo.toUpper());
    if (m_atual < 0 || indice == m_indices.constEnd()) {
        return {};
    }
    return m_linhas.at(m_atual).at(*indice);
}

}  // namespace rh::relatorio
