#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QList>

#include "platform/ui/EditorVinculado.h"
#include "platform/ui/ItemValor.h"

class QGridLayout;

namespace rh::ui {

// A framed group of radio buttons, each storing its own value in the field.
// A value that matches no item leaves every button unchecked.
class GrupoOpcoes : public QGroupBox, public EditorVinculado {
    Q_OBJECT
public:
    explicit GrupoOpcoes(Dialogos& dialogos, const QString& titulo = {}, QWidget* parent = nullptr);

    // Items fill the columns top to bottom, left to right.
    void defineItens(const QList<ItemValor>& itens, int colunas = 1);
    const QList<ItemValor>& itens() const { return m_itens; }
    QAbstractButton* botao(int indice) const { return m_grupo.button(indice); }
    int indiceMarcado() const { return m_grupo.checkedId(); }

protected:
    void mostrarValor(const db::Campo* campo) override;
    void aplicarEditavel(bool) override {}

private:
    QList<ItemValor> m_itens;
    QButtonGroup m_grupo;
    QGridLayout* m_grade;
};

}  // namespace rh::ui
