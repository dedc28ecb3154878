#include "platform/db/FormatoExibicao.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace rh::db {

namespace {

QString paraFormatoQt(const QString& f) {
    QString r;
    bool depoisDeHora = false;
    for (qsizetype i = 0; i < f.size();) {
        const QChar c = f.at(i).toLower();
        qsizetype n = 1;
        while (i + n < f.size() && f.at(i + n).toLower() == c) ++n;
        const QString corrida(n, c);
        if (c == 'd') {
            r += corrida;
        } else if (c == 'm') {
            r += depoisDeHora && n <= 2 ? corrida : QString(n, 'M');
            depoisDeHora = false;
        } else if (c == 'y') {
            r += n <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
        } else if (c == 'h') {
            r += QString(n, 'H');
            depoisDeHora = true;
        } else if (c == 'n') {
            r += QString(n, 'm');
        } else if (c == 's') {
            r += corrida;
        } else if (c.isLetter()) {
            r += '\'' + f.mid(i, n) + '\'';
        } else {
            r += f.mid(i, n);
        }
        i += n;
    }
    return r;
}

}  // namespace

QString formatarDataHora(const QDateTime& valor, const QString& formato) {
    return QLocale(QLocale::Portuguese, QLocale::Brazil).toString(valor, paraFormatoQt(formato));
}

QString formatarNumero(double valor, const QString& formato) {
    const qsizetype ponto = formato.indexOf('.');
    const QString inteira = ponto < 0 ? formato : formato.left(ponto);
    const QString decimal = ponto < 0 ? QString() : formato.mid(ponto + 1);
    const bool agrupar = inteira.contains(',');
    const int minimoInteiros = int(inteira.count('0'));
    const int maximoDecimais = int(decimal.count('0') + decimal.count('#'));
    const int minimoDecimais = int(decimal.count('0'));

    const bool negativo = valor < 0;
    QString digitos = QString::number(std::fabs(valor), 'f', maximoDecimais);
    QString parteInteira = digitos.section('.', 0, 0);
    QString parteDecimal = digitos.section('.', 1, 1);
    while (parteDecimal.size() > minimoDecimais && parteDecimal.endsWith('0')) parteDecimal.chop(1);
    if (parteInteira == QLatin1String("0") && minimoInteiros == 0) parteInteira.clear();
    while (parteInteira.size() < minimoInteiros) parteInteira.prepend('0');
    if (agrupar) {
        for (qsizetype i = parteInteira.size() - 3; i > 0; i -= 3) parteInteira.insert(i, '.');
    }
    QString r = parteInteira;
    if (!parteDecimal.isEmpty()) r += ',' + parteDecimal;
    if (r.isEmpty()) r = QStringLiteral("0");
    const bool zero = !r.contains(QRegularExpression(QStringLiteral("[1-9]")));
    return negativo && !zero ? '-' + r : r;
}

QString formatarValor(const QVariant& valor, const QString& formato) {
    if (valor.isNull() || !valor.isValid()) return {};
    switch (valor.typeId()) {
        case QMetaType::QDate:
            return formatarDataHora(valor.toDate().startOfDay(),
                                    formato.isEmpty() ? QStringLiteral("dd/mm/yyyy") : formato);
        case QMetaType::QDateTime:
            return formatarDataHora(valor.toDateTime(),
                                    formato.isEmpty() ? QStringLiteral("dd/mm/yyyy hh:nn:ss") : formato);
        case QMetaType::QTime:
            return formatarDataHora(QDateTime(QDate(2000, 1, 1), valor.toTime()),
                                    formato.isEmpty() ? QStringLiteral("hh:nn:ss") : formato);
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
            if (formato.isEmpty()) return QString::number(valor.toLongLong());
            return formatarNumero(valor.toDouble(), formato);
        case QMetaType::Double:
        case QMetaType::Float:
            if (formato.isEmpty()) {
                QString s = QString::number(valor.toDouble(), 'g', 15);
                return s.replace('.', ',');
            }
            return formatarNumero(valor.toDouble(), formato);
        default: return valor.toString();
    }
}

}  // namespace rh::db
