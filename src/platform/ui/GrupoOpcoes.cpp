#include "platform/ui/GrupoOpcoes.h"

#include <QGridLayout>
#include <QRadioButton>

#include "platform/db/Campo.h"

namespace rh::ui {

GrupoOpcoes::GrupoOpcoes(Dialogos& dialogos, const QString& titulo, QWidget* parent)
    : QGroupBox(titulo, parent),
      EditorVinculado(static_cast<QWidget&>(*this), dialogos),
      m_grade(new QGridLayout(this)) {
    connect(&m_grupo, &QButtonGroup::idClicked, this, [this](int i) {
        // Outside insert and edit (or a refused value) the field is shown
        // again, which puts the check back where it was.
        if (i >= 0 && i < m_itens.size()) escrever(m_itens.at(i).valor);
    });
}

void GrupoOpcoes::defineItens(const QList<ItemValor>& itens, int colunas) {
    for (QAbstractButton* b : m_grupo.buttons()) {
        m_grupo.removeButton(b);
        delete b;
    }
    m_itens = itens;
    colunas = std::max(1, colunas);
    const int porColuna = int((itens.size() + colunas - 1) / colunas);
    for (int i = 0; i < itens.size(); ++i) {
        auto* botao = new QRadioButton(itens.at(i).texto, this);
        m_grupo.addButton(botao, i);
        m_grade->addWidget(botao, i % std::max(1, porColuna), i / std::max(1, porColuna));
    }
    mostrarValor(campo());
}

void GrupoOpcoes::mostrarValor(const db::Campo* campo) {
    int marcado = -1;
    if (campo)
        for (int i = 0; i < m_itens.size() && marcado < 0; ++i)
            if (mesmoValor(m_itens.at(i).valor, *campo)) marcado = i;
    // An exclusive group cannot show "none checked" without this.
    m_grupo.setExclusive(false);
    for (QAbstractButton* b : m_grupo.buttons()) b->setChecked(m_grupo.id(b) == marcado);
    m_grupo.setExclusive(true);
}

}  // namespace rh::ui
