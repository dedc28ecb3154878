#pragma once

#include <QStringList>

namespace rh::db {

// The ":NAME" parameters of a statement, in order of first appearance,
// ignoring text inside quotes and comments and PostgreSQL "::" casts.
QStringList nomesDeParametros(const QString& sql);

}  // namespace rh::db
