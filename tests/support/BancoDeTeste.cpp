#include "BancoDeTeste.h"

#include <QAtomicInt>
#include <QCoreApplication>

#include "platform/db/ErroBanco.h"

namespace rh::teste {

Backend backendDoTeste() {
    return qEnvironmentVariable("RH_TEST_BACKEND").compare(QLatin1String("postgres"), Qt::CaseInsensitive) == 0
               ? Backend::Postgres
               : Backend::Sqlite;
}

bool postgresDisponivel() { return !qEnvironmentVariable("RH_TEST_PG").trimmed().isEmpty(); }

namespace {

db::ConfiguracaoConexao servidorDeTeste() {
    db::ConfiguracaoConexao c = db::ConfiguracaoConexao::postgresDePares(qEnvironmentVariable("RH_TEST_PG"));
    if (c.banco.isEmpty()) c.banco = QStringLiteral("postgres");
    return c;
}

QString nomeNovoBanco() {
    static QAtomicInt contador;
    return QStringLiteral("rh_teste_%1_%2")
        .arg(QCoreApplication::applicationPid())
        .arg(contador.fetchAndAddRelaxed(1));
}

}  // namespace

BancoTemporario::BancoTemporario(std::shared_ptr<const db::Catalogo> catalogo)
    : m_catalogo(catalogo ? std::move(catalogo) : std::make_shared<db::Catalogo>()) {
    if (backendDoTeste() == Backend::Sqlite) {
        m_configuracao.driver = QStringLiteral("sqlite");
        m_configuracao.banco = m_pasta.filePath(QStringLiteral("teste.db"));
        return;
    }
    if (!postgresDisponivel()) throw db::ErroBanco(QStringLiteral("RH_TEST_PG não definido."));
    m_servidor = servidorDeTeste();
    m_configuracao = m_servidor;
    m_configuracao.banco = nomeNovoBanco();
    db::Conexao manutencao(m_servidor, m_catalogo);
    manutencao.abrir();
    manutencao.executar("CREATE DATABASE " + m_configuracao.banco +
                        " TEMPLATE template0 ENCODING 'UTF8' LC_COLLATE 'C.UTF-8' LC_CTYPE 'C.UTF-8'");
}

BancoTemporario::~BancoTemporario() {
    if (m_servidor.driver != QLatin1String("postgres")) return;
    try {
        db::Conexao manutencao(m_servidor, m_catalogo);
        manutencao.abrir();
        manutencao.executar("DROP DATABASE IF EXISTS " + m_configuracao.banco + " WITH (FORCE)");
    } catch (const std::exception& e) {
        ADD_FAILURE() << "não foi possível apagar o banco de teste: " << e.what();
    }
}

std::unique_ptr<db::Conexao> BancoTemporario::conectar() const {
    auto c = std::make_unique<db::Conexao>(m_configuracao, m_catalogo);
    c->abrir();
    return c;
}

void TesteComBanco::SetUp() {
    if (ehPostgres() && !postgresDisponivel()) GTEST_SKIP() << "RH_TEST_PG não definido: PostgreSQL não testado";
    m_banco = std::make_unique<BancoTemporario>(catalogo());
    m_conexao = m_banco->conectar();
    prepararEsquema(*m_conexao);
}

void TesteComBanco::TearDown() {
    m_conexao.reset();
    m_banco.reset();
}

}  // namespace rh::teste
