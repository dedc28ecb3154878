#pragma once

#include "platform/relatorio/Item.h"

#include <functional>
#include <memory>

namespace rh::relatorio {

class FonteDados;
class Relatorio;

// A report over the detail rows of the current master row (a servant's
// dependents). Its bands print right after the band that holds this item,
// shifted right by the item's left position; its title prints once before its
// rows, its summary once after them, and it has no page header or footer of its own.
class ItemSubRelatorio : public Item {
public:
    // Gives the detail rows for a master row, or nullptr for none. The source
    // stays the caller's and is read before the callback is asked again.
    using Fonte = std::function<FonteDados*(const Linha& mestre)>;

    ItemSubRelatorio(const QRectF& retanguloMm, Fonte fonte);
    ~ItemSubRelatorio() override;

    Relatorio& relatorio() { return *m_relatorio; }
    const Fonte& fonte() const { return m_fonte; }

    double gerar(const ContextoItem& contexto, const QString& texto,
                 std::vector<Primitiva>& saida) const override;

private:
    std::unique_ptr<Relatorio> m_relatorio;
    Fonte m_fonte;
};

}  // namespace rh::relatorio
