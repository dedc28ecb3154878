#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <vector>

#include "platform/db/ConfiguracaoConexao.h"
#include "platform/db/Dialeto.h"
#include "platform/db/Esquema.h"

namespace rh::db {

// Named statement parameters (":NAME" in the text, "NAME" here).
using Parametros = QVariantMap;

// Something that holds a partly read result on this connection and can
// finish reading it when the backend needs the connection for another
// statement (PostgreSQL) or before a transaction ends (SQLite).
class LeituraPendente {
public:
    virtual ~LeituraPendente() = default;
    virtual void concluirLeitura() = 0;
};

// One database connection with its dialect and the application's
// transaction depth.
//
// Depth convention of the editing windows: to begin editing, a transaction is
// begun only at depth 0 and the depth is incremented; to confirm or abandon,
// the transaction is committed or rolled back only at depth 1 and the depth is
// decremented. The depth never goes below 0.
class Conexao {
public:
    Conexao(const ConfiguracaoConexao& configuracao, std::shared_ptr<const Catalogo> catalogo);
    ~Conexao();
    Conexao(const Conexao&) = delete;
    Conexao& operator=(const Conexao&) = delete;

    // Opens the connection; throws ErroBanco naming the database on failure.
    void abrir();
    void fechar();
    bool aberta() const;

    const Dialeto& dialeto() const { return *m_dialeto; }
    const Catalogo& catalogo() const { return *m_catalogo; }
    const ConfiguracaoConexao& configuracao() const { return m_configuracao; }
    QSqlDatabase& banco() { return m_banco; }

    // Registers a function for the statements of this connection (kept and
    // registered again if the connection is reopened).
    void registrarFuncao(const FuncaoSql& funcao);

    // Runs a statement with bound parameters; throws ErroBanco on failure.
    // The query returned is positioned before its first row.
    QSqlQuery executar(const QString& sql, const Parametros& parametros = {});
    // A forward-only query for paged reading by a dataset.
    QSqlQuery executarLeitura(const QString& sql, const Parametros& parametros);
    // First column of the first row, or null.
    QVariant valor(const QString& sql, const Parametros& parametros = {});
    // Runs several statements (DDL) one after the other.
    void executarTodos(const QStringList& comandos);

    // Transactions.
    bool emTransacao() const { return m_emTransacao; }
    void iniciar();     // begin; throws if one is open
    void confirmar();   // commit
    void desfazer();    // rollback
    // Begins a transaction unless one is already open (never nests).
    void IniciaTransacao();

    // Depth convention.
    int ProfundidadeTransacao() const { return m_profundidade; }
    void iniciarNivel();    // begin at depth 0, then increment
    void confirmarNivel();  // commit at depth 1, then decrement (not below 0)
    void abandonarNivel();  // rollback at depth 1, then decrement (not below 0)
    // The close rule of an editing window, after any pending edit was dealt
    // with: above 1 the depth is decremented; at 0 an open transaction is
    // rolled back.
    void encerrarNiveisAoFechar();

    void registrarLeituraPendente(LeituraPendente* leitura);
    void removerLeituraPendente(LeituraPendente* leitura);
    void concluirLeiturasPendentes();

private:
    QSqlQuery preparar(const QString& sql, const Parametros& parametros, bool somenteAvancar);
    void exigirAberta() const;

    ConfiguracaoConexao m_configuracao;
    std::shared_ptr<const Catalogo> m_catalogo;
    std::unique_ptr<Dialeto> m_dialeto;
    QString m_nomeConexao;
    QSqlDatabase m_banco;
    std::vector<FuncaoSql> m_funcoes;
    std::vector<LeituraPendente*> m_pendentes;
    bool m_emTransacao = false;
    int m_profundidade = 0;
};

}  // namespace rh::db
