#include "app/Inicializacao.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>
#include <memory>
#include <optional>

#include "app/JanelasDoPrograma.h"
#include "app/configuracao/Configuracao.h"
#include "app/esquema/InicializacaoBanco.h"
#include "app/esquema/EsquemaCentral.h"
#include "app/login/TFrmSenha.h"
#include "app/nucleo/ContextoJanela.h"
#include "app/nucleo/TDM.h"
#include "app/principal/TForm_Principal.h"
#include "framework/exportacao/TfExport.h"
#include "platform/db/ErroBanco.h"
#include "platform/ui/DialogosQt.h"
#include "platform/ui/ExecutorJanelas.h"

namespace rh::app {

namespace {

// Servants of the embedded demo database created on first use.
constexpr int kServidoresDemo = 1000;

}  // namespace

QString mensagemVersaoIncorreta(const QString& versao, const QString& enderecoDownload) {
    return QStringLiteral("<<<<<   VERSÃO  INCORRETA   >>>>>>\rÉ necessário atualizar o programa.\rVersão correta: ") +
           versao + QStringLiteral("\rBaixar nova versão em: ") + enderecoDownload +
           QStringLiteral(" em Download - Sistemas");
}

namespace {

int inicializarPorLinhaDeComando(const Configuracao& configuracao, std::optional<int> demo) {
    QTextStream saida(stdout);
    db::Conexao conexao(configuracao.banco, esquemasDoPrograma().catalogo());
    conexao.abrir();
    const ResultadoInicializacao r = inicializarBanco(conexao, esquemasDoPrograma(), demo);
    saida << "Banco " << configuracao.banco.descricao() << ": " << r.resumo() << Qt::endl;
    return 0;
}

}  // namespace

int executarPrograma(QCoreApplication& app, const QStringList& argumentos) {
    QCommandLineParser linha;
    linha.setApplicationDescription(QStringLiteral("Cadastro de servidores da Gestão de Pessoas"));
    linha.addHelpOption();
    const QCommandLineOption config(QStringLiteral("config"), QStringLiteral("Arquivo de configuração (INI)."),
                                    QStringLiteral("arquivo"));
    const QCommandLineOption initDb(QStringLiteral("init-db"),
                                    QStringLiteral("Cria ou atualiza o esquema do banco configurado e termina."));
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  QStringLiteral("Com --init-db: preenche N servidores de demonstração."),
                                  QStringLiteral("N"));
    linha.addOptions({config, initDb, demo});
    // Unknown arguments are the login's ("//FBBOMY"), not errors.
    linha.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    linha.parse(argumentos);
    if (linha.isSet(QStringLiteral("help"))) linha.showHelp(0);

    Configuracao configuracao;
    try {
        configuracao = Configuracao::carregar(linha.isSet(config) ? std::optional(linha.value(config)) : std::nullopt);
    } catch (const std::exception& e) {
        if (linha.isSet(initDb) || !qobject_cast<QApplication*>(&app)) {
            std::fprintf(stderr, "%s\n", e.what());
            return 1;
        }
        ui::DialogosQt().erro(QString::fromUtf8(e.what()));
        return 1;
    }

    if (linha.isSet(initDb)) {
        std::optional<int> servidores;
        if (linha.isSet(demo)) {
            bool ok = false;
            servidores = linha.value(demo).toInt(&ok);
            if (!ok || *servidores < 0) {
                std::fprintf(stderr, "--demo espera um número de servidores (0 ou mais).\n");
                return 1;
            }
        }
        try {
            return inicializarPorLinhaDeComando(configuracao, servidores);
        } catch (const db::ErroBanco& e) {
            std::fprintf(stderr, "%s\n", e.what());
            return 1;
        }
    }

    ui::DialogosQt dialogos;
    // The schema is brought up to date on every start (nothing is done when
    // no step is pending); the embedded demo database is also filled on
    // first use.
    {
        const bool demoNovo = configuracao.bancoDemo && !QFileInfo::exists(configuracao.banco.banco);
        db::Conexao conexao(configuracao.banco, esquemasDoPrograma().catalogo());
        try {
            conexao.abrir();
        } catch (const db::ErroBanco& e) {
            dialogos.erro(e.mensagem());
            return 1;
        }
        try {
            inicializarBanco(conexao, esquemasDoPrograma(),
                             demoNovo ? std::optional<int>(kServidoresDemo) : std::nullopt);
        } catch (const db::ErroBanco& e) {
            dialogos.erroDeBanco(QStringLiteral("Não foi possível atualizar o banco de dados ") +
                                     configuracao.banco.descricao() + QStringLiteral("."),
                                 e);
            return 1;
        }
    }

    std::unique_ptr<TDM> dm;
    try {
        dm = std::make_unique<TDM>(configuracao, esquemasDoPrograma().catalogo());
    } catch (const db::ErroBanco& e) {
        dialogos.erro(e.mensagem());
        return 1;
    }

    ui::ExecutorJanelas executor;
    Sessao sessao;
    QString campoNomeRelatorio;
    ContextoJanela contexto{*dm, sessao, dialogos, executor, configuracao, campoNomeRelatorio};
    // The export window is made once and reused by every report window.
    framework::TfExport exportacao(contexto);
    contexto.exportacao = &exportacao;
    RegistroJanelas registro;
    registrarJanelasDoPrograma(registro);
    TForm_Principal principal(contexto, registro);

    OpcoesLogin opcoes;
    opcoes.caminhoExecutavel = QApplication::applicationFilePath();
    opcoes.argumentos = argumentos.mid(1);
    opcoes.senhaEmClaro = configuracao.gravarSenhaEmClaro ? ServicoLogin::SenhaEmClaro::Gravar
                                                          : ServicoLogin::SenhaEmClaro::Apagar;
    ResultadoLogin login;
    try {
        login = ExecutarLogin(dm->novaConexaoPrivada(), dialogos, executor, opcoes);
    } catch (const db::ErroBanco& e) {
        dialogos.erro(e.mensagem());
        return 1;
    }
    if (!login.ok) return 0;
    sessao = login.sessao;
    if (sessao.Versao != QLatin1String("2")) {
        dialogos.informacao(mensagemVersaoIncorreta(sessao.Versao, configuracao.textos.enderecoDownload),
                            QApplication::applicationName());
        return 0;
    }
    principal.maximizar();
    return app.exec();
}

}  // namespace rh::app
