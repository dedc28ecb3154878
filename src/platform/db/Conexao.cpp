#include "platform/db/Conexao.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlRecord>
#include <algorithm>

#include "platform/db/ErroBanco.h"
#include "platform/db/Placeholders.h"

namespace rh::db {

QString ConfiguracaoConexao::descricao() const {
    if (driver.compare(QStringLiteral("sqlite"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("SQLite \"%1\"").arg(banco);
    QString s = QStringLiteral("PostgreSQL");
    if (!banco.isEmpty()) s += " \"" + banco + "\"";
    if (!servidor.isEmpty()) s += " em " + servidor + (porta > 0 ? ":" + QString::number(porta) : QString());
    if (!usuario.isEmpty()) s += " (usuário " + usuario + ")";
    return s;
}

ConfiguracaoConexao ConfiguracaoConexao::postgresDePares(const QString& pares) {
    ConfiguracaoConexao c;
    c.driver = QStringLiteral("postgres");
    static const QRegularExpression par(QStringLiteral(R"((\w+)\s*=\s*(\S+))"));
    auto it = par.globalMatch(pares);
    while (it.hasNext()) {
        const auto m = it.next();
        const QString k = m.captured(1).toLower(), v = m.captured(2);
        if (k == QLatin1String("host")) c.servidor = v;
        else if (k == QLatin1String("port")) c.porta = v.toInt();
        else if (k == QLatin1String("user")) c.usuario = v;
        else if (k == QLatin1String("password")) c.senha = v;
        else if (k == QLatin1String("dbname")) c.banco = v;
    }
    return c;
}

namespace {
QString novoNomeConexao() {
    static QAtomicInt contador;
    return QStringLiteral("rh-conexao-%1").arg(contador.fetchAndAddRelaxed(1));
}
}  // namespace

Conexao::Conexao(const ConfiguracaoConexao& configuracao, std::shared_ptr<const Catalogo> catalogo)
    : m_configuracao(configuracao),
      m_catalogo(catalogo ? std::move(catalogo) : std::make_shared<Catalogo>()),
      m_dialeto(Dialeto::criar(configuracao.driver)),
      m_nomeConexao(novoNomeConexao()) {}

Conexao::~Conexao() {
    fechar();
    m_banco = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_nomeConexao);
}

void Conexao::abrir() {
    if (aberta()) return;
    if (!m_banco.isValid()) m_banco = QSqlDatabase::addDatabase(m_dialeto->driverQt(), m_nomeConexao);
    const auto& c = m_configuracao;
    if (m_dialeto->nome() == QLatin1String("sqlite")) {
        if (c.banco != QLatin1String(":memory:")) QDir().mkpath(QFileInfo(c.banco).absolutePath());
    } else {
        if (!c.servidor.isEmpty()) m_banco.setHostName(c.servidor);
        if (c.porta > 0) m_banco.setPort(c.porta);
        if (!c.usuario.isEmpty()) m_banco.setUserName(c.usuario);
        if (!c.senha.isEmpty()) m_banco.setPassword(c.senha);
    }
    m_banco.setDatabaseName(c.banco);
    if (!c.opcoes.isEmpty()) m_banco.setConnectOptions(c.opcoes);
    if (!m_banco.open())
        throw ErroBanco(QStringLiteral("Não foi possível conectar ao banco de dados ") + c.descricao() +
                        ":\n" + m_banco.lastError().text());
    try {
        m_dialeto->prepararConexao(m_banco);
        for (const auto& f : m_catalogo->funcoes()) m_dialeto->registrarFuncao(m_banco, f);
        for (const auto& f : m_funcoes) m_dialeto->registrarFuncao(m_banco, f);
        for (const auto& preparar : m_catalogo->preparacoes()) preparar(*this);
    } catch (...) {
        m_banco.close();
        throw;
    }
    m_emTransacao = false;
    m_profundidade = 0;
}

void Conexao::fechar() {
    if (!m_banco.isValid()) return;
    concluirLeiturasPendentes();
    if (m_emTransacao) m_banco.rollback();
    m_emTransacao = false;
    m_profundidade = 0;
    m_banco.close();
}

bool Conexao::aberta() const { return m_banco.isValid() && m_banco.isOpen(); }

void Conexao::exigirAberta() const {
    if (!aberta())
        throw ErroBanco(QStringLiteral("A conexão com o banco de dados ") + m_configuracao.descricao() +
                        QStringLiteral(" não está aberta."));
}

void Conexao::registrarFuncao(const FuncaoSql& funcao) {
    // A function registered again (a reopened connection) replaces itself.
    auto igual = [&](const FuncaoSql& f) {
        return f.nome.compare(funcao.nome, Qt::CaseInsensitive) == 0 && f.argumentos == funcao.argumentos;
    };
    m_funcoes.erase(std::remove_if(m_funcoes.begin(), m_funcoes.end(), igual), m_funcoes.end());
    m_funcoes.push_back(funcao);
    if (aberta()) m_dialeto->registrarFuncao(m_banco, m_funcoes.back());
}

QSqlQuery Conexao::preparar(const QString& sql, const Parametros& parametros, bool somenteAvancar) {
    exigirAberta();
    if (!m_dialeto->permiteLeiturasSimultaneas()) concluirLeiturasPendentes();
    QSqlQuery q(m_banco);
    q.setForwardOnly(somenteAvancar);
    const QStringList nomes = nomesDeParametros(sql);
    if (nomes.isEmpty()) return q;
    if (!q.prepare(sql)) throw ErroBanco(q.lastError().text(), sql);
    for (const auto& nome : nomes) {
        QVariant valor;
        bool achou = false;
        for (auto it = parametros.constBegin(); it != parametros.constEnd(); ++it) {
            if (it.key().compare(nome, Qt::CaseInsensitive) == 0) {
                valor = it.value();
                achou = true;
                break;
            }
        }
        if (!achou)
            throw ErroBanco(QStringLiteral("Parâmetro sem valor: ") + nome, sql);
        q.bindValue(':' + nome, m_dialeto->paraParametro(valor));
    }
    return q;
}

QSqlQuery Conexao::executar(const QString& sql, const Parametros& parametros) {
    QSqlQuery q = preparar(sql, parametros, false);
    const bool ok = nomesDeParametros(sql).isEmpty() ? q.exec(sql) : q.exec();
    if (!ok) throw ErroBanco(q.lastError().text(), sql);
    return q;
}

QSqlQuery Conexao::executarLeitura(const QString& sql, const Parametros& parametros) {
    QSqlQuery q = preparar(sql, parametros, true);
    const bool ok = nomesDeParametros(sql).isEmpty() ? q.exec(sql) : q.exec();
    if (!ok) throw ErroBanco(q.lastError().text(), sql);
    return q;
}

QVariant Conexao::valor(const QString& sql, const Parametros& parametros) {
    QSqlQuery q = executar(sql, parametros);
    return q.next() ? q.value(0) : QVariant();
}

void Conexao::executarTodos(const QStringList& comandos) {
    for (const auto& c : comandos) executar(c);
}

void Conexao::iniciar() {
    exigirAberta();
    if (m_emTransacao) throw ErroBanco(QStringLiteral("Já existe uma transação aberta."));
    concluirLeiturasPendentes();
    if (!m_banco.transaction()) throw ErroBanco(m_banco.lastError().text(), QStringLiteral("BEGIN"));
    m_emTransacao = true;
}

void Conexao::confirmar() {
    exigirAberta();
    if (!m_emTransacao) return;
    concluirLeiturasPendentes();
    if (!m_banco.commit()) {
        const QString erro = m_banco.lastError().text();
        // A failed commit leaves nothing to keep: the server has already
        // aborted the transaction, so release it here too.
        m_banco.rollback();
        m_emTransacao = false;
        throw ErroBanco(erro, QStringLiteral("COMMIT"));
    }
    m_emTransacao = false;
}

void Conexao::desfazer() {
    if (!m_emTransacao || !aberta()) {
        m_emTransacao = false;
        return;
    }
    concluirLeiturasPendentes();
    m_emTransacao = false;
    if (!m_banco.rollback()) throw ErroBanco(m_banco.lastError().text(), QStringLiteral("ROLLBACK"));
}

void Conexao::IniciaTransacao() {
    if (!m_emTransacao) iniciar();
}

void Conexao::iniciarNivel() {
    if (m_profundidade == 0 && !m_emTransacao) iniciar();
    ++m_profundidade;
}

void Conexao::confirmarNivel() {
    if (m_profundidade == 1) confirmar();
    if (m_profundidade > 0) --m_profundidade;
}

void Conexao::abandonarNivel() {
    if (m_profundidade == 1) {
        // The depth is released even when the rollback itself fails, so
        // that the window is never left above its real level.
        m_profundidade = 0;
        desfazer();
        return;
    }
    if (m_profundidade > 0) --m_profundidade;
}

void Conexao::encerrarNiveisAoFechar() {
    if (m_profundidade > 1) --m_profundidade;
    if (m_profundidade == 0 && m_emTransacao) desfazer();
}

void Conexao::registrarLeituraPendente(LeituraPendente* leitura) {
    if (std::find(m_pendentes.begin(), m_pendentes.end(), leitura) == m_pendentes.end())
        m_pendentes.push_back(leitura);
}

void Conexao::removerLeituraPendente(LeituraPendente* leitura) {
    m_pendentes.erase(std::remove(m_pendentes.begin(), m_pendentes.end(), leitura), m_pendentes.end());
}

void Conexao::concluirLeiturasPendentes() {
    // Each reader removes itself when done; work on a copy.
    const auto pendentes = m_pendentes;
    for (auto* p : pendentes) p->concluirLeitura();
    m_pendentes.clear();
}

}  // namespace rh::db
