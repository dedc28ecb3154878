#pragma once

#include <QString>

#include <stdexcept>

namespace rh::exportacao {

// A file of an export could not be created or written. The message is in
// Portuguese, ready to be shown to the user, and names the file.
class ErroExportacao : public std::runtime_error {
public:
    explicit ErroExportacao(const QString& mensagem);

    const QString& mensagem() const { return m_mensagem; }

private:
    QString m_mensagem;
};

}  // namespace rh::exportacao
