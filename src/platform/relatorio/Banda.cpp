#include "platform/relatorio/Banda.h"

namespace rh::relatorio {

Banda::Banda(TipoBanda tipo) : m_tipo(tipo) {}

Item* Banda::item(const QString& nome) const {
    for (const auto& item : m_itens) {
        if (item->nome() == nome) return item.get();
    }
    return nullptr;
}

}  // namespace rh::relatorio
