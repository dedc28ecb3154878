#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace rh::db {
class Conexao;
}

namespace rh::app {

// The person found by matriculation and password digest.
struct UsuarioLogin {
    int CODUSUARIO = 0;
    QString NOME;
    qlonglong NUMMATRIC = 0;
    int CODUNIDADE = -1;  // the campus of the servant row
};

// The first authorisation of the user for this application.
struct AutorizacaoLogin {
    int CODAPLICACAO = 0;
    QString PERFIL;
    QString VERSAO;
};

// What an earlier, unfinished use of the application left behind.
struct UsoNaoFinalizado {
    QDateTime inicio;
};

// The database side of the login: password digests, the user and
// authorisation look-ups and the usage audit. Runs on the connection it is
// given (the login window's private one); shows nothing.
class ServicoLogin {
public:
    explicit ServicoLogin(db::Conexao& conexao) : m_conexao(conexao) {}

    // 32 lower-case hexadecimal digits of the MD5 of the password's
    // Windows-1252 bytes, exactly as typed (so digests stored by the
    // organisation's other systems match, accented passwords included).
    static QString digestSenha(const QString& senha);
    // The workstation name: the machine's host name, at most 15 characters.
    static QString ObterNomeMaquina();
    // The executable name used for authorisation: the file name of the
    // running program, or, when the first argument is exactly "//FBBOMY",
    // that name without its last 7 characters followed by "exe", in upper case.
    static QString nomeExecutavel(const QString& caminhoExecutavel, const QStringList& argumentos);

    std::optional<UsuarioLogin> buscarUsuario(const QString& matricula, const QString& digest);
    std::optional<AutorizacaoLogin> buscarAutorizacao(int codUsuario, const QString& executavel);

    // Writes the usage-audit row. When a row of an earlier use on this
    // workstation exists, it is refreshed to now and its start is returned so
    // the caller can warn; otherwise a row dated today is inserted.
    std::optional<UsoNaoFinalizado> IniciaUsoAplicacao(int codUsuario, int codAplicacao, const QString& maquina);
    void TerminaUsoAplicacao(int codUsuario, int codAplicacao, const QString& maquina);

    // Stores the digest of the new password. The clear text is kept in
    // PASSWORD only when the installation asks for it (legacy systems);
    // otherwise that column is cleared.
    enum class SenhaEmClaro { Apagar, Gravar };
    void alterarSenha(int codUsuario, const QString& novaSenha, SenhaEmClaro emClaro);

private:
    db::Conexao& m_conexao;
};

}  // namespace rh::app
