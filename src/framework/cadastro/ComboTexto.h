#pragma once

#include <QComboBox>
#include <QStringList>

#include "platform/ui/EditorVinculado.h"

namespace rh::framework {

// An editable drop-down bound to a text field: the user picks one of the
// suggested texts or types another one, and the text itself is stored
// (a value that is none of the items is kept and shown as it is).
class ComboTexto : public QComboBox, public ui::EditorVinculado {
    Q_OBJECT
public:
    explicit ComboTexto(ui::Dialogos& dialogos, QWidget* parent = nullptr);

    void defineItens(const QStringList& itens);
    void showPopup() override;

protected:
    void mostrarValor(const db::Campo* campo) override;
    void aplicarEditavel(bool editavel) override;
    QVariant valorDigitado(QString& recusa) const override;
    void focusOutEvent(QFocusEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;
};

}  // namespace rh::framework
