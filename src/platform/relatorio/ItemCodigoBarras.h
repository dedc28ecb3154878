#pragma once

#include "platform/relatorio/EstiloTexto.h"
#include "platform/relatorio/Item.h"

namespace rh::relatorio {

// A Code 39 bar code of a field (or of a fixed text), at a fixed height, placed
// in its rectangle by the alignment. A value that cannot be encoded prints no
// bars and is reported among the document's warnings.
class ItemCodigoBarras : public Item {
public:
    ItemCodigoBarras(const QRectF& retanguloMm, const QString& campo = {});

    void setCampo(const QString& campo) { m_campo = campo; }
    void setTexto(const QString& texto) { m_texto = texto; }
    void setLarguraEstreita(double mm) { m_larguraEstreita = mm; }
    void setRazaoLarga(double razao) { m_razaoLarga = razao; }
    // Bar height in millimetres; 0 takes the rectangle's height.
    void setAltura(double mm) { m_altura = mm; }
    void setAlinhamento(Alinhamento alinhamento) { m_alinhamento = alinhamento; }

    QString textoAtual(const Linha& linha) const override;
    double gerar(const ContextoItem& contexto, const QString& texto,
                 std::vector<Primitiva>& saida) const override;
    QStringList camposUsados() const override;

private:
    QString m_campo, m_texto;
    double m_larguraEstreita = 0.254;
    double m_razaoLarga = 3.0;
    double m_altura = 0;
    Alinhamento m_alinhamento = Alinhamento::Centro;
};

}  // namespace rh::relatorio
