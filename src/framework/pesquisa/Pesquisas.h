#pragma once

#include <QString>
#include <QtGlobal>

namespace rh::app {
struct ContextoJanela;
}
namespace rh::db {
class Dataset;
}

namespace rh::framework {

// What a window tells the standard search about itself: the table or view
// (or comma-separated list of them) searched, the title appended to the
// caption, the select list (empty = all columns) and the base condition
// the search condition follows (empty, or a condition ending in "and").
struct ParametrosPesquisa {
    QString tabela;
    QString titulo;
    QString colunas;
    QString condicaoBase;
};

// The standard search over the caller's dataset (replaces its statement);
// true when the user left with "OK". On "&Fechar" the dataset gets sqlBase
// back and is reopened.
bool Localizar(app::ContextoJanela& contexto, db::Dataset& dataset, const QString& sqlBase,
               const ParametrosPesquisa& parametros);

// What the table search returns: whether the user picked a record, its key
// (0 when the result was empty) and its text.
struct EscolhaPesquisa {
    bool escolhido = false;
    qlonglong chave = 0;
    QString texto;
};

// The table search: searches `tabela` over the columns of the template
// dataset `modelo` into its own result grid.
EscolhaPesquisa PesquisaTabela(app::ContextoJanela& contexto, db::Dataset& modelo,
                               const QString& tabela, const QString& titulo,
                               const QString& campoChave, const QString& campoTexto,
                               const QString& campoPadrao);

}  // namespace rh::framework
