#include "app/configuracao/Configuracao.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <stdexcept>

namespace rh::app {

namespace {

TextosInstalacao textosPadrao() {
    TextosInstalacao t;
    t.tituloDepartamento = QStringLiteral("Coordenação de Gestão de Pessoas");
    t.siglaDepartamento = QStringLiteral("CGP");
    t.nomeOrganizacao = QStringLiteral("Escola Técnica Federal de Demonstração");
    t.nomeOrganizacaoResumido = QStringLiteral("ETFD");
    t.enderecoDownload = QStringLiteral("https://intranet.exemplo.edu.br");
    t.departamentoTi = QStringLiteral("Coordenação de Tecnologia da Informação");
    t.telefoneTi = QStringLiteral("(00) 0000-0000");
    t.enderecoWebTi = QStringLiteral("https://suporte.exemplo.edu.br");
    t.cidade = QStringLiteral("Cidade Exemplo");
    t.estado = QStringLiteral("MG");
    t.diretor = QStringLiteral("Diretor(a) de Gestão de Pessoas");
    t.estadoNatal = QStringLiteral("MG");
    t.cidadeNatal = QStringLiteral("Cidade Exemplo");
    t.senhaInicialAcademico = QStringLiteral("matricula");
    t.pastaExportacao = QDir::homePath();
    return t;
}

QString texto(QSettings& s, const char* chave, const QString& padrao) {
    return s.value(QString::fromLatin1(chave), padrao).toString();
}

db::ConfiguracaoConexao lerConexao(QSettings& s, const QString& grupo, const db::ConfiguracaoConexao& padrao) {
    db::ConfiguracaoConexao c = padrao;
    s.beginGroup(grupo);
    c.driver = texto(s, "driver", c.driver).toLower();
    c.banco = texto(s, "banco", c.banco);
    c.servidor = texto(s, "servidor", c.servidor);
    c.porta = s.value(QStringLiteral("porta"), c.porta).toInt();
    c.usuario = texto(s, "usuario", c.usuario);
    c.senha = texto(s, "senha", c.senha);
    c.opcoes = texto(s, "opcoes", c.opcoes);
    const QString variavelSenha = texto(s, "senha_env", {});
    if (!variavelSenha.isEmpty() && qEnvironmentVariableIsSet(variavelSenha.toLocal8Bit().constData()))
        c.senha = qEnvironmentVariable(variavelSenha.toLocal8Bit().constData());
    s.endGroup();
    if (c.driver != QLatin1String("sqlite") && c.driver != QLatin1String("postgres"))
        throw std::runtime_error(
            QStringLiteral("Configuração [%1]: driver \"%2\" desconhecido (use sqlite ou postgres).")
                .arg(grupo, c.driver)
                .toStdString());
    if (c.driver == QLatin1String("sqlite") && !c.banco.isEmpty() && QFileInfo(c.banco).isRelative())
        c.banco = QFileInfo(s.fileName()).absoluteDir().filePath(c.banco);
    return c;
}

}  // namespace

QString Configuracao::caminhoBancoDemo() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("cadastro-rh-demo.db"));
}

Configuracao Configuracao::padrao() {
    Configuracao c;
    c.banco.driver = QStringLiteral("sqlite");
    c.banco.banco = caminhoBancoDemo();
    c.academico = c.banco;
    c.carteira = c.banco;
    c.bancoDemo = true;
    c.remetenteNome = QStringLiteral("Gestão de Pessoas");
    c.remetenteEmail = QStringLiteral("rh@exemplo.edu.br");
    c.textos = textosPadrao();
    return c;
}

Configuracao Configuracao::lerArquivo(const QString& caminho) {
    if (!QFileInfo::exists(caminho))
        throw std::runtime_error(
            QStringLiteral("O arquivo de configuração \"%1\" não existe.").arg(caminho).toStdString());
    QSettings s(caminho, QSettings::IniFormat);
    if (s.status() != QSettings::NoError)
        throw std::runtime_error(
            QStringLiteral("O arquivo de configuração \"%1\" não pôde ser lido.").arg(caminho).toStdString());
    Configuracao c = padrao();
    c.arquivo = caminho;
    c.banco = lerConexao(s, QStringLiteral("banco"), c.banco);
    c.bancoDemo = c.banco.driver == QLatin1String("sqlite") && c.banco.banco == caminhoBancoDemo();
    c.academico = lerConexao(s, QStringLiteral("academico"), c.banco);
    c.carteiraUsaBancoPrincipal = !s.childGroups().contains(QStringLiteral("carteira"));
    c.carteira = lerConexao(s, QStringLiteral("carteira"), c.banco);
    s.beginGroup(QStringLiteral("email"));
    c.remetenteNome = texto(s, "remetente_nome", c.remetenteNome);
    c.remetenteEmail = texto(s, "remetente_email", c.remetenteEmail);
    s.endGroup();
    s.beginGroup(QStringLiteral("seguranca"));
    c.gravarSenhaEmClaro = s.value(QStringLiteral("gravar_senha_em_claro"), false).toBool();
    s.endGroup();
    s.beginGroup(QStringLiteral("instalacao"));
    auto& t = c.textos;
    t.tituloDepartamento = texto(s, "titulo_departamento", t.tituloDepartamento);
    t.siglaDepartamento = texto(s, "sigla_departamento", t.siglaDepartamento);
    t.nomeOrganizacao = texto(s, "nome_organizacao", t.nomeOrganizacao);
    t.nomeOrganizacaoResumido = texto(s, "nome_organizacao_resumido", t.nomeOrganizacaoResumido);
    t.enderecoDownload = texto(s, "endereco_download", t.enderecoDownload);
    t.departamentoTi = texto(s, "departamento_ti", t.departamentoTi);
    t.telefoneTi = texto(s, "telefone_ti", t.telefoneTi);
    t.enderecoWebTi = texto(s, "endereco_web_ti", t.enderecoWebTi);
    t.cidade = texto(s, "cidade", t.cidade);
    t.estado = texto(s, "estado", t.estado);
    t.diretor = texto(s, "diretor", t.diretor);
    t.estadoNatal = texto(s, "estado_natal", t.estadoNatal);
    t.cidadeNatal = texto(s, "cidade_natal", t.cidadeNatal);
    t.copiaOculta = texto(s, "copia_oculta", t.copiaOculta);
    t.senhaInicialAcademico = texto(s, "senha_inicial_academico", t.senhaInicialAcademico);
    t.pastaExportacao = texto(s, "pasta_exportacao", t.pastaExportacao);
    s.endGroup();
    return c;
}

Configuracao Configuracao::carregar(const std::optional<QString>& argumentoConfig) {
    if (argumentoConfig) return lerArquivo(*argumentoConfig);
    const QString variavel = qEnvironmentVariable("CADASTRO_RH_CONFIG");
    if (!variavel.isEmpty()) return lerArquivo(variavel);
    const QString doUsuario = QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
                                  .filePath(QStringLiteral("cadastro-rh.ini"));
    if (QFileInfo::exists(doUsuario)) return lerArquivo(doUsuario);
    return padrao();
}

}  // namespace rh::app
