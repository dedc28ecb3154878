#include "framework/pesquisa/ComandosPesquisa.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>

#include "platform/db/Dialeto.h"

namespace rh::framework {

using db::TipoDado;

namespace {

// The escape character of every LIKE the searches write. Without an explicit
// one PostgreSQL would read a typed backslash as an escape; with it, a
// backslash is doubled and stays a plain character on every backend, while
// "%" and "_" keep their pattern meaning.
const QString kEscape = QStringLiteral(" ESCAPE '\\'");

QString padraoLike(const QString& valor) {
    QString r = valor;
    r.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return r;
}

QString parametro(const char* nome) {
    return QLatin1Char(':') + QLatin1String(nome);
}

std::optional<QDate> lerData(const QString& texto) {
    const QString t = texto.trimmed();
    for (const char* formato : {"d/M/yyyy", "dd/MM/yyyy"}) {
        const QDate d = QDate::fromString(t, QLatin1String(formato));
        if (d.isValid()) return d;
    }
    // Two-digit years as the department types them: 00-49 this century.
    for (const char* formato : {"d/M/yy", "dd/MM/yy"}) {
        QDate d = QDate::fromString(t, QLatin1String(formato));
        if (d.isValid()) {
            if (d.year() < 1950) d = d.addYears(100);
            return d;
        }
    }
    return std::nullopt;
}

std::optional<QTime> lerHora(const QString& texto) {
    const QString t = texto.trimmed();
    for (const char* formato : {"H:mm:ss", "H:mm"}) {
        const QTime h = QTime::fromString(t, QLatin1String(formato));
        if (h.isValid()) return h;
    }
    return std::nullopt;
}

std::optional<double> lerNumero(const QString& texto) {
    bool ok = false;
    const double v = QLocale(QLocale::Portuguese, QLocale::Brazil).toDouble(texto.trimmed(), &ok);
    if (ok) return v;
    const double c = QLocale::c().toDouble(texto.trimmed(), &ok);
    if (ok) return c;
    return std::nullopt;
}

std::optional<qlonglong> lerInteiro(const QString& texto) {
    bool ok = false;
    const qlonglong v = texto.trimmed().toLongLong(&ok);
    if (ok) return v;
    return std::nullopt;
}

// The value converted to what is bound for the field's type; empty when it
// does not convert.
std::optional<QVariant> valorParaCampo(TipoDado tipo, const QString& valor) {
    switch (tipo) {
        case TipoDado::Texto:
        case TipoDado::Memo:
            return QVariant(valor);
        case TipoDado::Inteiro:
            if (auto v = lerInteiro(valor)) return QVariant(*v);
            return std::nullopt;
        case TipoDado::Numero:
            if (auto v = lerNumero(valor)) return QVariant(*v);
            return std::nullopt;
        case TipoDado::Data:
            if (auto d = lerData(valor)) return QVariant(*d);
            return std::nullopt;
        case TipoDado::DataHora:
            if (auto d = lerData(valor)) return QVariant(QDateTime(*d, QTime(0, 0)));
            return std::nullopt;
        case TipoDado::Hora:
            if (auto h = lerHora(valor)) return QVariant(*h);
            return std::nullopt;
        case TipoDado::Booleano:
        case TipoDado::Blob:
            break;
    }
    if (valor.trimmed().isEmpty()) return std::nullopt;
    return QVariant(valor);
}

bool ehTexto(TipoDado t) {
    return t == TipoDado::Texto || t == TipoDado::Memo;
}

}  // namespace

CondicaoBaseSeparada separarLimiteDeLinhas(const QString& condicaoBase) {
    static const QRegularExpression rownum(
        QStringLiteral("\\brownum\\s*(<=|<)\\s*(\\d+)\\s+and\\b\\s*"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = rownum.match(condicaoBase);
    if (!m.hasMatch()) return {condicaoBase, std::nullopt};
    bool ok = false;
    int n = m.captured(2).toInt(&ok);
    if (!ok) return {condicaoBase, std::nullopt};
    if (m.captured(1) == QLatin1String("<")) n = std::max(0, n - 1);
    QString resto = condicaoBase;
    resto.remove(m.capturedStart(), m.capturedLength());
    return {resto, n};
}

TipoBusca tipoInicialPorTitulo(const QString& titulo) {
    // The first two are written with the digit zero, as their callers do.
    if (titulo == QStringLiteral("C0NSULTA INSTITUIÇÃO") ||
        titulo == QStringLiteral("C0NSULTA ÁREA") || titulo == QStringLiteral("CONSULTA PROCESSOS"))
        return TipoBusca::QueContem;
    return TipoBusca::Aproximada;
}

ProblemaValor verificarValor(const PedidoLocalizar& p) {
    if (p.valor.isEmpty() && p.tipo == TipoBusca::Exata) return ProblemaValor::Vazio;
    return valorParaCampo(p.tipoCampo, p.valor) ? ProblemaValor::Nenhum : ProblemaValor::Invalido;
}

std::optional<ComandoPesquisa> comandoLocalizar(const PedidoLocalizar& p,
                                                const db::Dialeto& dialeto) {
    if (verificarValor(p) != ProblemaValor::Nenhum) return std::nullopt;
    const QVariant convertido = *valorParaCampo(p.tipoCampo, p.valor);
    const QString c = p.origem;
    const QString v = parametro(kParametroValor);

    ComandoPesquisa r;
    QString condicao;
    QVariant ligado = convertido;
    if (ehTexto(p.tipoCampo)) {
        const bool sensivel = p.diferenciarMaiusculas;
        switch (p.tipo) {
            case TipoBusca::Exata:
                condicao = sensivel ? QString(" " + c + "=" + v)
                                    : QString(" UPPER(" + c + ") = UPPER(" + v + ")");
                break;
            case TipoBusca::Aproximada:
                condicao = sensivel ? QString(" " + c + " LIKE " + v)
                                    : QString(" UPPER(" + c + ") LIKE UPPER(" + v + ")");
                condicao += kEscape;
                ligado = QString(padraoLike(p.valor) + QLatin1Char('%'));
                break;
            case TipoBusca::QueContem:
                condicao = sensivel ? QString(c + " LIKE " + v)
                                    : QString(" UPPER(" + c + ") LIKE UPPER(" + v + ")");
                condicao += kEscape;
                ligado = QString(QLatin1Char('%') + padraoLike(p.valor) + QLatin1Char('%'));
                break;
        }
    } else {
        condicao = " " + c + " = " + v;
    }
    r.parametros.insert(QLatin1String(kParametroValor), ligado);

    const CondicaoBaseSeparada base = separarLimiteDeLinhas(p.condicaoBase);
    const QString colunas = p.colunas.trimmed().isEmpty() ? QStringLiteral(" * ") : " " + p.colunas;
    const QString selecao =
        "SELECT " + colunas + "  FROM " + p.tabela + " WHERE " + base.condicao + condicao;
    if (base.limite) {
        // The limit picks the rows first; the ordering of what it picked
        // happens outside, on the column's own name.
        const qsizetype ponto = c.lastIndexOf(QLatin1Char('.'));
        const QString externa = ponto < 0 ? c : c.mid(ponto + 1);
        r.sql = dialeto.limitarLinhas(selecao, *base.limite) + " ORDER BY " + externa;
    } else {
        r.sql = selecao + " ORDER BY " + c;
    }
    return r;
}

bool restringeUnidade(const QString& perfil, const QString& tabela) {
    if (perfil == QLatin1String("A")) return false;
    const QString t = tabela.trimmed().toUpper();
    return t == QLatin1String("PRAX_VW_SERVIDORES") || t == QLatin1String("VORK_VW_SERVIDORES") ||
           t == QLatin1String("VORK_VW_SETORES");
}

std::optional<ComandoPesquisa> comandoPesquisaTabela(const PedidoPesquisaTabela& p) {
    ComandoPesquisa r;
    QString sql =
        "SELECT " + p.campos.join(QLatin1Char(',')) + "\n  FROM " + p.tabela + "\n WHERE ";
    if (restringeUnidade(p.perfil, p.tabela)) {
        sql += "CODUNIDADE = " + parametro(kParametroUnidade) + " AND ";
        r.parametros.insert(QLatin1String(kParametroUnidade), p.codUnidade);
    }
    const QString v = parametro(kParametroValor);
    if (p.tipoCampo == TipoDado::Inteiro) {
        const auto n = lerInteiro(p.valor);
        if (!n) return std::nullopt;
        sql += p.campo + " >= " + v;
        r.parametros.insert(QLatin1String(kParametroValor), *n);
    } else {
        // Dates and numbers are compared through their text, as the original
        // database did implicitly.
        const QString coluna =
            ehTexto(p.tipoCampo) ? p.campo : "CAST(" + p.campo + " AS VARCHAR(4000))";
        sql += "UPPER(" + coluna + ")  LIKE " + v + kEscape;
        r.parametros.insert(QLatin1String(kParametroValor),
                            (QLatin1Char('%') + padraoLike(p.valor) + QLatin1Char('%')).toUpper());
    }
    sql += "\n ORDER BY " + p.campo;
    r.sql = sql;
    return r;
}

}  // namespace rh::framework
