#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace rh::app {

// The fixed code sets of the shared servant records, with the words the
// views, the database functions and the reports print for them. Each list is
// the single source for the SQL CASE of the views, the server's functions
// and the embedded database's local functions, so all three agree.
struct DescricaoCodigo {
    QVariant codigo;  // integer or one-letter text
    QString descricao;
};

// Marital status (VORK_USUARIOS.ESTADOCIVIL, 1 to 7), in capitals without
// accents, as the batch file for the health-plan operator matches them.
const QList<DescricaoCodigo>& estadosCivis();
// Servant category (VORK_SERVIDORES.CATEGSERVIDOR): full description and
// the short code printed in narrow report columns.
const QList<DescricaoCodigo>& categoriasServidor();
const QList<DescricaoCodigo>& categoriasServidorCurtas();
// Nationality (VORK_USUARIOS.NACIONALIDADE, 1 to 4).
const QList<DescricaoCodigo>& nacionalidades();

// The description of a code in a list; null when the code is null or not in
// the list. Numeric codes match whatever their representation (2, 2.0, "2").
QVariant descreverCodigo(const QList<DescricaoCodigo>& lista, const QVariant& codigo);

// Workload: 99 (exclusive dedication) is "DE", other hours are "<n> HORAS".
QVariant descreverCargaHoraria(const QVariant& horas);

// "CASE <expressao> WHEN ... THEN '...' ... END" for a list, in SQL both
// backends accept.
QString casoSql(const QList<DescricaoCodigo>& lista, const QString& expressao);
QString cargaHorariaSql(const QString& expressao);

}  // namespace rh::app
