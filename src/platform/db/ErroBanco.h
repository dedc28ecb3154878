#pragma once

#include <QString>
#include <stdexcept>

namespace rh::db {

// A failed database call: carries the driver's message and the statement that
// failed. The data layer throws it and never shows anything; windows decide
// what the user sees.
class ErroBanco : public std::runtime_error {
public:
    ErroBanco(QString mensagem, QString comando = {});

    const QString& mensagem() const { return m_mensagem; }
    const QString& comando() const { return m_comando; }

private:
    QString m_mensagem;
    QString m_comando;
};

}  // namespace rh::db
