#pragma once

#include "framework/cadastro/TMasterCad.h"

namespace rh::ui {
class EditorCampo;
}

namespace rh::framework {

// Job positions (RECH_CARGOS): description and the position's code.
class TFormCadCargos : public TMasterCad {
    Q_OBJECT
public:
    explicit TFormCadCargos(app::ContextoJanela& contexto, QWidget* parent = nullptr);

    ui::EditorCampo* editorDescricao() const { return m_descricao; }
    ui::EditorCampo* editorCodigo() const { return m_codigo; }

private:
    ui::EditorCampo* m_descricao;
    ui::EditorCampo* m_codigo;
};

}  // namespace rh::framework
