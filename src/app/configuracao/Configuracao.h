#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "platform/db/ConfiguracaoConexao.h"

namespace rh::app {

// Texts of the installation that the program prints or shows: department,
// organisation, addresses and the like. Every one has a demo default.
struct TextosInstalacao {
    QString tituloDepartamento;
    QString siglaDepartamento;
    QString nomeOrganizacao;
    QString nomeOrganizacaoResumido;
    QString enderecoDownload;  // the download page named by the version gate
    QString departamentoTi;    // referred to by the "Não foi possível excluir!" message
    QString telefoneTi;
    QString enderecoWebTi;
    QString cidade;
    QString estado;
    QString diretor;
    QString estadoNatal;       // home state offered first by the servant form
    QString cidadeNatal;
    QString copiaOculta;       // e-mail blind-copy list, comma separated
    QString senhaInicialAcademico;
    QString pastaExportacao;   // initial folder of export files
};

// The program's configuration, read from an INI file. Credentials never
// live in the program: passwords come from the file or from environment
// variables it names, and a PostgreSQL connection left partly empty uses
// libpq's own variables and service files.
struct Configuracao {
    db::ConfiguracaoConexao banco;       // the main database
    db::ConfiguracaoConexao academico;   // the academic system's database
    db::ConfiguracaoConexao carteira;    // the identity card's print connection
    bool carteiraUsaBancoPrincipal = true;
    bool bancoDemo = false;              // no configuration: embedded demo database
    QString remetenteNome;               // SMTP sender identity
    QString remetenteEmail;
    // Unsafe legacy switch: also keep a changed password in clear text in
    // VORK_USUARIOS.PASSWORD for legacy systems that still read it.
    bool gravarSenhaEmClaro = false;
    TextosInstalacao textos;
    QString arquivo;                     // the INI file read, empty for defaults

    // Where the file comes from: the --config argument, else
    // $CADASTRO_RH_CONFIG, else the user's configuration folder; without any
    // file the defaults (demo database) apply.
    static Configuracao carregar(const std::optional<QString>& argumentoConfig);
    static Configuracao lerArquivo(const QString& caminho);
    static Configuracao padrao();
    static QString caminhoBancoDemo();
};

}  // namespace rh::app
