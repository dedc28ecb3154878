#include "platform/relatorio/Grupo.h"

#include "platform/relatorio/Linha.h"

namespace rh::relatorio {

Grupo::Grupo(const QString& nome, const QString& campoQuebra) : m_nome(nome), m_campo(campoQuebra) {}

void Grupo::setCampoQuebra(const QString& campo) {
    m_campo = campo;
    m_expressao = nullptr;
}

void Grupo::setExpressao(Expressao expressao) {
    m_expressao = std::move(expressao);
    m_campo.clear();
}

QVariant Grupo::chave(const Linha& linha) const {
    if (m_expressao) return m_expressao(linha);
    return linha.valor(m_campo);
}

}  // namespace rh::relatorio
