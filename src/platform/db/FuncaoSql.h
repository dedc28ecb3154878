#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <functional>

namespace rh::db {

// A function that statements call by name. On the server it is created by a
// migration; on the embedded database it is registered on each connection
// with this local implementation.
struct FuncaoSql {
    QString nome;
    int argumentos = 1;
    std::function<QVariant(const QVariantList&)> implementacaoLocal;
};

}  // namespace rh::db
