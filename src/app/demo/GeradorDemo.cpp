#include "app/demo/GeradorDemo.h"

namespace rh::app {

namespace {

int digitoVerificador(const QString& digitos) {
    // Weights run from length+1 down to 2; the digit is 11 - (sum mod 11), 0 when 10 or 11.
    int soma = 0;
    const int n = int(digitos.size());
    for (int i = 0; i < n; ++i) soma += digitos.at(i).digitValue() * (n + 1 - i);
    const int resto = soma % 11;
    return resto < 2 ? 0 : 11 - resto;
}

}  // namespace

QString cpfComDigitos(quint32 base) {
    QString s = QString::number(base % 1000000000u).rightJustified(9, '0');
    s += QChar('0' + digitoVerificador(s));
    s += QChar('0' + digitoVerificador(s));
    return s;
}

bool cpfValido(const QString& cpf) {
    if (cpf.size() != 11) return false;
    for (const QChar c : cpf)
        if (!c.isDigit() || c.unicode() > 127) return false;
    if (cpf.count(cpf.at(0)) == 11) return false;
    return digitoVerificador(cpf.left(9)) == cpf.at(9).digitValue() &&
           digitoVerificador(cpf.left(10)) == cpf.at(10).digitValue();
}

}  // namespace rh::app
