#include "app/demo/InsercaoEmLote.h"

#include <QSqlError>
#include <algorithm>

#include "platform/db/Conexao.h"
#include "platform/db/ErroBanco.h"

namespace rh::app {

namespace {
// Parameters per statement. The server's limit is 65535, and fewer round
// trips pay. The embedded database gets its placeholders named by the Qt
// driver and looks each name up linearly when preparing, so a statement with
// thousands of them takes long to prepare: there a few dozen rows per
// statement are faster.
constexpr int kParametrosServidor = 16000;
constexpr int kParametrosEmbutido = 1000;
constexpr int kLinhasPorComando = 500;

int linhasPorComando(const db::Conexao& c, qsizetype colunas) {
    const int parametros = c.dialeto().nome() == QLatin1String("sqlite") ? kParametrosEmbutido : kParametrosServidor;
    return std::clamp(parametros / std::max<int>(1, int(colunas)), 1, kLinhasPorComando);
}
}  // namespace

InsercaoEmLote::InsercaoEmLote(db::Conexao& conexao, QString tabela, QStringList colunas)
    : m_conexao(conexao),
      m_tabela(std::move(tabela)),
      m_colunas(std::move(colunas)),
      m_linhasPorComando(linhasPorComando(conexao, m_colunas.size())) {}

QString InsercaoEmLote::comando(int linhas) const {
    QString sql = "INSERT INTO " + m_tabela + " (" + m_colunas.join(", ") + ") VALUES ";
    const int n = int(m_colunas.size());
    QString linha = QStringLiteral("(?");
    for (int c = 1; c < n; ++c) linha += QStringLiteral(",?");
    linha += ')';
    sql.reserve(sql.size() + linhas * (linha.size() + 1));
    for (int l = 0; l < linhas; ++l) {
        if (l) sql += ',';
        sql += linha;
    }
    return sql;
}

void InsercaoEmLote::gravar(QSqlQuery& q, int linhas) {
    const auto& d = m_conexao.dialeto();
    const size_t total = size_t(linhas) * size_t(m_colunas.size());
    for (size_t i = 0; i < total; ++i) q.bindValue(int(i), d.paraParametro(m_pendentes[i]));
    if (!q.exec())
        throw db::ErroBanco(q.lastError().text(), "INSERT INTO " + m_tabela + " (" + m_colunas.join(", ") + ") ...");
    m_gravadas += linhas;
    m_pendentes.erase(m_pendentes.begin(), m_pendentes.begin() + qsizetype(total));
    m_exigidas.erase(m_exigidas.begin(), m_exigidas.begin() + linhas);
}

int InsercaoEmLote::linhasProntas() const {
    if (!m_referenciada) return int(m_exigidas.size());
    const qint64 gravadas = m_referenciada->m_gravadas;
    // The requirements never decrease, so the ready rows are a prefix.
    return int(std::upper_bound(m_exigidas.begin(), m_exigidas.end(), gravadas) - m_exigidas.begin());
}

void InsercaoEmLote::adicionar(const QVariantList& valores) {
    if (valores.size() != m_colunas.size())
        throw db::ErroBanco(QStringLiteral("Linha com %1 valores para %2 colunas de %3.")
                                .arg(valores.size())
                                .arg(m_colunas.size())
                                .arg(m_tabela));
    for (const auto& v : valores) m_pendentes.push_back(v);
    m_exigidas.push_back(m_referenciada ? m_referenciada->m_adicionadas : 0);
    ++m_adicionadas;
    while (linhasProntas() >= m_linhasPorComando) {
        if (!m_loteCheio) {
            m_conexao.concluirLeiturasPendentes();
            m_loteCheio.emplace(m_conexao.banco());
            if (!m_loteCheio->prepare(comando(m_linhasPorComando))) {
                const QString erro = m_loteCheio->lastError().text();
                m_loteCheio.reset();
                throw db::ErroBanco(erro, "INSERT INTO " + m_tabela + " ...");
            }
        }
        gravar(*m_loteCheio, m_linhasPorComando);
    }
}

void InsercaoEmLote::concluir() {
    if (m_referenciada) m_referenciada->concluir();
    if (m_exigidas.empty()) return;
    m_conexao.concluirLeiturasPendentes();
    QSqlQuery q(m_conexao.banco());
    const int linhas = int(m_exigidas.size());
    if (!q.prepare(comando(linhas))) throw db::ErroBanco(q.lastError().text(), "INSERT INTO " + m_tabela + " ...");
    gravar(q, linhas);
}

}  // namespace rh::app
