#pragma once

#include "framework/cadastro/TMasterCad.h"

namespace rh::ui {
class EditorCampo;
}

namespace rh::framework {

// Kinds of leave (RECH_LICENCAS).
class TFormCadLicencas : public TMasterCad {
    Q_OBJECT
public:
    explicit TFormCadLicencas(app::ContextoJanela& contexto, QWidget* parent = nullptr);

    ui::EditorCampo* editorDescricao() const { return m_descricao; }

    void novo() override;
    void editar() override;

private:
    ui::EditorCampo* m_descricao;
};

}  // namespace rh::framework
