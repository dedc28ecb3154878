#pragma once

#include <QPageLayout>
#include <QSizeF>

namespace rh::relatorio {

enum class TamanhoPapel { A4, Carta, Oficio, JisB5, Personalizado };
enum class Orientacao { Retrato, Paisagem };

struct Margens {  // millimetres
    double esquerda = 10.0;
    double direita = 10.0;
    double superior = 10.0;
    double inferior = 10.0;
};

// Paper, orientation and margins of a report, in millimetres.
class ConfiguracaoPagina {
public:
    void setTamanho(TamanhoPapel tamanho) { m_tamanho = tamanho; }
    // Portrait width and height; also selects TamanhoPapel::Personalizado.
    void setTamanhoPersonalizado(const QSizeF& mm);
    void setOrientacao(Orientacao orientacao) { m_orientacao = orientacao; }
    void setMargens(const Margens& margens) { m_margens = margens; }

    TamanhoPapel tamanho() const { return m_tamanho; }
    Orientacao orientacao() const { return m_orientacao; }
    const Margens& margens() const { return m_margens; }

    QSizeF tamanhoMm() const;  // as printed, landscape already turned
    double larguraUtilMm() const { return tamanhoMm().width() - m_margens.esquerda - m_margens.direita; }
    double alturaUtilMm() const { return tamanhoMm().height() - m_margens.superior - m_margens.inferior; }
    // The paper with zero device margins: the engine places everything itself.
    QPageLayout layoutPagina() const;
    // Empty when the set-up can print; otherwise what is wrong with it.
    QString problema() const;

private:
    QPageSize tamanhoPagina() const;

    TamanhoPapel m_tamanho = TamanhoPapel::A4;
    QSizeF m_personalizado{210.0, 297.0};
    Orientacao m_orientacao = Orientacao::Retrato;
    Margens m_margens;
};

}  // namespace rh::relatorio
