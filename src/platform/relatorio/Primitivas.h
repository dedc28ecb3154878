#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QRectF>
#include <QStringList>
#include <QVector>
#include <memory>
#include <optional>
#include <variant>

class QTextDocument;

namespace rh::relatorio {

// What a generated page is made of. Coordinates are reference units
// (1/1200 inch) from the paper's top-left corner.

enum class ValorSistema {
    NumeroPagina,
    TotalPaginas,
    PaginaDeTotal,  // "1/3"
    DataImpressao,
    HoraImpressao,
    DataHoraImpressao,
};

struct PrimitivaTexto {
    QRectF retangulo;
    QFont fonte;
    QColor cor;
    QStringList linhas;
    QVector<bool> justificar;  // per line
    Qt::Alignment alinhamento = Qt::AlignLeft;
    double topoTexto = 0;  // offset of the first line inside the rectangle
    double alturaLinha = 0;
    bool girado90 = false;
    // Page numbers and the printing moment are known only when the page is painted.
    std::optional<ValorSistema> sistema;
    QString formato, prefixo, sufixo;
    bool maiusculas = false;
};

struct PrimitivaLinha {
    QLineF linha;
    double espessura = 0;
    QColor cor;
};

struct PrimitivaRetangulo {
    QRectF retangulo;
    double espessura = 0;
    QColor cor;
    QColor preenchimento;  // invalid: not filled
};

struct PrimitivaImagem {
    QRectF retangulo;
    QImage imagem;
};

struct PrimitivaTextoRico {
    QRectF retangulo;
    std::shared_ptr<QTextDocument> documento;  // laid out on the reference device
};

struct PrimitivaBarras {
    QVector<QRectF> barras;
    QColor cor;
};

using Primitiva = std::variant<PrimitivaTexto, PrimitivaLinha, PrimitivaRetangulo, PrimitivaImagem,
                               PrimitivaTextoRico, PrimitivaBarras>;

void deslocar(Primitiva& primitiva, const QPointF& deslocamento);

}  // namespace rh::relatorio
