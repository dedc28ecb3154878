#include <gtest/gtest.h>

#include "app/nucleo/TextoFixo.h"

using rh::app::AdicionaEspacos;

TEST(AdicionaEspacos, CompletaCortaEBrancosContamComoVazio) {
    struct Caso {
        QString texto;
        int largura;
        QString esperado;
    };
    const Caso casos[] = {
        {"  ", 5, "     "},          // only blanks: empty, then padded
        {"AB", 5, "AB   "},
        {"ABCDEFG", 5, "ABCDE"},
        {" A ", 5, " A   "},          // a non-blank text keeps its own blanks
        {"", 3, "   "},
        {"ABCDE", 5, "ABCDE"},
        {QStringLiteral("Ação"), 6, QStringLiteral("Ação  ")},
    };
    for (const auto& c : casos)
        EXPECT_EQ(AdicionaEspacos(c.texto, c.largura), c.esperado) << c.texto.toStdString();
}
