#include "platform/db/GuardaTransacao.h"

#include "platform/db/Conexao.h"

namespace rh::db {

GuardaTransacao::GuardaTransacao(Conexao& conexao) : m_conexao(conexao) {
    if (!m_conexao.emTransacao()) {
        m_conexao.iniciar();
        m_iniciou = true;
    }
}

GuardaTransacao::~GuardaTransacao() {
    if (m_iniciou && !m_concluida) {
        try {
            m_conexao.desfazer();
        } catch (...) {
            // Already unwinding from the original failure, which is the one
            // the user must see; the connection has released the transaction.
        }
    }
}

void GuardaTransacao::confirmar() {
    if (m_iniciou && !m_concluida) m_conexao.confirmar();
    m_concluida = true;
}

}  // namespace rh::db
