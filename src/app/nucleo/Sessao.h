#pragma once

#include <QString>

namespace rh::app {

// The session values filled once by the login and kept for the whole run.
// Only CodUnidade changes afterwards (campus change).
struct Sessao {
    int CodUsuario = 0;
    int CodAplicacao = 0;
    int CodUnidade = -1;  // -1: the profile gives no campus
    QString NomeMaquina;
    QString Perfil;       // "A", "U", "C", "G", "D" or another letter
    QString Versao;

    bool administrador() const { return Perfil == QLatin1String("A"); }
    bool somenteConsulta() const { return Perfil == QLatin1String("C"); }
};

}  // namespace rh::app
