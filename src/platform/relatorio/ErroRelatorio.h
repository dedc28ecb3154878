#pragma once

#include <QString>
#include <stdexcept>

namespace rh::relatorio {

// A report that cannot be generated: a field that the data source lacks, an
// impossible page set-up, a file that cannot be written.
class ErroRelatorio : public std::runtime_error {
public:
    explicit ErroRelatorio(const QString& mensagem);
    QString mensagem() const { return m_mensagem; }

private:
    QString m_mensagem;
};

}  // namespace rh::relatorio
