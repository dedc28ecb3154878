#include "platform/texto/FormatoExibicao.h"

#include <QStringList>
#include <cmath>

namespace rh::texto {

namespace {

const char* const kMeses[] = {"janeiro", "fevereiro", "março",    "abril",   "maio",     "junho",
                              "julho",   "agosto",    "setembro", "outubro", "novembro", "dezembro"};
const char* const kDiasSemana[] = {"segunda-feira", "terça-feira", "quarta-feira", "quinta-feira",
                                   "sexta-feira",   "sábado",      "domingo"};

bool ehNumero(const QVariant& valor) {
    switch (valor.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Double:
        case QMetaType::Float:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Long:
        case QMetaType::ULong:
            return true;
        default:
            return false;
    }
}

bool ehInteiro(const QVariant& valor) {
    return ehNumero(valor) && valor.typeId() != QMetaType::Double &&
           valor.typeId() != QMetaType::Float;
}

bool temMarcadorNumerico(const QString& formato) {
    return formato.contains(QLatin1Char('0')) || formato.contains(QLatin1Char('#'));
}

// Splits "a;b;c" at semicolons outside quotes.
QStringList secoes(const QString& formato) {
    QStringList partes;
    QString atual;
    QChar aspas;
    for (const QChar c : formato) {
        if (!aspas.isNull()) {
            if (c == aspas) aspas = QChar();
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            aspas = c;
        } else if (c == QLatin1Char(';')) {
            partes << atual;
            atual.clear();
            continue;
        }
        atual += c;
    }
    partes << atual;
    return partes;
}

QString agrupar(const QString& digitos) {
    QString saida;
    const int n = static_cast<int>(digitos.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) saida += QLatin1Char('.');
        saida += digitos.at(i);
    }
    return saida;
}

// One section of a number format applied to a non-negative value.
QString aplicarSecao(double valor, const QString& secao) {
    QString prefixo, sufixo;
    int inteirosMinimos = 0, decimaisMinimos = 0, decimaisMaximos = 0;
    bool agrupa = false, naParteDecimal = false, viuMarcador = false, viuZeroInteiro = false;
    int marcadoresInteirosDesdeZero = 0;
    for (int i = 0; i < secao.size(); ++i) {
        const QChar c = secao.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const int fim = static_cast<int>(secao.indexOf(c, i + 1));
            const QString literal = secao.mid(i + 1, fim < 0 ? -1 : fim - i - 1);
            (viuMarcador ? sufixo : prefixo) += literal;
            i = fim < 0 ? static_cast<int>(secao.size()) : fim;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            viuMarcador = true;
            if (naParteDecimal) {
                ++decimaisMaximos;
                if (c == QLatin1Char('0')) decimaisMinimos = decimaisMaximos;
            } else {
                if (c == QLatin1Char('0')) viuZeroInteiro = true;
                if (viuZeroInteiro) ++marcadoresInteirosDesdeZero;
            }
        } else if (c == QLatin1Char('.') && !naParteDecimal) {
            naParteDecimal = true;
            viuMarcador = true;
        } else if (c == QLatin1Char(',') && !naParteDecimal) {
            agrupa = true;
        } else {
            (viuMarcador ? sufixo : prefixo) += c;
        }
    }
    inteirosMinimos = marcadoresInteirosDesdeZero;

    const QString fixo = QString::number(valor, 'f', decimaisMaximos);
    const qsizetype ponto = fixo.indexOf(QLatin1Char('.'));
    QString inteiros = ponto < 0 ? fixo : fixo.left(ponto);
    QString decimais = ponto < 0 ? QString() : fixo.mid(ponto + 1);
    while (decimais.size() > decimaisMinimos && decimais.endsWith(QLatin1Char('0'))) {
        decimais.chop(1);
    }
    if (inteiros == QLatin1String("0")) inteiros.clear();
    while (inteiros.size() < inteirosMinimos) inteiros.prepend(QLatin1Char('0'));
    if (agrupa) inteiros = agrupar(inteiros);

    QString numero = inteiros;
    if (!decimais.isEmpty()) numero += QLatin1Char(',') + decimais;
    return prefixo + numero + sufixo;
}

QString numeroSemFormato(const QVariant& valor) {
    if (ehInteiro(valor)) return valor.toString();
    QString texto = QString::number(valor.toDouble(), 'g', 15);
    texto.replace(QLatin1Char('.'), QLatin1Char(','));
    return texto;
}

QString doisDigitos(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

}  // namespace

QString FormatoExibicao::nomeMes(int mes) {
    return mes >= 1 && mes <= 12 ? QString::fromUtf8(kMeses[mes - 1]) : QString();
}

QString FormatoExibicao::formatarNumero(double valor, const QString& formato) {
    if (std::isnan(valor) || std::isinf(valor)) return QString();
    const QStringList partes = secoes(formato);
    // The value as it will be shown decides between the sections, so -0.001
    // with two decimals counts as zero and carries no minus sign.
    const QString padrao = partes.at(0);
    int decimais = 0;
    const qsizetype ponto = padrao.indexOf(QLatin1Char('.'));
    if (ponto >= 0) {
        for (qsizetype i = ponto + 1; i < padrao.size(); ++i) {
            if (padrao.at(i) == QLatin1Char('0') || padrao.at(i) == QLatin1Char('#')) ++decimais;
        }
    }
    const double arredondado = QString::number(valor, 'f', decimais).toDouble();
    if (arredondado == 0.0) {
        if (partes.size() >= 3 && !partes.at(2).isEmpty()) return aplicarSecao(0.0, partes.at(2));
        return aplicarSecao(0.0, padrao);
    }
    if (valor < 0) {
        if (partes.size() >= 2 && !partes.at(1).isEmpty()) return aplicarSecao(-valor, partes.at(1));
        return QLatin1Char('-') + aplicarSecao(-valor, padrao);
    }
    return aplicarSecao(valor, padrao);
}

QString FormatoExibicao::formatarDataHora(const QDateTime& momento, const QString& formato) {
    const QDate data = momento.date();
    const QTime hora = momento.time();
    QString saida;
    bool ultimoFoiHora = false;
    for (int i = 0; i < formato.size();) {
        const QChar c = formato.at(i);
        const QChar m = c.toLower();
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const int fim = static_cast<int>(formato.indexOf(c, i + 1));
            saida += formato.mid(i + 1, fim < 0 ? -1 : fim - i - 1);
            i = fim < 0 ? static_cast<int>(formato.size()) : fim + 1;
            continue;
        }
        int n = 1;
        while (i + n < formato.size() && formato.at(i + n).toLower() == m) ++n;
        if (m == QLatin1Char('d')) {
            if (n == 1) saida += QString::number(data.day());
            else if (n == 2) saida += doisDigitos(data.day());
            else if (n == 3) saida += QString::fromUtf8(kDiasSemana[data.dayOfWeek() - 1]).left(3);
            else saida += QString::fromUtf8(kDiasSemana[data.dayOfWeek() - 1]);
            ultimoFoiHora = false;
        } else if (m == QLatin1Char('m')) {
            if (ultimoFoiHora && n <= 2) {
                saida += n == 1 ? QString::number(hora.minute()) : doisDigitos(hora.minute());
            } else if (n == 1) {
                saida += QString::number(data.month());
            } else if (n == 2) {
                saida += doisDigitos(data.month());
            } else if (n == 3) {
                saida += nomeMes(data.month()).left(3);
            } else {
                saida += nomeMes(data.month());
            }
            ultimoFoiHora = false;
        } else if (m == QLatin1Char('y')) {
            saida += n <= 2 ? doisDigitos(data.year() % 100)
                            : QStringLiteral("%1").arg(data.year(), 4, 10, QLatin1Char('0'));
            ultimoFoiHora = false;
        } else if (m == QLatin1Char('h')) {
            saida += n == 1 ? QString::number(hora.hour()) : doisDigitos(hora.hour());
            ultimoFoiHora = true;
        } else if (m == QLatin1Char('n')) {
            saida += n == 1 ? QString::number(hora.minute()) : doisDigitos(hora.minute());
            ultimoFoiHora = false;
        } else if (m == QLatin1Char('s')) {
            saida += n == 1 ? QString::number(hora.second()) : doisDigitos(hora.second());
            ultimoFoiHora = false;
        } else if (m == QLatin1Char('z')) {
            saida += QStringLiteral("%1").arg(hora.msec(), 3, 10, QLatin1Char('0'));
            ultimoFoiHora = false;
        } else {
            saida += QString(n, c);
        }
        i += n;
    }
    return saida;
}

QString FormatoExibicao::formatar(const QVariant& valor, const QString& formato) {
    if (!valor.isValid() || valor.isNull()) return QString();
    switch (valor.typeId()) {
        case QMetaType::QDate:
            // A plain date has no time zone: building it as UTC spares a
            // time-zone look-up per value (many thousands in an export).
            return formatarDataHora(QDateTime(valor.toDate(), QTime(0, 0), Qt::UTC),
                                    formato.isEmpty() ? QStringLiteral("dd/mm/yyyy") : formato);
        case QMetaType::QDateTime: {
            const QDateTime momento = valor.toDateTime();
            if (formato.isEmpty()) {
                return formatarDataHora(momento, momento.time() == QTime(0, 0)
                                                     ? QStringLiteral("dd/mm/yyyy")
                                                     : QStringLiteral("dd/mm/yyyy hh:nn:ss"));
            }
            return formatarDataHora(momento, formato);
        }
        case QMetaType::QTime:
            return formatarDataHora(QDateTime(QDate(1899, 12, 30), valor.toTime(), Qt::UTC),
                                    formato.isEmpty() ? QStringLiteral("hh:nn:ss") : formato);
        default:
            break;
    }
    if (ehNumero(valor)) {
        return formato.isEmpty() ? numeroSemFormato(valor) : formatarNumero(valor.toDouble(), formato);
    }
    const QString texto = valor.toString();
    if (!formato.isEmpty() && temMarcadorNumerico(formato)) {
        // Databases without numeric column types hand numbers over as text.
        bool ok = false;
        const double numero = texto.trimmed().toDouble(&ok);
        if (ok) return formatarNumero(numero, formato);
    }
    return texto;
}

}  // namespace rh::texto
