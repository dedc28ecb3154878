#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/configuracao/Configuracao.h"

using rh::app::Configuracao;

namespace {

QString escrever(QTemporaryDir& dir, const QByteArray& conteudo) {
    const QString caminho = dir.filePath("rh.ini");
    QFile f(caminho);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(conteudo);
    return caminho;
}

TEST(Configuracao, SemArquivoUsaOBancoDeDemonstracao) {
    qunsetenv("CADASTRO_RH_CONFIG");
    const Configuracao c = Configuracao::padrao();
    EXPECT_TRUE(c.bancoDemo);
    EXPECT_EQ(c.banco.driver, "sqlite");
    EXPECT_TRUE(c.banco.banco.endsWith("cadastro-rh-demo.db"));
    EXPECT_FALSE(c.gravarSenhaEmClaro);
}

TEST(Configuracao, LeConexoesTextosESenhaDoAmbiente) {
    QTemporaryDir dir;
    qputenv("RH_SENHA_TESTE", "segredo");
    const Configuracao c = Configuracao::lerArquivo(escrever(dir,
        "[banco]\ndriver=postgres\nservidor=db.exemplo\nporta=5433\nbanco=rh\nusuario=rh\nsenha_env=RH_SENHA_TESTE\n"
        "[instalacao]\ntitulo_departamento=Diretoria de Pessoas\nendereco_download=https://x/y\n"
        "[seguranca]\ngravar_senha_em_claro=true\n"));
    EXPECT_EQ(c.banco.driver, "postgres");
    EXPECT_EQ(c.banco.servidor, "db.exemplo");
    EXPECT_EQ(c.banco.porta, 5433);
    EXPECT_EQ(c.banco.senha, "segredo");
    EXPECT_FALSE(c.bancoDemo);
    EXPECT_TRUE(c.carteiraUsaBancoPrincipal);
    EXPECT_EQ(c.carteira.servidor, "db.exemplo");
    EXPECT_EQ(c.academico.banco, "rh");
    EXPECT_EQ(c.textos.tituloDepartamento, "Diretoria de Pessoas");
    EXPECT_EQ(c.textos.enderecoDownload, "https://x/y");
    EXPECT_TRUE(c.gravarSenhaEmClaro);
    EXPECT_FALSE(c.banco.descricao().contains("segredo"));
}

TEST(Configuracao, ErrosDizemOQueEstaErrado) {
    QTemporaryDir dir;
    EXPECT_THROW(Configuracao::lerArquivo(dir.filePath("nao-existe.ini")), std::runtime_error);
    try {
        Configuracao::lerArquivo(escrever(dir, "[banco]\ndriver=oracle\n"));
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("oracle"), std::string::npos);
    }
}

TEST(Configuracao, ArquivoSqliteRelativoAoIni) {
    QTemporaryDir dir;
    const Configuracao c = Configuracao::lerArquivo(escrever(dir, "[banco]\ndriver=sqlite\nbanco=dados/rh.db\n"));
    EXPECT_EQ(c.banco.banco, dir.filePath("dados/rh.db"));
}

}  // namespace
