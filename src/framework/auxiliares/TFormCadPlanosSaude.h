#pragma once

#include "framework/cadastro/TMasterCad.h"

namespace rh::ui {
class EditorCampo;
class GradeDataset;
}  // namespace rh::ui

namespace rh::framework {

// Health plans (RECH_PLANOSSAUDE): the plan's name over a grid of all plans.
class TFormCadPlanosSaude : public TMasterCad {
    Q_OBJECT
public:
    explicit TFormCadPlanosSaude(app::ContextoJanela& contexto, QWidget* parent = nullptr);

    void novo() override;
    void editar() override;

    ui::EditorCampo* editorNome() const { return m_nome; }
    ui::GradeDataset* grade() const { return m_grade; }

private:
    ui::EditorCampo* m_nome;
    ui::GradeDataset* m_grade;
};

}  // namespace rh::framework
