#pragma once

namespace rh::db {

class Conexao;

// Begins a transaction on construction unless one is already open, and
// rolls back on scope exit unless confirmar() was called. When a transaction
// was already open the guard neither commits nor rolls back: the owner of
// that transaction decides.
class GuardaTransacao {
public:
    explicit GuardaTransacao(Conexao& conexao);
    ~GuardaTransacao();
    GuardaTransacao(const GuardaTransacao&) = delete;
    GuardaTransacao& operator=(const GuardaTransacao&) = delete;

    void confirmar();
    bool iniciouTransacao() const { return m_iniciou; }

private:
    Conexao& m_conexao;
    bool m_iniciou = false;
    bool m_concluida = false;
};

}  // namespace rh::db
