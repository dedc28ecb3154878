#include "platform/ui/CaixaMarcacao.h"

#include "platform/db/Campo.h"

namespace rh::ui {

CaixaMarcacao::CaixaMarcacao(Dialogos& dialogos, const QString& texto, QWidget* parent)
    : QCheckBox(texto, parent), EditorVinculado(static_cast<QWidget&>(*this), dialogos) {
    connect(this, &QCheckBox::clicked, this, [this](bool marcada) {
        if (editavel()) escrever(marcada ? m_marcado : m_desmarcado);
    });
}

void CaixaMarcacao::defineValores(const QVariant& marcado, const QVariant& desmarcado) {
    m_marcado = marcado;
    m_desmarcado = desmarcado;
    mostrarValor(campo());
}

void CaixaMarcacao::mostrarValor(const db::Campo* campo) {
    setChecked(campo && mesmoValor(m_marcado, *campo));
}

void CaixaMarcacao::nextCheckState() {
    // Outside insert and edit a click changes nothing.
    if (editavel()) QCheckBox::nextCheckState();
}

}  // namespace rh::ui
