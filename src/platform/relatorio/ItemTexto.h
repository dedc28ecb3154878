#pragma once

#include "platform/relatorio/EstiloTexto.h"
#include "platform/relatorio/Item.h"

namespace rh::relatorio {

// A text: fixed, or (in the derived items) a field, a system value or a running
// total. The display format applies to values; prefix and suffix surround a
// value that is not empty.
class ItemTexto : public Item {
public:
    ItemTexto(const QRectF& retanguloMm, const QString& texto = {});

    const QString& texto() const { return m_texto; }
    void setTexto(const QString& texto) { m_texto = texto; }
    EstiloTexto& estilo() { return m_estilo; }
    const EstiloTexto& estilo() const { return m_estilo; }
    void setEstilo(const EstiloTexto& estilo) { m_estilo = estilo; }
    const QString& formato() const { return m_formato; }
    void setFormato(const QString& formato) { m_formato = formato; }
    void setPrefixo(const QString& prefixo) { m_prefixo = prefixo; }
    void setSufixo(const QString& sufixo) { m_sufixo = sufixo; }
    const QString& prefixo() const { return m_prefixo; }
    const QString& sufixo() const { return m_sufixo; }

    QString textoAtual(const Linha& linha) const override;
    double gerar(const ContextoItem& contexto, const QString& texto,
                 std::vector<Primitiva>& saida) const override;

protected:
    QString comPrefixoESufixo(const QString& valor) const;
    PrimitivaTexto montar(const ContextoItem& contexto, const QString& texto, double& crescimento) const;

private:
    QString m_texto;
    EstiloTexto m_estilo;
    QString m_formato, m_prefixo, m_sufixo;
};

}  // namespace rh::relatorio
