#include "platform/exportacao/EscritorCsv.h"

#include "platform/exportacao/ErroExportacao.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using namespace rh::exportacao;

QList<ColunaExportada> colunasDeTexto(const QStringList& titulos) {
    QList<ColunaExportada> colunas;
    for (const QString& titulo : titulos) {
        colunas.append({titulo, TipoColuna::Texto});
    }
    return colunas;
}

QList<CelulaExportada> celulasDeTexto(const QStringList& textos) {
    QList<CelulaExportada> celulas;
    for (const QString& texto : textos) {
        celulas.append({texto, texto});
    }
    return celulas;
}

class EscritorCsvTest : public ::testing::Test {
protected:
    QString caminho() const { return m_pasta.filePath(QStringLiteral("servidores.csv")); }

    // Exports `linhas` under the column `titulos` and returns the file's bytes.
    std::string exportar(const QStringList& titulos, const QList<QStringList>& linhas,
                         const QString& separador = QStringLiteral(";"),
                         CodificacaoCsv codificacao = CodificacaoCsv::Windows1252) {
        EscritorCsv escritor(caminho(), separador, codificacao);
        escritor.iniciar(colunasDeTexto(titulos));
        for (const QStringList& linha : linhas) {
            escritor.escreverLinha(celulasDeTexto(linha));
        }
        escritor.concluir();
        QFile arquivo(caminho());
        EXPECT_TRUE(arquivo.open(QIODevice::ReadOnly));
        return arquivo.readAll().toStdString();
    }

    QTemporaryDir m_pasta;
};

TEST_F(EscritorCsvTest, CabecalhoELinhasEmWindows1252ComCrLf) {
    EXPECT_EQ(
        exportar({QStringLiteral("Matrícula"), QStringLiteral("Nome"), QStringLiteral("Admissão")},
                 {{QStringLiteral("007"), QStringLiteral("Maria da Conceição"),
                   QStringLiteral("05/03/2024")},
                  {QStringLiteral("1200"), QString(), QString()}}),
        "Matr\xED"
        "cula;Nome;Admiss\xE3o\r\n"
        "007;Maria da Concei\xE7\xE3o;05/03/2024\r\n"
        "1200;;\r\n");
}

TEST_F(EscritorCsvTest, Utf8QuandoEscolhido) {
    EXPECT_EQ(exportar({QStringLiteral("Nome")}, {{QStringLiteral("Conceição €")}},
                       QStringLiteral(";"), CodificacaoCsv::Utf8),
              "Nome\r\nConcei\xC3\xA7\xC3\xA3o \xE2\x82\xAC\r\n");
}

TEST_F(EscritorCsvTest, ConjuntoVazioGravaSoOCabecalho) {
    EXPECT_EQ(exportar({QStringLiteral("Nome"), QStringLiteral("Cargo")}, {}), "Nome;Cargo\r\n");
}

// A text goes out as it is unless it would split the cell or the line.
TEST_F(EscritorCsvTest, AspasSoQuandoOTextoQuebrariaACelula) {
    struct Caso {
        QString separador;
        QString texto;
        std::string campo;
    };
    const Caso casos[] = {
        {";", "simples", "simples"},
        {";", "  espaços e 'apóstrofo'  ", "  espa\xE7os e 'ap\xF3strofo'  "},
        {";", "Rua A; 10", "\"Rua A; 10\""},
        {";", "o \"Zé\"", "\"o \"\"Z\xE9\"\"\""},
        {";", "\"", "\"\"\"\""},
        {";", "linha 1\nlinha 2", "\"linha 1\nlinha 2\""},
        {";", "linha 1\r\nlinha 2", "\"linha 1\r\nlinha 2\""},
        {";", "fim\r", "\"fim\r\""},
        {";", "1,5", "1,5"},
        {",", "1,5", "\"1,5\""},
        {",", "a;b", "a;b"},
        {"\t", "a\tb", "\"a\tb\""},
        {"||", "a|b", "a|b"},
        {"||", "a||b", "\"a||b\""},
        {";", "Ω", "?"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE("separador [" + caso.separador.toStdString() + "] texto [" +
                     caso.texto.toStdString() + "]");
        const std::string sep = caso.separador.toStdString();
        // The same rule holds for the header's titles and for the records' texts.
        EXPECT_EQ(exportar({QStringLiteral("A"), caso.texto}, {{caso.texto, QStringLiteral("b")}},
                           caso.separador),
                  "A" + sep + caso.campo + "\r\n" + caso.campo + sep + "b\r\n");
    }
}

TEST_F(EscritorCsvTest, SeparadorInvalidoERecusadoComMensagem) {
    struct Caso {
        QString separador;
        CodificacaoCsv codificacao;
        QString mensagem;
    };
    const Caso casos[] = {
        {"", CodificacaoCsv::Windows1252, "Informe o separador de colunas."},
        {"\"", CodificacaoCsv::Windows1252,
         "O separador de colunas não pode conter aspas nem quebras de linha."},
        {"\n", CodificacaoCsv::Utf8,
         "O separador de colunas não pode conter aspas nem quebras de linha."},
        {"→", CodificacaoCsv::Windows1252,
         "O separador de colunas \"→\" não existe na codificação Windows-1252."},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.separador.toStdString());
        try {
            EscritorCsv escritor(caminho(), caso.separador, caso.codificacao);
            ADD_FAILURE() << "separador aceito";
        } catch (const ErroExportacao& erro) {
            EXPECT_EQ(erro.mensagem().toStdString(), caso.mensagem.toStdString());
        }
    }
    EXPECT_EQ(exportar({"a", "b"}, {{"1", "2"}}, QStringLiteral("→"), CodificacaoCsv::Utf8),
              "a\xE2\x86\x92"
              "b\r\n1\xE2\x86\x92"
              "2\r\n");
}

}  // namespace
