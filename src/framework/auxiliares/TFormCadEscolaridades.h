#pragma once

#include "framework/cadastro/TMasterCad.h"

namespace rh::ui {
class EditorCampo;
}

namespace rh::framework {

// Schooling levels (RECH_ESCOLARIDADES). Their order (ORDEM) is kept elsewhere: it
// is neither shown nor edited here, and new levels are saved without it.
class TFormCadEscolaridades : public TMasterCad {
    Q_OBJECT
public:
    explicit TFormCadEscolaridades(app::ContextoJanela& contexto, QWidget* parent = nullptr);

    ui::EditorCampo* editorDescricao() const { return m_descricao; }

private:
    ui::EditorCampo* m_descricao;
};

}  // namespace rh::framework
