#include "app/demo/InsercaoEmLote.h"

#include <QSqlError>
#include <algorithm>

#include "platform/db/Conexao.h"
#include "platform/db/ErroBanco.h"

namespace rh::app {

namespace {
// Stays below the bound-parameter limits of both backends (SQLite's default
// is 32766 per statement, PostgreSQL's 65535).
constexpr int kParametrosPorComando = 16000;
constexpr int kLinhasPorComando = 500;
}  // namespace

InsercaoEmLote::InsercaoEmLote(db::Conexao& conexao, QString tabela, QStringList colunas)
    : m_conexao(conexao),
      m_tabela(std::move(tabela)),
      m_colunas(std::move(colunas)),
      m_linhasPorComando(std::clamp(kParametrosPorComando / std::max<int>(1, int(m_colunas.size())), 1,
                                    kLinhasPorComando)) {
    m_pendentes.reserve(size_t(m_linhasPorComando) * size_t(m_colunas.size()));
}

QString InsercaoEmLote::comando(int linhas) const {
    QString sql = "INSERT INTO " + m_tabela + " (" + m_colunas.join(", ") + ") VALUES ";
    const int n = int(m_colunas.size());
    sql.reserve(sql.size() + linhas * n * 8);
    // Positional placeholders: SQLite looks named ones up by a linear search,
    // which makes a statement with thousands of them slow to prepare.
    QString linha = QStringLiteral("(?");
    for (int c = 1; c < n; ++c) linha += QStringLiteral(",?");
    linha += ')';
    for (int l = 0; l < linhas; ++l) {
        if (l) sql += ',';
        sql += linha;
    }
    return sql;
}

void InsercaoEmLote::gravar(QSqlQuery& q, int linhas) {
    const auto& d = m_conexao.dialeto();
    const int total = linhas * int(m_colunas.size());
    for (int i = 0; i < total; ++i) q.bindValue(i, d.paraParametro(m_pendentes[size_t(i)]));
    if (!q.exec())
        throw db::ErroBanco(q.lastError().text(), "INSERT INTO " + m_tabela + " (" + m_colunas.join(", ") + ") ...");
    m_gravadas += linhas;
    m_pendentes.clear();
}

void InsercaoEmLote::adicionar(const QVariantList& valores) {
    if (valores.size() != m_colunas.size())
        throw db::ErroBanco(QStringLiteral("Linha com %1 valores para %2 colunas de %3.")
                                .arg(valores.size())
                                .arg(m_colunas.size())
                                .arg(m_tabela));
    for (const auto& v : valores) m_pendentes.push_back(v);
    if (m_pendentes.size() < size_t(m_linhasPorComando) * size_t(m_colunas.size())) return;
    for (auto* r : m_referenciadas) r->concluir();
    gravarLoteCheio();
}

void InsercaoEmLote::gravarLoteCheio() {
    if (!m_loteCheio) {
        m_conexao.concluirLeiturasPendentes();
        m_loteCheio.emplace(m_conexao.banco());
        const QString sql = comando(m_linhasPorComando);
        if (!m_loteCheio->prepare(sql)) {
            const QString erro = m_loteCheio->lastError().text();
            m_loteCheio.reset();
            throw db::ErroBanco(erro, "INSERT INTO " + m_tabela + " ...");
        }
    }
    gravar(*m_loteCheio, m_linhasPorComando);
}

void InsercaoEmLote::concluir() {
    for (auto* r : m_referenciadas) r->concluir();
    if (m_pendentes.empty()) return;
    const int linhas = int(m_pendentes.size() / size_t(m_colunas.size()));
    if (linhas == m_linhasPorComando) {
        gravarLoteCheio();
        return;
    }
    m_conexao.concluirLeiturasPendentes();
    QSqlQuery q(m_conexao.banco());
    if (!q.prepare(comando(linhas))) throw db::ErroBanco(q.lastError().text(), "INSERT INTO " + m_tabela + " ...");
    gravar(q, linhas);
}

}  // namespace rh::app
