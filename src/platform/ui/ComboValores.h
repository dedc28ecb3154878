#pragma once

#include <QComboBox>
#include <QList>

#include "platform/ui/EditorVinculado.h"
#include "platform/ui/ItemValor.h"

namespace rh::ui {

// A drop-down list of captions, each storing its own value in the field.
// A field value that matches no item shows no item.
class ComboValores : public QComboBox, public EditorVinculado {
    Q_OBJECT
public:
    explicit ComboValores(Dialogos& dialogos, QWidget* parent = nullptr);

    void defineItens(const QList<ItemValor>& itens);
    const QList<ItemValor>& itens() const { return m_itens; }

    void showPopup() override;

protected:
    void mostrarValor(const db::Campo* campo) override;
    void aplicarEditavel(bool) override {}
    void keyPressEvent(QKeyEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;

private:
    QList<ItemValor> m_itens;
};

}  // namespace rh::ui
