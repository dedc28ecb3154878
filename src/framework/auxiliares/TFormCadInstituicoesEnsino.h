#pragma once

#include "framework/cadastro/TMasterCad.h"

namespace rh::ui {
class ComboLookup;
class EditorCampo;
}  // namespace rh::ui

namespace rh::framework {

class ComboTexto;

// Teaching institutions (GER_IES): name, MEC code, initials, country (from
// the countries list) and type (one of the usual four or any text typed).
class TFormCadInstituicoesEnsino : public TMasterCad {
    Q_OBJECT
public:
    explicit TFormCadInstituicoesEnsino(app::ContextoJanela& contexto, QWidget* parent = nullptr);

    db::Dataset& paises() { return m_paises; }
    ui::EditorCampo* editorNome() const { return m_nome; }
    ui::EditorCampo* editorCodMec() const { return m_codMec; }
    ui::EditorCampo* editorSigla() const { return m_sigla; }
    ui::ComboLookup* comboPais() const { return m_pais; }
    ComboTexto* comboTipo() const { return m_tipo; }

protected:
    void aoFechar() override;

private:
    db::Dataset m_paises;
    ui::EditorCampo* m_nome;
    ui::EditorCampo* m_codMec;
    ui::EditorCampo* m_sigla;
    ui::ComboLookup* m_pais;
    ComboTexto* m_tipo;
};

}  // namespace rh::framework
