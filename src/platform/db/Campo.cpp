#include "platform/db/Campo.h"

#include <QRegularExpression>

#include "platform/db/Dataset.h"
#include "platform/db/ErroBanco.h"
#include "platform/texto/FormatoExibicao.h"

namespace rh::db {

QVariant LinhaDataset::valor(const QString& campo) const {
    const Campo& c = m_dataset.campo(campo);
    if (c.calculado()) return c.definicao().calculo(*this);
    return c.indice() < m_valores.size() ? m_valores.at(c.indice()) : QVariant();
}

Campo::Campo(Dataset& dataset, int indice, QString nome, TipoDado tipo, int tamanho, DefCampo def)
    : m_dataset(dataset),
      m_indice(indice),
      m_nome(std::move(nome)),
      m_tipo(tipo),
      m_tamanho(tamanho),
      m_def(std::move(def)) {}

void Campo::alterarDefinicao(const std::function<void(DefCampo&)>& mudanca) {
    mudanca(m_def);
    mudanca(m_dataset.definirCampo(m_nome));
}

Campo& Campo::defineRotulo(const QString& v) {
    alterarDefinicao([&](DefCampo& d) { d.rotulo = v; });
    return *this;
}
Campo& Campo::defineTag(int v) {
    alterarDefinicao([&](DefCampo& d) { d.tag = v; });
    return *this;
}
Campo& Campo::defineOrigem(const QString& v) {
    alterarDefinicao([&](DefCampo& d) { d.origem = v; });
    return *this;
}
Campo& Campo::defineSomenteLeitura(bool v) {
    alterarDefinicao([&](DefCampo& d) { d.somenteLeitura = v; });
    return *this;
}
Campo& Campo::defineVisivel(bool v) {
    alterarDefinicao([&](DefCampo& d) { d.visivel = v; });
    return *this;
}
Campo& Campo::defineFormatoExibicao(const QString& v) {
    alterarDefinicao([&](DefCampo& d) { d.formatoExibicao = v; });
    return *this;
}

QVariant Campo::valor() const { return m_dataset.valorAtual(m_indice); }
bool Campo::nulo() const {
    const QVariant v = valor();
    return v.isNull() || !v.isValid();
}

QString Campo::texto() const { return texto::FormatoExibicao::formatar(valor(), m_def.formatoExibicao); }

QString Campo::comoTexto() const {
    const QVariant v = valor();
    if (v.isNull()) return {};
    if (m_tipo == TipoDado::Data) return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    if (m_tipo == TipoDado::DataHora)
        return v.toDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    return texto::FormatoExibicao::formatar(v);
}

qlonglong Campo::comoInteiro() const {
    const QVariant v = valor();
    return v.isNull() ? 0 : v.toLongLong();
}
double Campo::comoNumero() const {
    const QVariant v = valor();
    return v.isNull() ? 0.0 : v.toDouble();
}
QDate Campo::comoData() const {
    const QVariant v = valor();
    return v.typeId() == QMetaType::QDateTime ? v.toDateTime().date() : v.toDate();
}
QDateTime Campo::comoDataHora() const {
    const QVariant v = valor();
    return v.typeId() == QMetaType::QDate ? v.toDate().startOfDay() : v.toDateTime();
}

void Campo::defineValor(const QVariant& v) { m_dataset.defineValorAtual(m_indice, v); }

namespace {

QDate dataDeTexto(const QString& s) {
    const QString t = s.trimmed();
    for (const char* f : {"yyyy-MM-dd", "dd/MM/yyyy"}) {
        const QDate d = QDate::fromString(t.left(10), QString::fromLatin1(f));
        if (d.isValid()) return d;
    }
    return {};
}

QDateTime dataHoraDeTexto(const QString& s) {
    QString t = s.trimmed();
    t.replace('T', ' ');
    if (const qsizetype p = t.indexOf('.'); p > 10) t = t.left(p);
    for (const char* f : {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm", "dd/MM/yyyy HH:mm:ss", "dd/MM/yyyy HH:mm"}) {
        const QDateTime d = QDateTime::fromString(t, QString::fromLatin1(f));
        if (d.isValid()) return d;
    }
    const QDate d = dataDeTexto(t);
    return d.isValid() ? d.startOfDay() : QDateTime();
}

[[noreturn]] void falhaConversao(const QVariant& v, const char* tipo) {
    throw ErroBanco(QStringLiteral("'%1' não é %2 válido.").arg(v.toString(), QString::fromUtf8(tipo)));
}

}  // namespace

QVariant converterValor(const QVariant& bruto, TipoDado tipo) {
    if (bruto.isNull() || !bruto.isValid()) return {};
    const bool ehTexto = bruto.typeId() == QMetaType::QString;
    if (ehTexto && tipo != TipoDado::Texto && tipo != TipoDado::Memo && bruto.toString().trimmed().isEmpty())
        return {};
    switch (tipo) {
        case TipoDado::Texto:
        case TipoDado::Memo:
            if (bruto.typeId() == QMetaType::QDate)
                return bruto.toDate().toString(QStringLiteral("dd/MM/yyyy"));
            if (bruto.typeId() == QMetaType::QDateTime)
                return bruto.toDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
            return bruto.toString();
        case TipoDado::Inteiro: {
            bool ok = false;
            qlonglong n = 0;
            if (ehTexto) {
                const QString t = bruto.toString().trimmed();
                n = t.toLongLong(&ok);
                if (!ok) {
                    const double d = t.toDouble(&ok);
                    ok = ok && d == double(qlonglong(d));
                    n = qlonglong(d);
                }
            } else {
                n = bruto.toLongLong(&ok);
                if (bruto.typeId() == QMetaType::Double) ok = ok && bruto.toDouble() == double(n);
            }
            if (!ok) falhaConversao(bruto, "um número inteiro");
            return QVariant::fromValue(n);
        }
        case TipoDado::Numero: {
            bool ok = false;
            QString t = bruto.toString().trimmed();
            double d = t.toDouble(&ok);
            if (!ok && ehTexto) {  // typed the Brazilian way: 1.234,56
                t.remove('.').replace(',', '.');
                d = t.toDouble(&ok);
            }
            if (!ok) falhaConversao(bruto, "um número");
            return d;
        }
        case TipoDado::Data: {
            if (bruto.typeId() == QMetaType::QDate) return bruto;
            if (bruto.typeId() == QMetaType::QDateTime) return bruto.toDateTime().date();
            const QDate d = dataDeTexto(bruto.toString());
            if (!d.isValid()) falhaConversao(bruto, "uma data");
            return d;
        }
        case TipoDado::DataHora: {
            if (bruto.typeId() == QMetaType::QDateTime) return bruto;
            if (bruto.typeId() == QMetaType::QDate) return bruto.toDate().startOfDay();
            const QDateTime d = dataHoraDeTexto(bruto.toString());
            if (!d.isValid()) falhaConversao(bruto, "uma data e hora");
            return d;
        }
        case TipoDado::Hora: {
            if (bruto.typeId() == QMetaType::QTime) return bruto;
            if (bruto.typeId() == QMetaType::QDateTime) return bruto.toDateTime().time();
            QTime h = QTime::fromString(bruto.toString().trimmed(), QStringLiteral("HH:mm:ss"));
            if (!h.isValid()) h = QTime::fromString(bruto.toString().trimmed(), QStringLiteral("HH:mm"));
            if (!h.isValid()) falhaConversao(bruto, "uma hora");
            return h;
        }
        case TipoDado::Booleano: {
            if (ehTexto) {
                const QString t = bruto.toString().trimmed().toUpper();
                return t == "1" || t == "S" || t == "T" || t == "TRUE" || t == "SIM";
            }
            return bruto.toBool();
        }
        case TipoDado::Blob: return bruto.toByteArray();
    }
    return bruto;
}

}  // namespace rh::db
