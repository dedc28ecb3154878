#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantMap>

namespace rh::servants {

// Widths of the identity card's calculated texts; a longer value keeps its
// first characters.
inline constexpr int kTamanhoCodigoBarra = 10;
inline constexpr int kTamanhoDescricaoVia = 7;

// The card's bar-code value (CODBARRA): "2", the matriculation with leading
// zeros to at least seven digits, then the copy number to at least two digits
// (123456 with copy 3 gives "2012345603"), cut to ten characters. An empty
// copy number counts as 0. Without a matriculation there is no card to
// identify, so the value is empty and no bars are printed.
QString codigoBarraCarteira(const QVariant& matricula, const QVariant& via);

// The copy's caption (DESCRVIA): the copy number followed by "ª VIA"
// ("3ª VIA"), cut to seven characters; an empty copy number gives "ª VIA".
QString descricaoViaCarteira(const QVariant& via);

// The servants a card print covers: "CODUSUARIO IN (:COD0, :COD1, ...) " with
// one bound parameter per code, the codes in the order given. Empty when no
// code is given (there is nothing to print then).
struct CondicaoLista {
    QString sql;
    QVariantMap parametros;
    bool vazia() const { return parametros.isEmpty(); }
};
CondicaoLista condicaoListaCarteira(const QList<qlonglong>& codigos);

// The print statement of the cards for a condition: the servants' view with
// the category and situation descriptions, in matriculation order.
QString comandoImpressaoCarteira(const CondicaoLista& condicao);

}  // namespace rh::servants
