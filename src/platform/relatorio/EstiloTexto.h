#pragma once

#include <QColor>
#include <QString>

namespace rh::relatorio {

enum class Alinhamento { Esquerda, Centro, Direita, Justificado };
enum class AlinhamentoVertical { Topo, Centro, Base };
enum class Rotacao { Nenhuma, Graus90 };  // Graus90: reads upwards
enum class QuebraLinha { Nao, Sim };

// How a text item prints. Family names are the ones the reports were designed
// with ("Arial", "Tahoma", "Courier New"...); Fontes maps them to installed
// metric-compatible fonts.
struct EstiloTexto {
    QString familia = QStringLiteral("Arial");
    double tamanho = 10.0;  // points
    bool negrito = false;
    bool italico = false;
    bool sublinhado = false;
    QColor cor = Qt::black;
    Alinhamento alinhamento = Alinhamento::Esquerda;
    AlinhamentoVertical alinhamentoVertical = AlinhamentoVertical::Topo;
    QuebraLinha quebraLinha = QuebraLinha::Nao;
    bool estica = false;      // the item grows with its wrapped text and stretches its band
    bool maiusculas = false;  // printed in capital letters
    Rotacao rotacao = Rotacao::Nenhuma;
};

}  // namespace rh::relatorio
