#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

namespace rh::db {
class Conexao;
}

namespace rh::app {

// Synthetic data for a demo or test database: campuses 1 to 6 and 8 (unit 8,
// the rectorate, holds the organisation's SMTP settings), sectors per campus
// with org-chart level codes, the reference and auxiliary tables, servants of
// every category and situation with realistic Brazilian names and valid CPFs,
// dependents, assignments (one active per servant, some history), heads of
// sectors, the application row (version "2") and one login per profile.
//
// The same seed gives the same rows on every backend and platform. Explicit
// keys are written, then the key generators are moved past them, so later
// inserts without a key keep working.

struct OpcoesDemo {
    int servidores = 300;            // at least the three demo users are created
    quint64 semente = 20240630;
};

// The demo logins: servants authorised for the application with a known
// matriculation and password (ASCII, so the stored digest is plain MD5).
struct UsuarioDemo {
    QString perfil;
    qlonglong matricula;
    QString senha;
    QString nome;
    int codUnidade;
};
const QList<UsuarioDemo>& usuariosDemo();

inline constexpr int kCodAplicacaoDemo = 1;
inline constexpr const char* kExecutavelDemo = "cadastro-rh";

// The digest stored in VORK_USUARIOS.SENHA: lower-case hexadecimal MD5 of the
// password's bytes in the Windows ANSI code page. Only passwords whose
// characters exist in Latin-1 are accepted here (the demo's are ASCII).
QString digestoSenha(const QString& senha);

// Fills the reference tables only (countries, states, cities, issuing bodies,
// street types, situations, posts, leaves, process types, health plans,
// institutions, backgrounds, schooling levels, specialisations), the campuses,
// the sectors and the application row: what a test needs before it writes
// servants of its own. Throws when the campuses table is not empty.
void preencherReferencias(db::Conexao& conexao, quint64 semente = OpcoesDemo{}.semente);

// The whole demo, in one transaction. Throws db::ErroBanco when the database
// already holds campuses or servants (nothing is changed then).
void preencherDemo(db::Conexao& conexao, const OpcoesDemo& opcoes);
void preencherDemo(db::Conexao& conexao, int servidores);

}  // namespace rh::app
