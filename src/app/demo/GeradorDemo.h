#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QtGlobal>

namespace rh::app {

// The demo's random source: SplitMix64 with its own range mapping, so that a
// seed gives the same rows on every platform and library version (the
// standard distributions are not defined bit for bit).
class GeradorDemo {
public:
    explicit GeradorDemo(quint64 semente) : m_estado(semente) {}

    quint64 proximo() {
        quint64 z = (m_estado += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A whole number from a to b, both included.
    qint64 entre(qint64 a, qint64 b) { return a + qint64(proximo() % quint64(b - a + 1)); }
    bool chance(int porCento) { return entre(1, 100) <= porCento; }
    QDate dataEntre(const QDate& de, const QDate& ate) { return de.addDays(entre(0, de.daysTo(ate))); }
    QString digitos(int quantidade) {
        QString s;
        for (int i = 0; i < quantidade; ++i) s += QChar('0' + int(entre(0, 9)));
        return s;
    }
    template <typename T>
    const T& escolher(const QList<T>& lista) {
        return lista.at(qsizetype(entre(0, lista.size() - 1)));
    }
    // An index chosen by weights.
    int ponderado(const QList<int>& pesos) {
        int total = 0;
        for (int p : pesos) total += p;
        qint64 r = entre(1, total);
        for (int i = 0; i < pesos.size(); ++i) {
            r -= pesos.at(i);
            if (r <= 0) return i;
        }
        return int(pesos.size()) - 1;
    }

private:
    quint64 m_estado;
};

// Brazilian taxpayer numbers (CPF): 11 digits whose last two are check digits.
// The nine-digit base is given; all-equal bases are not valid CPFs.
QString cpfComDigitos(quint32 base);
bool cpfValido(const QString& cpf);

}  // namespace rh::app
