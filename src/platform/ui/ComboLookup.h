#pragma once

#include <QComboBox>
#include <QPointer>

#include "platform/ui/EditorVinculado.h"

namespace rh::ui {

class ModeloDataset;

// A drop-down list over a list dataset (cities, sectors...): shows one of
// its fields and stores its key field in the bound field.
class ComboLookup : public QComboBox, public EditorVinculado {
    Q_OBJECT
public:
    explicit ComboLookup(Dialogos& dialogos, QWidget* parent = nullptr);

    void defineLista(db::Dataset& lista, const QString& campoChave, const QString& campoExibido);
    // How many rows the open list shows before it scrolls.
    void defineLinhasVisiveis(int linhas) { setMaxVisibleItems(linhas); }
    db::Dataset* lista() const { return m_lista; }

    void showPopup() override;

protected:
    void mostrarValor(const db::Campo* campo) override;
    void aplicarEditavel(bool) override {}
    void keyPressEvent(QKeyEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;

private:
    QVariant chaveNaLinha(int linha) const;
    void listaMudou();

    QPointer<db::Dataset> m_lista;
    QPointer<ModeloDataset> m_modelo;
    QString m_campoChave;
};

}  // namespace rh::ui
