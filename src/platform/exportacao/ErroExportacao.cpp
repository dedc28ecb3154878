#include "platform/exportacao/ErroExportacao.h"

namespace rh::exportacao {

ErroExportacao::ErroExportacao(const QString& mensagem)
    : std::runtime_error(mensagem.toStdString()), m_mensagem(mensagem) {}

}  // namespace rh::exportacao
