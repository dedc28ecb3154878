#pragma once

#include <QLineEdit>

#include "platform/ui/EditorVinculado.h"

namespace rh::ui {

// A date typed in the mask "dd/mm/yyyy". A blank mask is a null date; a
// date that does not exist (31/02/2020) or is incomplete is refused with
// "A data 31/02/2020 não é válida.", and the field keeps its value.
class EditorData : public QLineEdit, public EditorVinculado {
    Q_OBJECT
public:
    explicit EditorData(Dialogos& dialogos, QWidget* parent = nullptr);

    // The digits and separators as shown, without the mask's blanks.
    QString textoDigitado() const;

protected:
    void mostrarValor(const db::Campo* campo) override;
    void aplicarEditavel(bool editavel) override;
    QVariant valorDigitado(QString& recusa) const override;
    void focusOutEvent(QFocusEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
};

}  // namespace rh::ui
