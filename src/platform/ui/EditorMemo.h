#pragma once

#include <QPlainTextEdit>

#include "platform/ui/EditorVinculado.h"

namespace rh::ui {

// A multi-line text bound to a field; the text is stored when the focus
// leaves or the record is posted.
class EditorMemo : public QPlainTextEdit, public EditorVinculado {
    Q_OBJECT
public:
    explicit EditorMemo(Dialogos& dialogos, QWidget* parent = nullptr);

protected:
    void mostrarValor(const db::Campo* campo) override;
    void aplicarEditavel(bool editavel) override;
    QVariant valorDigitado(QString& recusa) const override;
    void focusOutEvent(QFocusEvent* evento) override;
};

}  // namespace rh::ui
