#pragma once

#include <QGroupBox>
#include <QLineEdit>

#include "app/login/JanelaEscolhaUnidade.h"

namespace rh::app {

// The login's campus window: shows the user's campus (profile "U") or lets
// the user choose one (profile "A").
class TForm_SelecionaUnidade : public JanelaEscolhaUnidade {
    Q_OBJECT
public:
    enum class Modo { Escolher, Confirmar };

    TForm_SelecionaUnidade(db::Dataset& unidades, const QString& nomeUsuario, Modo modo, QWidget* parent = nullptr);

    QGroupBox* GroupBoxUnidades;
    QLineEdit* EdtSigla;
    QLineEdit* EdtNome;
};

}  // namespace rh::app
