#pragma once

#include "framework/cadastro/TMasterCad.h"

namespace rh::ui {
class EditorCampo;
}

namespace rh::framework {

// Post-graduate specialisations (RECH_ESPECIALIZACOES).
class TFormCadEspecializacoes : public TMasterCad {
    Q_OBJECT
public:
    explicit TFormCadEspecializacoes(app::ContextoJanela& contexto, QWidget* parent = nullptr);

    ui::EditorCampo* editorDescricao() const { return m_descricao; }

private:
    ui::EditorCampo* m_descricao;
};

}  // namespace rh::framework
