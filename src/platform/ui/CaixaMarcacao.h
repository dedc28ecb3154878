#pragma once

#include <QCheckBox>

#include "platform/ui/EditorVinculado.h"

namespace rh::ui {

// A check box storing one value when checked and another when unchecked
// ("S" and "N" by default). A null field shows unchecked.
class CaixaMarcacao : public QCheckBox, public EditorVinculado {
    Q_OBJECT
public:
    explicit CaixaMarcacao(Dialogos& dialogos, const QString& texto = {}, QWidget* parent = nullptr);

    void defineValores(const QVariant& marcado, const QVariant& desmarcado);

protected:
    void mostrarValor(const db::Campo* campo) override;
    void aplicarEditavel(bool) override {}
    void nextCheckState() override;

private:
    QVariant m_marcado = QStringLiteral("S");
    QVariant m_desmarcado = QStringLiteral("N");
};

}  // namespace rh::ui
