#include "platform/texto/Windows1252.h"

#include <array>
#include <optional>

namespace rh::texto {

namespace {

// Characters of the bytes 0x80–0x9F. The unassigned bytes carry the C1
// control of the same value.
constexpr std::array<char16_t, 32> kFaixa80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80–87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88–8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90–97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98–9F
};

std::optional<char> byteDe(char32_t codigo) {
    if (codigo < 0x80 || (codigo >= 0xA0 && codigo <= 0xFF)) {
        return static_cast<char>(codigo);
    }
    for (std::size_t i = 0; i < kFaixa80.size(); ++i) {
        if (kFaixa80[i] == codigo) {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

// Calls `f` with each code point of `texto`; a lone surrogate is passed as
// an invalid code point (0xFFFFFFFF), which no byte represents.
template <typename F>
void paraCadaCodigo(const QString& texto, F&& f) {
    const qsizetype n = texto.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = texto.at(i);
        if (c.isHighSurrogate() && i + 1 < n && texto.at(i + 1).isLowSurrogate()) {
            f(QChar::surrogateToUcs4(c, texto.at(i + 1)));
            ++i;
        } else if (c.isSurrogate()) {
            f(char32_t(0xFFFFFFFF));
        } else {
            f(char32_t(c.unicode()));
        }
    }
}

}  // namespace

QByteArray paraWindows1252(const QString& texto) {
    QByteArray saida;
    saida.reserve(texto.size());
    paraCadaCodigo(texto,
                   [&saida](char32_t codigo) { saida.append(byteDe(codigo).value_or('?')); });
    return saida;
}

QString deWindows1252(const QByteArray& bytes) {
    QString saida;
    saida.reserve(bytes.size());
    for (const char b : bytes) {
        const auto valor = static_cast<unsigned char>(b);
        if (valor >= 0x80 && valor < 0xA0) {
            saida.append(QChar(kFaixa80[valor - 0x80]));
        } else {
            saida.append(QChar(valor));
        }
    }
    return saida;
}

bool representavelEmWindows1252(const QString& texto) {
    bool representavel = true;
    paraCadaCodigo(texto, [&representavel](char32_t codigo) {
        if (!byteDe(codigo)) {
            representavel = false;
        }
    });
    return representavel;
}

}  // namespace rh::texto
