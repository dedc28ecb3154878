#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

#include "platform/db/Conexao.h"
#include "platform/db/Esquema.h"

namespace rh::db {
class Dialeto;
}

namespace rh::framework {

// The statements of the two search dialogs, built without widgets so that
// their rules can be checked one case at a time.
//
// The typed value always travels as a bound parameter; only column and
// table names of the program's own field lists are written into the text.
// A typed "%" or "_" keeps its pattern meaning in the approximate and
// "contains" searches; a quote is just a character.

// A statement with its parameters.
struct ComandoPesquisa {
    QString sql;
    db::Parametros parametros;
};

// "Tipo" of the standard search.
enum class TipoBusca { Exata, Aproximada, QueContem };

// The value of the standard search against the field: what is wrong with it,
// if anything.
enum class ProblemaValor {
    Nenhum,
    Vazio,     // "Digite algum valor para pesquisa."
    Invalido,  // "Valor inválido!"
};

// A "rownum <= N and" found in a base condition: the row limit and the
// condition without it.
struct CondicaoBaseSeparada {
    QString condicao;
    std::optional<int> limite;
};
CondicaoBaseSeparada separarLimiteDeLinhas(const QString& condicaoBase);

// The initial "Tipo" of the standard search for the caller's title.
TipoBusca tipoInicialPorTitulo(const QString& titulo);

struct PedidoLocalizar {
    QString tabela;        // FROM text: a table, a view or a list of them
    QString colunas;       // select list; empty = all columns
    QString condicaoBase;  // empty or ending in "and"
    QString origem;        // the field's column in SQL
    db::TipoDado tipoCampo = db::TipoDado::Texto;
    QString valor;  // as typed
    TipoBusca tipo = TipoBusca::Aproximada;
    bool diferenciarMaiusculas = false;
};

// Parameter names used by the statements (distinct from the parameters a
// caller's statement may have).
inline constexpr const char* kParametroValor = "PESQ_VALOR";
inline constexpr const char* kParametroUnidade = "PESQ_CODUNIDADE";

ProblemaValor verificarValor(const PedidoLocalizar& pedido);

// The statement of the standard search; empty when the value does not fit
// the field (verificarValor says why).
std::optional<ComandoPesquisa> comandoLocalizar(const PedidoLocalizar& pedido,
                                                const db::Dialeto& dialeto);

struct PedidoPesquisaTabela {
    QStringList campos;  // select list, the template's field names in order
    QString tabela;
    QString perfil;       // Sessao.Perfil
    int codUnidade = -1;  // Sessao.CodUnidade
    QString campo;        // the selected field
    db::TipoDado tipoCampo = db::TipoDado::Texto;
    QString valor;
};

// Whether the table search over `tabela` stays within the current campus
// for this profile.
bool restringeUnidade(const QString& perfil, const QString& tabela);

// The statement of the table search; empty when an integer field gets a
// value that is not an integer.
std::optional<ComandoPesquisa> comandoPesquisaTabela(const PedidoPesquisaTabela& pedido);

}  // namespace rh::framework
