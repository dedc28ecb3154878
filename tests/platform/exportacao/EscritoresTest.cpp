// What every export writer guarantees, whatever the format: an error names the
// file, a failed or abandoned export never leaves a partial file nor spoils
// the file it would have replaced, and a finished one replaces it.

#include "platform/exportacao/ErroExportacao.h"
#include "platform/exportacao/EscritorCsv.h"
#include "platform/exportacao/EscritorOdt.h"
#include "platform/exportacao/EscritorXlsx.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace {

using namespace rh::exportacao;

struct Formato {
    const char* nome;
    const char* extensao;
    std::function<std::unique_ptr<EscritorExportacao>(const QString&)> criar;
};

const QList<ColunaExportada> kColunas = {{QStringLiteral("Matrícula"), TipoColuna::Inteiro},
                                         {QStringLiteral("Nome"), TipoColuna::Texto}};
const QList<CelulaExportada> kLinha = {{42, QStringLiteral("42")},
                                       {QStringLiteral("Ana"), QStringLiteral("Ana")}};

class EscritoresTest : public ::testing::TestWithParam<Formato> {
protected:
    QString caminho() const {
        return m_pasta.filePath(QStringLiteral("saida") + QString::fromLatin1(GetParam().extensao));
    }
    std::unique_ptr<EscritorExportacao> criar(const QString& caminho) const {
        return GetParam().criar(caminho);
    }
    void gravarAntigo() const {
        QFile antigo(caminho());
        ASSERT_TRUE(antigo.open(QIODevice::WriteOnly));
        antigo.write("antigo");
    }
    QByteArray conteudo() const {
        QFile arquivo(caminho());
        return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray("<ausente>");
    }
    QStringList arquivosDaPasta() const {
        return QDir(m_pasta.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    QTemporaryDir m_pasta;
};

TEST_P(EscritoresTest, ConcluidoSubstituiOArquivoSemDeixarTemporarios) {
    gravarAntigo();
    auto escritor = criar(caminho());
    escritor->iniciar(kColunas);
    escritor->escreverLinha(kLinha);
    escritor->concluir();
    EXPECT_NE(conteudo(), QByteArray("antigo"));
    EXPECT_GT(conteudo().size(), 10);
    EXPECT_EQ(arquivosDaPasta(), QStringList{QFileInfo(caminho()).fileName()});
}

TEST_P(EscritoresTest, AbandonadoAntesDeConcluirNaoTocaNoArquivo) {
    gravarAntigo();
    {
        auto escritor = criar(caminho());
        escritor->iniciar(kColunas);
        escritor->escreverLinha(kLinha);
    }
    EXPECT_EQ(conteudo(), QByteArray("antigo"));
    EXPECT_EQ(arquivosDaPasta(), QStringList{QFileInfo(caminho()).fileName()});
}

TEST_P(EscritoresTest, PastaInexistenteFalhaAoIniciarNomeandoOArquivo) {
    const QString inexistente = m_pasta.filePath(QStringLiteral("não existe/saida.x"));
    auto escritor = criar(inexistente);
    try {
        escritor->iniciar(kColunas);
        ADD_FAILURE() << "iniciar não falhou";
    } catch (const ErroExportacao& erro) {
        const QString prefixo = QStringLiteral("Não foi possível criar o arquivo ") + inexistente +
                                QStringLiteral(": ");
        EXPECT_TRUE(erro.mensagem().startsWith(prefixo)) << erro.mensagem().toStdString();
        EXPECT_GT(erro.mensagem().size(), prefixo.size()) << "sem o motivo";
    }
}

// The folder disappears while the records are being written: concluir must
// report the failure instead of success.
TEST_P(EscritoresTest, FalhaAoGravarNoFimEhInformada) {
    auto escritor = criar(caminho());
    escritor->iniciar(kColunas);
    escritor->escreverLinha(kLinha);
    ASSERT_TRUE(QDir(m_pasta.path()).removeRecursively());
    try {
        escritor->concluir();
        ADD_FAILURE() << "concluir não falhou";
    } catch (const ErroExportacao& erro) {
        EXPECT_TRUE(
            erro.mensagem().startsWith(QStringLiteral("Não foi possível gravar o arquivo ") +
                                       caminho() + QStringLiteral(": ")))
            << erro.mensagem().toStdString();
    }
    EXPECT_FALSE(QFile::exists(caminho()));
}

TEST_P(EscritoresTest, ColunasELinhasIncoerentesSaoRecusadas) {
    try {
        criar(caminho())->iniciar({});
        ADD_FAILURE() << "lista de colunas vazia aceita";
    } catch (const ErroExportacao& erro) {
        EXPECT_EQ(erro.mensagem().toStdString(), "Nenhum campo foi escolhido para exportar.");
    }
    auto escritor = criar(caminho());
    EXPECT_THROW(escritor->escreverLinha(kLinha), std::logic_error);  // before iniciar
    escritor->iniciar(kColunas);
    EXPECT_THROW(escritor->escreverLinha({kLinha.first()}), std::logic_error);
    EXPECT_THROW(escritor->escreverLinha(kLinha + kLinha), std::logic_error);
    escritor->concluir();
    EXPECT_THROW(escritor->escreverLinha(kLinha), std::logic_error);  // after concluir
}

INSTANTIATE_TEST_SUITE_P(
    Formatos, EscritoresTest,
    ::testing::Values(Formato{"Csv", ".csv",
                              [](const QString& c) { return std::make_unique<EscritorCsv>(c); }},
                      Formato{"Xlsx", ".xlsx",
                              [](const QString& c) { return std::make_unique<EscritorXlsx>(c); }},
                      Formato{"Odt", ".odt",
                              [](const QString& c) {
                                  return std::make_unique<EscritorOdt>(c,
                                                                       QStringLiteral("Relatório"));
                              }}),
    [](const ::testing::TestParamInfo<Formato>& i) { return std::string(i.param.nome); });

}  // namespace
