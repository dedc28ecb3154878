#pragma once

#include <QValidator>

namespace rh::ui {

enum class Caixa { Normal, Maiusculas, Minusculas };

// Converts text to upper or lower case as it is typed or pasted (accented
// letters included: "conceição" becomes "CONCEIÇÃO") and, when asked,
// refuses every character that is not a digit 0 to 9.
class ValidadorTexto : public QValidator {
    Q_OBJECT
public:
    ValidadorTexto(Caixa caixa, bool somenteDigitos, QObject* parent = nullptr);

    State validate(QString& entrada, int& posicao) const override;
    void fixup(QString& entrada) const override;

private:
    Caixa m_caixa;
    bool m_somenteDigitos;
};

}  // namespace rh::ui
