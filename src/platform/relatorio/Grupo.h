#pragma once

#include "platform/relatorio/Banda.h"

#include <QVariant>
#include <functional>

namespace rh::relatorio {

class Linha;

// Rows with the same key (a field, or an expression over the row) form a group
// with a header before them and a footer after them. Groups nest in the order
// they are added to the report, the first outermost.
class Grupo {
public:
    using Expressao = std::function<QVariant(const Linha&)>;

    Grupo(const QString& nome, const QString& campoQuebra);
    Grupo(const Grupo&) = delete;
    Grupo& operator=(const Grupo&) = delete;

    const QString& nome() const { return m_nome; }
    const QString& campoQuebra() const { return m_campo; }
    void setCampoQuebra(const QString& campo);
    void setExpressao(Expressao expressao);  // replaces the break field
    QVariant chave(const Linha& linha) const;

    // Each group starts on a new page (unless the page holds nothing yet).
    bool novaPagina() const { return m_novaPagina; }
    void setNovaPagina(bool nova) { m_novaPagina = nova; }
    // The whole group moves to a new page when it does not fit in what is left
    // of this one but fits on an empty page.
    bool manterJunto() const { return m_manterJunto; }
    void setManterJunto(bool manter) { m_manterJunto = manter; }
    // Page numbers start again at 1 with each group (and a new page is started).
    bool reiniciaNumeracaoPaginas() const { return m_reiniciaPaginas; }
    void setReiniciaNumeracaoPaginas(bool reinicia) { m_reiniciaPaginas = reinicia; }
    // Counts and sums scoped to this group start again with each group.
    bool reiniciaContadores() const { return m_reiniciaContadores; }
    void setReiniciaContadores(bool reinicia) { m_reiniciaContadores = reinicia; }

    Banda& cabecalho() { return m_cabecalho; }
    Banda& rodape() { return m_rodape; }
    const Banda& cabecalho() const { return m_cabecalho; }
    const Banda& rodape() const { return m_rodape; }

private:
    QString m_nome;
    QString m_campo;
    Expressao m_expressao;
    bool m_novaPagina = false;
    bool m_manterJunto = false;
    bool m_reiniciaPaginas = false;
    bool m_reiniciaContadores = true;
    Banda m_cabecalho{TipoBanda::CabecalhoGrupo};
    Banda m_rodape{TipoBanda::RodapeGrupo};
};

}  // namespace rh::relatorio
