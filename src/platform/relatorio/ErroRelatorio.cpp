#include "platform/relatorio/ErroRelatorio.h"

namespace rh::relatorio {

ErroRelatorio::ErroRelatorio(const QString& mensagem)
    : std::runtime_error(mensagem.toStdString()), m_mensagem(mensagem) {}

}  // namespace rh::relatorio
