#include "platform/db/ErroBanco.h"

namespace rh::db {

ErroBanco::ErroBanco(QString mensagem, QString comando)
    : std::runtime_error((comando.isEmpty() ? mensagem : mensagem + QStringLiteral("\n") + comando)
                             .toStdString()),
      m_mensagem(std::move(mensagem)),
      m_comando(std::move(comando)) {}

}  // namespace rh::db
