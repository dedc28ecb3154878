#include "platform/texto/Windows1252.h"

#include <gtest/gtest.h>

#include <QStringDecoder>

namespace {

using rh::texto::deWindows1252;
using rh::texto::paraWindows1252;
using rh::texto::representavelEmWindows1252;

std::string bytes(const QByteArray& b) {
    return b.toStdString();
}

// The characters the code page puts at 0x80–0x9F, each beside its byte,
// and samples of the Latin-1 half the department's names use.
TEST(Windows1252, CadaCaractereTemSeuByte) {
    const QString especiais = QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ");
    const QByteArray bytesEspeciais(
        "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"
        "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F");
    const QString latinos = QStringLiteral("Aa09 ~\u00A0¡ªºÀÇÉÍÑÓÚÜßàáâãçéêíóôõúüÿ");
    const QByteArray bytesLatinos(
        "Aa09 ~\xA0\xA1\xAA\xBA\xC0\xC7\xC9\xCD\xD1\xD3\xDA\xDC\xDF"
        "\xE0\xE1\xE2\xE3\xE7\xE9\xEA\xED\xF3\xF4\xF5\xFA\xFC\xFF");

    struct Caso {
        QString texto;
        QByteArray esperado;
    };
    const Caso casos[] = {
        {especiais, bytesEspeciais},
        {latinos, bytesLatinos},
        {QStringLiteral("Conceição"), QByteArray("Concei\xE7\xE3o")},
        {QString(), QByteArray()},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.texto.toStdString());
        EXPECT_EQ(bytes(paraWindows1252(caso.texto)), bytes(caso.esperado));
        EXPECT_EQ(deWindows1252(caso.esperado).toStdString(), caso.texto.toStdString());
        EXPECT_TRUE(representavelEmWindows1252(caso.texto));
    }
}

TEST(Windows1252, CaractereSemByteViraUmaInterrogacao) {
    struct Caso {
        QString texto;
        QByteArray esperado;
    };
    const Caso casos[] = {
        {QStringLiteral("Ω"), "?"},
        {QStringLiteral("a中b"), "a?b"},
        {QStringLiteral("x😀y"), "x?y"},                 // one character outside the BMP, one '?'
        {QString(u'a') + QChar(0xD800) + u'b', "a?b"},  // lone surrogate
        {QString(QChar(0x0080)), "?"},                  // 0x80 is the euro sign, not U+0080
        {QStringLiteral("ção ≠ cao"), "\xE7\xE3o ? cao"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.texto.toStdString());
        EXPECT_EQ(bytes(paraWindows1252(caso.texto)), bytes(caso.esperado));
        EXPECT_FALSE(representavelEmWindows1252(caso.texto));
    }
}

// Every byte sequence survives decoding and encoding again, the five
// unassigned bytes included; they decode to the C1 control of the same value.
TEST(Windows1252, TodosOsBytesVoltamIguais) {
    QByteArray todos;
    for (int b = 0; b < 256; ++b) {
        todos.append(static_cast<char>(b));
    }
    const QString texto = deWindows1252(todos);
    ASSERT_EQ(texto.size(), 256);
    EXPECT_EQ(bytes(paraWindows1252(texto)), bytes(todos));
    for (const int livre : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(texto.at(livre).unicode(), livre);
    }
}

// Cross-check of the whole table against the ICU converter Qt is built with
// (where the build has one).
TEST(Windows1252, ConfereComOConversorDoSistema) {
    QStringDecoder sistema("windows-1252");
    if (!sistema.isValid()) {
        GTEST_SKIP() << "Qt foi compilado sem conversor windows-1252";
    }
    for (int b = 0; b < 256; ++b) {
        const QByteArray um(1, static_cast<char>(b));
        const QString esperado = sistema.decode(um);
        EXPECT_EQ(deWindows1252(um).toStdU16String(), esperado.toStdU16String()) << "byte " << b;
    }
}

}  // namespace
