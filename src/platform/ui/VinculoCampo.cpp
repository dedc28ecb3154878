#include "platform/ui/VinculoCampo.h"

#include "platform/ui/EditorVinculado.h"

namespace rh::ui {

using db::Dataset;

VinculoCampo::VinculoCampo(EditorVinculado& editor) : m_editor(editor) {}

void VinculoCampo::vincular(Dataset& dataset, const QString& nomeCampo) {
    if (m_dataset) disconnect(m_dataset, nullptr, this, nullptr);
    m_dataset = &dataset;
    m_nomeCampo = nomeCampo;
    auto refletir = [this] { m_editor.refletir(); };
    connect(&dataset, &Dataset::aposAbrir, this, refletir);
    connect(&dataset, &Dataset::aposFechar, this, refletir);
    connect(&dataset, &Dataset::aposRolar, this, refletir);
    connect(&dataset, &Dataset::aposCancelar, this, refletir);
    connect(&dataset, &Dataset::aposGravar, this, refletir);
    connect(&dataset, &Dataset::estadoMudou, this, refletir);
    connect(&dataset, &Dataset::valorAlterado, this, &VinculoCampo::valorAlterado);
    connect(&dataset, &QObject::destroyed, this, [this] {
        m_comGancho.clear();
        m_editor.refletir();
    });
    if (!m_comGancho.contains(&dataset)) {
        // Posting stores what was typed in the editor and not yet stored,
        // whatever started the post; a refused text stops the post.
        m_comGancho << &dataset;
        dataset.aoAntesDeGravar([guarda = QPointer<VinculoCampo>(this)](Dataset& ds) {
            if (guarda && guarda->m_dataset == &ds) guarda->m_editor.gravarAntesDePostar();
        });
    }
    m_editor.refletir();
}

db::Campo* VinculoCampo::campo() const {
    if (!m_dataset || !m_dataset->ativo()) return nullptr;
    return m_dataset->procurarCampo(m_nomeCampo);
}

void VinculoCampo::valorAlterado(int indiceCampo) {
    const db::Campo* c = campo();
    if (c && (c->indice() == indiceCampo || c->calculado())) m_editor.refletir();
}

}  // namespace rh::ui
