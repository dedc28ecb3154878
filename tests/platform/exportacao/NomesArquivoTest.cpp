#include "platform/exportacao/NomesArquivo.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using namespace rh::exportacao;

TEST(NomesArquivo, ExtensaoSoQuandoFalta) {
    struct Caso {
        QString nome;
        FormatoExportacao formato;
        QString esperado;
    };
    const Caso casos[] = {
        {"/dados/servidores", FormatoExportacao::Csv, "/dados/servidores.csv"},
        {"/dados/servidores.csv", FormatoExportacao::Csv, "/dados/servidores.csv"},
        {"/dados/SERVIDORES.CSV", FormatoExportacao::Csv, "/dados/SERVIDORES.CSV"},
        {"/dados/servidores.csv", FormatoExportacao::Xlsx, "/dados/servidores.csv.xlsx"},
        {"/dados/lotações.Xlsx", FormatoExportacao::Xlsx, "/dados/lotações.Xlsx"},
        {"/dados/relatorio.2024", FormatoExportacao::Odt, "/dados/relatorio.2024.odt"},
        {"/dados/relatorio.", FormatoExportacao::Odt, "/dados/relatorio.odt"},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(comExtensao(caso.nome, caso.formato).toStdString(), caso.esperado.toStdString());
    }
}

TEST(NomesArquivo, NomeLivreNuncaSobrescreve) {
    QTemporaryDir pasta;
    const QDir dir(pasta.path());
    for (const char* existente :
         {"lista.csv", "lista (2).csv", "tabela.xlsx", "sem extensao", "v1.2.odt", ".oculto"}) {
        QFile arquivo(dir.filePath(QString::fromUtf8(existente)));
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(dir.mkdir(QStringLiteral("pasta.csv")));
    struct Caso {
        const char* pedido;
        const char* esperado;
    };
    const Caso casos[] = {
        {"nova.csv", "nova.csv"},        // free: unchanged
        {"lista.csv", "lista (3).csv"},  // (2) is taken too
        {"tabela.xlsx", "tabela (2).xlsx"},
        {"sem extensao", "sem extensao (2)"},
        {"v1.2.odt", "v1.2 (2).odt"},  // the number goes before the last extension
        {".oculto", ".oculto (2)"},
        {"pasta.csv", "pasta (2).csv"},  // a folder also occupies the name
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(nomeArquivoLivre(dir.filePath(QString::fromUtf8(caso.pedido))).toStdString(),
                  dir.filePath(QString::fromUtf8(caso.esperado)).toStdString());
    }
    // A dot in a folder's name is not an extension of the file.
    ASSERT_TRUE(dir.mkdir(QStringLiteral("ano.2024")));
    QFile(dir.filePath(QStringLiteral("ano.2024/resumo"))).open(QIODevice::WriteOnly);
    EXPECT_EQ(nomeArquivoLivre(dir.filePath(QStringLiteral("ano.2024/resumo"))).toStdString(),
              dir.filePath(QStringLiteral("ano.2024/resumo (2)")).toStdString());
}

}  // namespace
