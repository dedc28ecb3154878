#pragma once

#include <QString>

namespace rh::app {

// Fixed-width field for text files: a shorter text is padded with blanks on
// the right (a text of blanks only counts as empty), a longer one is cut to
// its first `largura` characters.
QString AdicionaEspacos(const QString& texto, int largura);

}  // namespace rh::app
