#include "platform/db/Migracoes.h"

#include <QDateTime>
#include <algorithm>

#include "platform/db/Conexao.h"
#include "platform/db/ErroBanco.h"
#include "platform/db/GuardaTransacao.h"

namespace rh::db {

void Migrador::adicionar(Migracao migracao) { m_migracoes.push_back(std::move(migracao)); }

void Migrador::garantirTabelaDeControle() {
    if (m_controleVerificado) return;
    m_controleVerificado = true;
    m_conexao.executar(QStringLiteral(
        "CREATE TABLE IF NOT EXISTS RECH_MIGRACOES (MODULO VARCHAR(40) NOT NULL, VERSAO INTEGER NOT NULL, "
        "DESCRICAO VARCHAR(200), APLICADAEM VARCHAR(19), PRIMARY KEY (MODULO, VERSAO))"));
}

int Migrador::versaoAplicada(const QString& modulo) {
    garantirTabelaDeControle();
    const QVariant v = m_conexao.valor(
        QStringLiteral("SELECT MAX(VERSAO) FROM RECH_MIGRACOES WHERE MODULO = :MODULO"), {{"MODULO", modulo}});
    return v.isNull() ? 0 : v.toInt();
}

int Migrador::aplicarPendentes() {
    garantirTabelaDeControle();
    auto ordem = m_migracoes;
    std::stable_sort(ordem.begin(), ordem.end(), [](const Migracao& a, const Migracao& b) {
        return a.modulo == b.modulo ? a.versao < b.versao : false;
    });
    int aplicadas = 0;
    for (const auto& m : ordem) {
        if (m.versao <= versaoAplicada(m.modulo)) continue;
        GuardaTransacao guarda(m_conexao);
        m.aplicar(m_conexao);
        m_conexao.executar(
            QStringLiteral("INSERT INTO RECH_MIGRACOES (MODULO, VERSAO, DESCRICAO, APLICADAEM) "
                           "VALUES (:MODULO, :VERSAO, :DESCRICAO, :APLICADAEM)"),
            {{"MODULO", m.modulo},
             {"VERSAO", m.versao},
             {"DESCRICAO", m.descricao},
             {"APLICADAEM", QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))}});
        guarda.confirmar();
        ++aplicadas;
    }
    return aplicadas;
}

void criarTabela(Conexao& conexao, const DefTabela& t) {
    const Dialeto& d = conexao.dialeto();
    const QStringList chaves = t.chaves();
    const bool chaveUnica = chaves.size() == 1;
    QStringList partes;
    for (const auto& c : t.colunas) partes << d.definicaoColuna(c, chaveUnica);
    if (chaves.size() > 1) partes << "PRIMARY KEY (" + chaves.join(", ") + ")";
    partes << t.restricoes;
    conexao.executar("CREATE TABLE " + t.nome + " (\n  " + partes.join(",\n  ") + "\n)");
}

void criarVisao(Conexao& conexao, const DefVisao& v) {
    const QString sql = v.sqlPorDialeto.value(conexao.dialeto().nome(), v.sql);
    if (sql.isEmpty()) throw ErroBanco(QStringLiteral("Visão sem comando: ") + v.nome);
    conexao.executar("DROP VIEW IF EXISTS " + v.nome);
    conexao.executar("CREATE VIEW " + v.nome + " AS\n" + sql);
}

}  // namespace rh::db
