// The identity card's calculated texts and the condition of its print query.
#include "servants/carteira/CodigoCarteira.h"

#include <gtest/gtest.h>

namespace rh::servants {
namespace {

TEST(CodigoCarteira, CodigoDeBarrasEDescricaoDaVia) {
    const QVariant nulo;
    const struct {
        QVariant matricula, via;
        const char* codigo;
        const char* descricao;
    } casos[] = {
        {123456, 3, "2012345603", "3ª VIA"},
        {1234567, 12, "2123456712", "12ª VIA"},
        {42, nulo, "2000004200", "ª VIA"},       // no copy yet counts as 0
        {42, QString(), "2000004200", "ª VIA"},  // an empty text is no copy either
        {0, 0, "2000000000", "0ª VIA"},
        {12345678, 5, "2123456780", "5ª VIA"},   // eight digits: the copy's last digit is cut
        {123456, 123, "2012345612", "123ª VI"},  // both texts keep their first characters
        {QStringLiteral("7654321"), QStringLiteral("1"), "2765432101",
         "1ª VIA"},               // values read as text
        {nulo, 3, "", "3ª VIA"},  // no matriculation: no bar code
    };
    for (const auto& c : casos) {
        const QString onde = c.matricula.toString() + QStringLiteral(" / ") + c.via.toString();
        EXPECT_EQ(codigoBarraCarteira(c.matricula, c.via), QString::fromUtf8(c.codigo))
            << onde.toStdString();
        EXPECT_EQ(descricaoViaCarteira(c.via), QString::fromUtf8(c.descricao))
            << onde.toStdString();
    }
}

TEST(CodigoCarteira, CondicaoDaImpressaoTemUmParametroPorServidor) {
    const CondicaoLista tres = condicaoListaCarteira({12, 40, 7});
    EXPECT_EQ(tres.sql, QStringLiteral("CODUSUARIO IN (:COD0, :COD1, :COD2) "));
    EXPECT_EQ(tres.parametros, (QVariantMap{{"COD0", 12}, {"COD1", 40}, {"COD2", 7}}));
    EXPECT_EQ(
        comandoImpressaoCarteira(tres),
        QStringLiteral(
            "SELECT VORK_VW_SERVIDORES.*, VORK_FuncCategoriaServidor(CATEGSERVIDOR) NomeCategoria, "
            "VORK_FuncSituaServidor(SITUACAO) NomeSituacao FROM VORK_VW_SERVIDORES WHERE "
            "CODUSUARIO IN (:COD0, :COD1, :COD2)  ORDER BY NUMMATRIC"));

    const CondicaoLista nenhuma = condicaoListaCarteira({});
    EXPECT_TRUE(nenhuma.vazia());
    EXPECT_TRUE(
        comandoImpressaoCarteira(nenhuma).contains(QStringLiteral("WHERE 0=1 ORDER BY NUMMATRIC")));
}

}  // namespace
}  // namespace rh::servants
