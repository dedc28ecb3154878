#include "app/esquema/CodigosCentrais.h"

#include <cmath>
#include <optional>

namespace rh::app {

const QList<DescricaoCodigo>& estadosCivis() {
    static const QList<DescricaoCodigo> l = {
        {1, QStringLiteral("SOLTEIRO")},      {2, QStringLiteral("CASADO")},
        {3, QStringLiteral("SEPARADO JUDICIALMENTE")}, {4, QStringLiteral("DIVORCIADO")},
        {5, QStringLiteral("VIUVO")},         {6, QStringLiteral("UNIAO ESTAVEL")},
        {7, QStringLiteral("NAO INFORMADO")},
    };
    return l;
}

const QList<DescricaoCodigo>& categoriasServidor() {
    static const QList<DescricaoCodigo> l = {
        {QStringLiteral("P"), QStringLiteral("PROFESSOR")},
        {QStringLiteral("T"), QStringLiteral("TÉCNICO ADMINISTRATIVO")},
        {QStringLiteral("C"), QStringLiteral("PROFESSOR CAIXA ESCOLAR")},
        {QStringLiteral("S"), QStringLiteral("PROFESSOR SUBSTITUTO")},
        {QStringLiteral("E"), QStringLiteral("PROFESSOR EXTERNO")},
        {QStringLiteral("R"), QStringLiteral("PROFESSOR TEMPORÁRIO")},
        {QStringLiteral("I"), QStringLiteral("INSTITUIDOR DE PENSÃO")},
    };
    return l;
}

const QList<DescricaoCodigo>& categoriasServidorCurtas() {
    static const QList<DescricaoCodigo> l = {
        {QStringLiteral("P"), QStringLiteral("PROF")},   {QStringLiteral("T"), QStringLiteral("TA")},
        {QStringLiteral("C"), QStringLiteral("PCE")},    {QStringLiteral("S"), QStringLiteral("SUBST")},
        {QStringLiteral("E"), QStringLiteral("EXT")},    {QStringLiteral("R"), QStringLiteral("TEMP")},
        {QStringLiteral("I"), QStringLiteral("INST")},
    };
    return l;
}

const QList<DescricaoCodigo>& nacionalidades() {
    static const QList<DescricaoCodigo> l = {
        {1, QStringLiteral("BRASILEIRO NATO")},
        {2, QStringLiteral("BRASILEIRO NATURALIZADO")},
        {3, QStringLiteral("EQUIPARADO")},
        {4, QStringLiteral("ESTRANGEIRO")},
    };
    return l;
}

namespace {

bool ehNumerico(const QVariant& v) {
    const int t = v.typeId();
    return t == QMetaType::Int || t == QMetaType::LongLong || t == QMetaType::UInt ||
           t == QMetaType::ULongLong || t == QMetaType::Double;
}

// A whole number in any representation, or nothing.
std::optional<qlonglong> inteiro(const QVariant& v) {
    bool ok = false;
    const double d = ehNumerico(v) ? v.toDouble(&ok) : v.toString().trimmed().toDouble(&ok);
    if (!ok || std::floor(d) != d) return std::nullopt;
    return qlonglong(d);
}

QString literal(const QString& s) {
    QString r = s;
    r.replace('\'', QStringLiteral("''"));
    return '\'' + r + '\'';
}

}  // namespace

QVariant descreverCodigo(const QList<DescricaoCodigo>& lista, const QVariant& codigo) {
    if (codigo.isNull() || !codigo.isValid()) return {};
    for (const auto& c : lista) {
        if (ehNumerico(c.codigo)) {
            const auto n = inteiro(codigo);
            if (n && *n == c.codigo.toLongLong()) return c.descricao;
        } else if (codigo.toString() == c.codigo.toString()) {
            return c.descricao;
        }
    }
    return {};
}

QVariant descreverCargaHoraria(const QVariant& horas) {
    if (horas.isNull() || !horas.isValid()) return {};
    const auto n = inteiro(horas);
    if (!n) return {};
    if (*n == 99) return QStringLiteral("DE");
    return QString(QString::number(*n) + QStringLiteral(" HORAS"));
}

QString casoSql(const QList<DescricaoCodigo>& lista, const QString& expressao) {
    QString s = "CASE " + expressao;
    for (const auto& c : lista) {
        const QString chave = ehNumerico(c.codigo) ? QString::number(c.codigo.toLongLong()) : literal(c.codigo.toString());
        s += " WHEN " + chave + " THEN " + literal(c.descricao);
    }
    return s + " END";
}

QString cargaHorariaSql(const QString& e) {
    return "CASE WHEN " + e + " IS NULL THEN NULL WHEN " + e + " = 99 THEN 'DE' ELSE CAST(" + e +
           " AS VARCHAR(20)) || ' HORAS' END";
}

}  // namespace rh::app
