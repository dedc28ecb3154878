#include "platform/relatorio/CodigoBarras39.h"

#include <zint.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace rh::relatorio {

namespace {

struct Elemento {
    bool barra;
    double largura;  // zint units
};

}  // namespace

CodigoBarras39::Resultado CodigoBarras39::codificar(const QString& texto, double larguraEstreita,
                                                    double razaoLarga) {
    Resultado resultado;
    if (texto.isEmpty()) {
        resultado.erro = QStringLiteral("não há dado a codificar");
        return resultado;
    }
    if (larguraEstreita <= 0 || razaoLarga < 2.0 || razaoLarga > 3.0) {
        resultado.erro = QStringLiteral("barra estreita ou razão larga/estreita inválida");
        return resultado;
    }
    std::unique_ptr<zint_symbol, void (*)(zint_symbol*)> simbolo(ZBarcode_Create(), ZBarcode_Delete);
    if (!simbolo) {
        resultado.erro = QStringLiteral("sem memória para o código de barras");
        return resultado;
    }
    simbolo->symbology = BARCODE_CODE39;
    simbolo->option_2 = 0;  // no check digit
    simbolo->show_hrt = 0;
    const QByteArray dados = texto.toLatin1();
    const int codigo = ZBarcode_Encode_and_Buffer_Vector(
        simbolo.get(), reinterpret_cast<const unsigned char*>(dados.constData()),
        static_cast<int>(dados.size()), 0);
    if (codigo >= ZINT_ERROR || !simbolo->vector) {
        resultado.erro = QString::fromLatin1(simbolo->errtxt);
        return resultado;
    }
    std::vector<std::pair<double, double>> retangulos;  // x, width
    for (const zint_vector_rect* r = simbolo->vector->rectangles; r; r = r->next) {
        retangulos.emplace_back(r->x, r->width);
    }
    std::sort(retangulos.begin(), retangulos.end());
    if (retangulos.empty()) {
        resultado.erro = QStringLiteral("o codificador não produziu barras");
        return resultado;
    }
    // Bars and the spaces between them, in zint's units.
    std::vector<Elemento> elementos;
    for (size_t i = 0; i < retangulos.size(); ++i) {
        if (i > 0) {
            const double espaco = retangulos[i].first - (retangulos[i - 1].first + retangulos[i - 1].second);
            if (espaco > 1e-6) elementos.push_back({false, espaco});
        }
        elementos.push_back({true, retangulos[i].second});
    }
    double unidade = elementos.front().largura;
    for (const Elemento& e : elementos) unidade = std::min(unidade, e.largura);
    double x = 0;
    for (const Elemento& e : elementos) {
        const bool larga = e.largura > unidade * 1.5;
        const double largura = larguraEstreita * (larga ? razaoLarga : 1.0);
        if (e.barra) resultado.barras.push_back({x, largura});
        x += largura;
    }
    resultado.larguraTotal = x;
    return resultado;
}

}  // namespace rh::relatorio
