#pragma once

#include <QString>
#include <QVariant>
#include <memory>

class QWidget;

namespace rh::db {
class Campo;
class Dataset;
}  // namespace rh::db

namespace rh::ui {

class Dialogos;
class VinculoCampo;

// What every data-aware editor shares, mixed into its Qt widget class: the
// binding to one field of a dataset, editable only while the dataset
// inserts or edits (and the field is writable), the value shown again
// whenever the record, the state or the value changes, and the writing of
// what the user typed.
//
// Editors where the user types (edit, date, memo) keep the typed text
// pending and store it when the focus leaves, on Enter, on gravarPendente()
// or, at the latest, just before the dataset posts. Editors where the user
// picks (combos, check box, radio group) store the choice at once.
class EditorVinculado {
public:
    virtual ~EditorVinculado();
    EditorVinculado(const EditorVinculado&) = delete;
    EditorVinculado& operator=(const EditorVinculado&) = delete;

    void vincular(db::Dataset& dataset, const QString& nomeCampo);
    db::Dataset* dataset() const;
    QString nomeCampo() const;
    db::Campo* campo() const;  // null while unbound or the dataset is closed
    bool editavel() const;

    // Stores the text typed and not yet stored. When the text is refused
    // (an impossible date, a number that is not one) the user is told why,
    // the field keeps its previous value, the focus returns to the editor
    // and the answer is false.
    bool gravarPendente();
    bool pendente() const { return m_pendente; }

protected:
    EditorVinculado(QWidget& controle, Dialogos& dialogos);

    // Puts the field's value in the control (campo is null when there is
    // nothing to show).
    virtual void mostrarValor(const db::Campo* campo) = 0;
    virtual void aplicarEditavel(bool editavel) = 0;
    // For typing editors: the value to store for the pending text, or the
    // text of the refusal in `recusa`.
    virtual QVariant valorDigitado(QString& recusa) const;

    // The user typed something (call from the control's edit signal).
    void marcarPendente();
    // The control lost the focus: store the pending text; a refusal is told
    // right after the focus change finishes, and the focus comes back.
    void aoPerderFoco(Qt::FocusReason motivo);
    // Stores a picked value now; on refusal tells the user and shows the
    // field again.
    bool escrever(const QVariant& valor);
    bool mostrando() const { return m_mostrando; }
    Dialogos& dialogos() const { return m_dialogos; }

    // Shared rule of the picking editors: does the stored value `armazenado`
    // (as the window wrote it, "S" or 1) equal the field's value?
    static bool mesmoValor(const QVariant& armazenado, const db::Campo& campo);
    // The text of a value for editing: numbers without grouping, with the
    // Brazilian decimal comma; dates as dd/mm/yyyy.
    static QString textoDeEdicao(const db::Campo& campo);

private:
    friend class VinculoCampo;
    void refletir();
    void gravarAntesDePostar();
    bool tentarGravar(QString& recusa);

    QWidget& m_controle;
    Dialogos& m_dialogos;
    std::unique_ptr<VinculoCampo> m_vinculo;
    bool m_pendente = false;
    bool m_mostrando = false;
    bool m_avisoAgendado = false;
};

}  // namespace rh::ui
