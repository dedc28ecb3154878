#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

#include "platform/db/Conexao.h"

namespace rh::reports {

// Texts of the filter window that the statement rules compare against.
inline const QString kTodasCategorias = QStringLiteral("TODAS AS CATEGORIAS (EXCETO PENSIONISTAS)");
inline const QString kPensionista = QStringLiteral("PENSIONISTA");
inline const QString kTodasSituacoes = QStringLiteral("<< TODAS AS SITUAÇÕES >>");
inline const QString kCodigoTodasSituacoes = QStringLiteral("0");
inline const QString kTodosServidores = QStringLiteral("TODOS OS SERVIDORES");
inline const QString kTodasUnidades = QStringLiteral("TODAS AS UNIDADES");
inline const QString kAmbosSexos = QStringLiteral("Ambos");
inline const QString kOrdemNome = QStringLiteral("Nome");
inline const QString kOrdemMatricula = QStringLiteral("Matrícula");

// The marker comments a report statement may hold where a filter condition
// goes; the filter appends all six at the end of the statement as well.
inline const QString kMarcadorCategoria = QStringLiteral("/* AND CATEGSERVIDOR= */");
inline const QString kMarcadorSituacao = QStringLiteral("/* AND SITUACAO= */");
inline const QString kMarcadorSexo = QStringLiteral("/* AND SEXO= */");
inline const QString kMarcadorUnidade = QStringLiteral("/* AND CODUNIDADE= */");
inline const QString kMarcadorNome = QStringLiteral("/* AND NOME LIKE */");
inline const QString kMarcadorWhere = QStringLiteral("/* AND ALGUMA COISA */");

// The statement pensioners are listed with, whatever the report's own.
inline const QString kSqlPensionistas = QStringLiteral(
    " select NUMMATRIC, NOME, ENDERECO, BAIRRO, CIDADE, ESTADO, CEP, SEXO  from RECH_PENSIONISTAS where 0 = 0");

enum class PaginaNomes { Faixa, Individual };

// What the user chose in the filter window, as the controls show it.
struct EscolhasFiltro {
    QString categoria = kTodasCategorias;           // category combo text
    QString situacao = kCodigoTodasSituacoes;       // code of the situation lookup
    QString situacaoPensionista = kTodasSituacoes;  // the pensioners' situation combo text
    QString sexo = kAmbosSexos;
    std::optional<int> unidade;                     // unit lookup code; none or -1 = every unit
    PaginaNomes pagina = PaginaNomes::Faixa;
    QString nomeInicial = kTodosServidores;
    QString nomeFinal = kTodosServidores;
    QStringList nomes;  // the individual list, in order (may repeat)
    // Admission period as typed ("dd/mm/yyyy"); blank, or the empty mask, for none.
    QString admissaoInicial;
    QString admissaoFinal;
    QString ordem = kOrdemNome;  // ordering combo text ("Nome", "Matrícula" or anything else)
};

// What the report window gives the filter.
struct AjustesRelatorio {
    QString sqlORIG;           // base statement with the markers appended
    QString OrderBy;           // after the order column; empty or starting with ", "
    QString Where;             // replaces the marker "/* AND ALGUMA COISA */"
    db::Parametros parametrosWhere;  // parameters the extra condition uses
    QString CampoNomeRelatorio;      // replaces NOME in the name conditions when set
};

// The session values the filter depends on.
struct SessaoFiltro {
    QString perfil;  // "A" sees every campus; any other profile only its own
    int codUnidade = -1;
};

enum class CampoFiltro { Nenhum, Nomes, AdmissaoInicial, AdmissaoFinal };

struct ComandoFiltrado {
    QString sql;
    db::Parametros parametros;
    QString texto() const;  // the statement followed by its parameter values, for the hidden box
};

// The statement, or why there is none and which control to fix.
struct ResultadoFiltro {
    std::optional<ComandoFiltrado> comando;
    QString mensagem;
    CampoFiltro campo = CampoFiltro::Nenhum;
};

// Turns the filter choices into the report's statement. Every value the user
// picked or typed (names, codes, dates) is a bound parameter; the statement
// is rebuilt from the base statement on every call, so runs never affect one
// another. The conditions land where the base statement has the markers.
class FiltroRelatorio {
public:
    // The base statement followed by a line break and the six markers, each
    // on its own line.
    static QString comMarcadores(const QString& sql);
    // Category code of a category combo text ("" for a text not in the list).
    static QString codigoCategoria(const QString& categoria);
    // "dd/mm/yyyy" of a date box; empty optional for a blank box, invalid
    // QDate for a date that does not exist or is incomplete.
    static std::optional<QDate> lerData(const QString& texto);

    static ResultadoFiltro montar(const AjustesRelatorio& ajustes, const EscolhasFiltro& escolhas,
                                  const SessaoFiltro& sessao);
};

}  // namespace rh::reports
