#include "servants/carteira/CodigoCarteira.h"

#include <QStringList>

namespace rh::servants {

namespace {

// A whole number with leading zeros to at least `digitos` digits, the sign in
// front of a negative one (as the "0000000" display format gives it).
QString comZeros(qlonglong valor, int digitos) {
    const QString numero =
        QString::number(valor < 0 ? -valor : valor).rightJustified(digitos, QLatin1Char('0'));
    return valor < 0 ? QLatin1Char('-') + numero : numero;
}

bool vazio(const QVariant& valor) {
    return !valor.isValid() || valor.isNull() || valor.toString().trimmed().isEmpty();
}

qlonglong inteiro(const QVariant& valor) {
    return vazio(valor) ? 0 : valor.toLongLong();
}

}  // namespace

QString codigoBarraCarteira(const QVariant& matricula, const QVariant& via) {
    if (vazio(matricula)) return {};
    const QString codigo =
        QLatin1Char('2') + comZeros(inteiro(matricula), 7) + comZeros(inteiro(via), 2);
    return codigo.left(kTamanhoCodigoBarra);
}

QString descricaoViaCarteira(const QVariant& via) {
    const QString numero = vazio(via) ? QString() : QString::number(inteiro(via));
    const QString descricao = numero + QStringLiteral("ª VIA");
    return descricao.left(kTamanhoDescricaoVia);
}

CondicaoLista condicaoListaCarteira(const QList<qlonglong>& codigos) {
    CondicaoLista condicao;
    if (codigos.isEmpty()) return condicao;
    QStringList marcadores;
    marcadores.reserve(codigos.size());
    for (int i = 0; i < codigos.size(); ++i) {
        const QString nome = QStringLiteral("COD%1").arg(i);
        marcadores << QLatin1Char(':') + nome;
        condicao.parametros.insert(nome, codigos.at(i));
    }
    condicao.sql = QStringLiteral("CODUSUARIO IN (") + marcadores.join(QStringLiteral(", ")) +
                   QStringLiteral(") ");
    return condicao;
}

QString comandoImpressaoCarteira(const CondicaoLista& condicao) {
    QString sql = QStringLiteral(
        "SELECT VORK_VW_SERVIDORES.*, VORK_FuncCategoriaServidor(CATEGSERVIDOR) NomeCategoria, "
        "VORK_FuncSituaServidor(SITUACAO) NomeSituacao FROM VORK_VW_SERVIDORES WHERE %LISTA ORDER "
        "BY %ORDENACAO");
    // Nothing selected prints nothing: the condition then matches no row.
    sql.replace(QStringLiteral("%LISTA"), condicao.vazia() ? QStringLiteral("0=1") : condicao.sql);
    sql.replace(QStringLiteral("%ORDENACAO"), QStringLiteral("NUMMATRIC"));
    return sql;
}

}  // namespace rh::servants
