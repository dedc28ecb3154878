#include "platform/exportacao/EscritorXlsx.h"

#include "LeituraExterna.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

using namespace rh::exportacao;

// Prints the first sheet as JSON: one list per row, one
// [data type, value, bold] triple per cell. Strings are unescaped as the
// spreadsheet programs do ("_x0001_" is the control character U+0001).
constexpr const char* kLerPlanilha = R"(
import json, sys, openpyxl
from openpyxl.utils.escape import unescape
folha = openpyxl.load_workbook(sys.argv[1]).worksheets[0]
def valor(c):
    return unescape(c.value) if isinstance(c.value, str) else c.value
linhas = [[[c.data_type, valor(c), bool(c.font.b)] for c in linha] for linha in folha.iter_rows()]
print(json.dumps(linhas))
)";

struct CelulaLida {
    std::string tipo;  // openpyxl's data type: "s" string, "n" number
    QJsonValue valor;
    bool negrito = false;
};

std::vector<std::vector<CelulaLida>> lerPlanilha(const QString& caminho) {
    std::vector<std::vector<CelulaLida>> linhas;
    for (const QJsonValue linha : rh::testes::lerComPython(kLerPlanilha, caminho).array()) {
        auto& lida = linhas.emplace_back();
        for (const QJsonValue celula : linha.toArray()) {
            const QJsonArray c = celula.toArray();
            lida.push_back({c.at(0).toString().toStdString(), c.at(1), c.at(2).toBool()});
        }
    }
    return linhas;
}

class EscritorXlsxTest : public ::testing::Test {
protected:
    QString caminho() const { return m_pasta.filePath(QStringLiteral("lotações.xlsx")); }
    QTemporaryDir m_pasta;
};

TEST_F(EscritorXlsxTest, CelulasSeguemOTipoDaColuna) {
    EscritorXlsx escritor(caminho());
    escritor.iniciar({{QStringLiteral("Matrícula"), TipoColuna::Texto},
                      {QStringLiteral("Nome"), TipoColuna::Texto},
                      {QStringLiteral("Filhos"), TipoColuna::Inteiro},
                      {QStringLiteral("Salário"), TipoColuna::Decimal},
                      {QStringLiteral("Admissão"), TipoColuna::Data},
                      {QStringLiteral("Entrada"), TipoColuna::Hora}});
    escritor.escreverLinha({{QStringLiteral("007"), QStringLiteral("007")},
                            {QStringLiteral("José Conceição"), QStringLiteral("José Conceição")},
                            {2, QStringLiteral("2")},
                            {1234.5, QStringLiteral("1.234,50")},
                            {QDate(2024, 3, 5), QStringLiteral("05/03/2024")},
                            {QStringLiteral("07:30"), QStringLiteral("07:30")}});
    // Empty fields, a value that is no number, text over two lines and a
    // control character that XML cannot hold as it is.
    escritor.escreverLinha({{QVariant(), QString()},
                            {QStringLiteral("Rua A\nnº 5"), QStringLiteral("Rua A\nnº 5")},
                            {QVariant(), QString()},
                            {QStringLiteral("n/d"), QStringLiteral("n/d")},
                            {QVariant(), QString()},
                            {QStringLiteral("a\x01z"), QStringLiteral("a\x01z")}});
    escritor.concluir();

    const auto linhas = lerPlanilha(caminho());
    ASSERT_EQ(linhas.size(), 3u);
    const char* titulos[] = {"Matrícula", "Nome", "Filhos", "Salário", "Admissão", "Entrada"};
    ASSERT_EQ(linhas[0].size(), 6u);
    for (std::size_t c = 0; c < 6; ++c) {
        EXPECT_EQ(linhas[0][c].valor.toString().toStdString(), titulos[c]);
        EXPECT_EQ(linhas[0][c].tipo, "s");
        EXPECT_TRUE(linhas[0][c].negrito) << "título " << titulos[c];
    }

    struct Esperado {
        std::string tipo;
        QJsonValue valor;
    };
    const std::vector<std::vector<Esperado>> esperado = {
        {{"s", "007"},
         {"s", "José Conceição"},
         {"n", 2},
         {"n", 1234.5},
         {"s", "05/03/2024"},
         {"s", "07:30"}},
        {{"n", QJsonValue::Null},
         {"s", "Rua A\nnº 5"},
         {"n", QJsonValue::Null},
         {"s", "n/d"},
         {"n", QJsonValue::Null},
         {"s", "a\x01z"}},
    };
    for (std::size_t r = 0; r < esperado.size(); ++r) {
        ASSERT_EQ(linhas[r + 1].size(), esperado[r].size());
        for (std::size_t c = 0; c < esperado[r].size(); ++c) {
            SCOPED_TRACE("linha " + std::to_string(r + 2) + ", coluna " + std::to_string(c + 1));
            const CelulaLida& lida = linhas[r + 1][c];
            EXPECT_EQ(lida.valor, esperado[r][c].valor)
                << "lido " << QJsonDocument(QJsonArray{lida.valor}).toJson().toStdString();
            if (!esperado[r][c].valor.isNull()) {
                EXPECT_EQ(lida.tipo, esperado[r][c].tipo);
            }
            EXPECT_FALSE(lida.negrito);
        }
    }
}

TEST_F(EscritorXlsxTest, ConjuntoVazioTemSoOCabecalho) {
    EscritorXlsx escritor(caminho());
    escritor.iniciar({{QStringLiteral("Nome"), TipoColuna::Texto}});
    escritor.concluir();
    const auto linhas = lerPlanilha(caminho());
    ASSERT_EQ(linhas.size(), 1u);
    EXPECT_EQ(linhas[0][0].valor.toString().toStdString(), "Nome");
}

}  // namespace
