#pragma once

#include <QLineEdit>

#include "platform/ui/EditorVinculado.h"
#include "platform/ui/ValidadorTexto.h"

namespace rh::ui {

// A one-line edit bound to a field. The field's size limits the length of
// text fields; the options convert case as the user types or accept digits
// only.
class EditorCampo : public QLineEdit, public EditorVinculado {
    Q_OBJECT
public:
    struct Opcoes {
        Caixa caixa = Caixa::Normal;
        bool somenteDigitos = false;
    };

    explicit EditorCampo(Dialogos& dialogos, QWidget* parent = nullptr);

    void defineOpcoes(Opcoes opcoes);
    const Opcoes& opcoes() const { return m_opcoes; }

protected:
    void mostrarValor(const db::Campo* campo) override;
    void aplicarEditavel(bool editavel) override;
    QVariant valorDigitado(QString& recusa) const override;
    void focusOutEvent(QFocusEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    Opcoes m_opcoes;
};

}  // namespace rh::ui
