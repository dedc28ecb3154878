#pragma once

#include "framework/cadastro/TMasterCad.h"

class QFrame;

namespace rh::ui {
class EditorCampo;
class GradeDataset;
}  // namespace rh::ui

namespace rh::framework {

// Kinds of administrative process (VORK_TIPOPROCESSOS): a data panel with
// the description over a grid of all kinds. The panel is open only while a
// record is being inserted or edited; the grid only while browsing.
class TFcadTiposProcesso : public TMasterCad {
    Q_OBJECT
public:
    explicit TFcadTiposProcesso(app::ContextoJanela& contexto, QWidget* parent = nullptr);

    void novo() override;
    void editar() override;
    void salvar() override;
    void cancelar() override;

    QFrame* painelDados() const { return m_painel; }
    ui::EditorCampo* editorDescricao() const { return m_descricao; }
    ui::GradeDataset* grade() const { return m_grade; }

private:
    void abrirPainel(bool aberto);

    QFrame* m_painel;
    ui::EditorCampo* m_descricao;
    ui::GradeDataset* m_grade;
};

}  // namespace rh::framework
