#include "platform/ui/ComboValores.h"

#include <QKeyEvent>
#include <QWheelEvent>

#include "platform/db/Campo.h"

namespace rh::ui {

ComboValores::ComboValores(Dialogos& dialogos, QWidget* parent)
    : QComboBox(parent), EditorVinculado(static_cast<QWidget&>(*this), dialogos) {
    setEditable(false);
    connect(this, &QComboBox::activated, this, [this](int i) {
        if (i >= 0 && i < m_itens.size()) escrever(m_itens.at(i).valor);
    });
}

void ComboValores::defineItens(const QList<ItemValor>& itens) {
    m_itens = itens;
    clear();
    for (const ItemValor& item : itens) addItem(item.texto);
    mostrarValor(campo());
}

void ComboValores::mostrarValor(const db::Campo* campo) {
    int indice = -1;
    if (campo)
        for (int i = 0; i < m_itens.size() && indice < 0; ++i)
            if (mesmoValor(m_itens.at(i).valor, *campo)) indice = i;
    setCurrentIndex(indice);
}

// Outside insert and edit the list does not open and keys and the wheel do
// not change the choice; the combo keeps its normal look so it stays legible.
void ComboValores::showPopup() {
    if (editavel()) QComboBox::showPopup();
}

void ComboValores::keyPressEvent(QKeyEvent* evento) {
    if (editavel()) QComboBox::keyPressEvent(evento);
    else QWidget::keyPressEvent(evento);
}

void ComboValores::wheelEvent(QWheelEvent* evento) {
    if (editavel()) QComboBox::wheelEvent(evento);
    else evento->ignore();
}

}  // namespace rh::ui
