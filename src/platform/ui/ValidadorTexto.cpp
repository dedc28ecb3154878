#include "platform/ui/ValidadorTexto.h"

namespace rh::ui {

ValidadorTexto::ValidadorTexto(Caixa caixa, bool somenteDigitos, QObject* parent)
    : QValidator(parent), m_caixa(caixa), m_somenteDigitos(somenteDigitos) {}

QValidator::State ValidadorTexto::validate(QString& entrada, int& posicao) const {
    if (m_somenteDigitos)
        for (const QChar c : entrada)
            if (c < u'0' || c > u'9') return Invalid;
    const qsizetype antes = entrada.size();
    fixup(entrada);
    // A few letters change length in upper case ("ß" becomes "SS").
    posicao = int(std::clamp<qsizetype>(posicao + (entrada.size() - antes), 0, entrada.size()));
    return Acceptable;
}

void ValidadorTexto::fixup(QString& entrada) const {
    if (m_caixa == Caixa::Maiusculas) entrada = entrada.toUpper();
    else if (m_caixa == Caixa::Minusculas) entrada = entrada.toLower();
}

}  // namespace rh::ui
