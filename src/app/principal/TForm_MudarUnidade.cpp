#include "app/principal/TForm_MudarUnidade.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace rh::app {

namespace {
std::unique_ptr<db::Dataset> listaAberta(db::Conexao& conexao, int unidadeAtual) {
    auto lista = std::make_unique<db::Dataset>(conexao);
    lista->defineSql(QStringLiteral("SELECT CODUNIDADE, SIGLA FROM VORK_UNIDADES ORDER BY CODUNIDADE"));
    lista->abrir();
    lista->localizar(QStringLiteral("CODUNIDADE"), unidadeAtual);
    return lista;
}
}  // namespace

TForm_MudarUnidade::TForm_MudarUnidade(db::Conexao& conexao, int unidadeAtual, QWidget* parent)
    : TForm_MudarUnidade(listaAberta(conexao, unidadeAtual), parent) {}

TForm_MudarUnidade::TForm_MudarUnidade(std::unique_ptr<db::Dataset> lista, QWidget* parent)
    : JanelaEscolhaUnidade(*lista, parent), m_lista(std::move(lista)) {
    setWindowTitle(QStringLiteral("Mudar Unidade de Ensino"));
    auto* layout = new QVBoxLayout(this);
    auto* grupo = new QGroupBox(QStringLiteral("SELECIONE A UNIDADE DE ENSINO"));
    auto* gl = new QVBoxLayout(grupo);
    gl->addWidget(DBLookupComboBoxUnidades);
    layout->addWidget(grupo);
    layout->addWidget(BtnOK, 0, Qt::AlignHCenter);
    DBLookupComboBoxUnidades->setFocus();
}

int TForm_MudarUnidade::unidadeEscolhida() {
    return m_lista->vazio() ? -1 : int(m_lista->campo(QStringLiteral("CODUNIDADE")).comoInteiro());
}

}  // namespace rh::app
