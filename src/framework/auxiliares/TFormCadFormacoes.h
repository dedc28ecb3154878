#pragma once

#include "framework/cadastro/TMasterCad.h"

namespace rh::ui {
class EditorCampo;
}

namespace rh::framework {

// Academic backgrounds (RECH_FORMACOES).
class TFormCadFormacoes : public TMasterCad {
    Q_OBJECT
public:
    explicit TFormCadFormacoes(app::ContextoJanela& contexto, QWidget* parent = nullptr);

    ui::EditorCampo* editorDescricao() const { return m_descricao; }

private:
    ui::EditorCampo* m_descricao;
};

}  // namespace rh::framework
