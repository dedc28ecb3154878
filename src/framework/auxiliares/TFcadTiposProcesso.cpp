#include "framework/auxiliares/TFcadTiposProcesso.h"

#include <QFrame>

#include "app/nucleo/ContextoJanela.h"
#include "framework/cadastro/ConstrutorFormulario.h"

namespace rh::framework {

TFcadTiposProcesso::TFcadTiposProcesso(app::ContextoJanela& contexto, QWidget* parent)
    : TMasterCad(contexto, parent) {
    setWindowTitle(QStringLiteral("Cadastro de Tipos de Processo"));
    Query().defineSql(QStringLiteral("select * from vork_tipoprocessos order  by descricao"));
    Query().defineTabelaAtualizacao(QStringLiteral("VORK_TIPOPROCESSOS"));
    auto& descricao = Query().definirCampo(QStringLiteral("DESCRICAO"));
    descricao.tag = 3;
    descricao.rotulo = QStringLiteral("Descrição");
    Query().definirCampo(QStringLiteral("CODTIPOPROCESSO")).tag = 1;
    // Set elsewhere: it decides which kinds the servant form offers.
    Query().definirCampo(QStringLiteral("TIPOPROCESSO_RH")).visivel = false;
    defineParametrosPesquisa(QStringLiteral("VORK_TIPOPROCESSOS"),
                             QStringLiteral("Tipos de Processo"));

    ConstrutorFormulario f(*areaDados(), &contexto.dialogos);
    m_painel = f.painel();
    m_descricao = f.campo(QStringLiteral("Descrição do Tipo:"), Query(),
                          QStringLiteral("DESCRICAO"), {ui::Caixa::Maiusculas});
    f.fechar();
    m_grade = f.grade(Query(), {{QStringLiteral("DESCRICAO"), QString(), -1, Qt::AlignCenter}});
    abrirPainel(false);
}

void TFcadTiposProcesso::abrirPainel(bool aberto) {
    m_painel->setEnabled(aberto);
    m_grade->setEnabled(!aberto);
}

void TFcadTiposProcesso::novo() {
    abrirPainel(true);
    m_descricao->setFocus();
    TMasterCad::novo();
    if (!Query().editando()) {
        abrirPainel(false);
        return;
    }
    // The key comes from the database; 0 lets the required check pass.
    Query().campo(QStringLiteral("CODTIPOPROCESSO")).defineValor(0);
}

void TFcadTiposProcesso::editar() {
    abrirPainel(true);
    m_descricao->setFocus();
    TMasterCad::editar();
    abrirPainel(Query().editando());
}

// After a refused or failed save the record is still being edited: the
// panel stays open so that it can be corrected.
void TFcadTiposProcesso::salvar() {
    TMasterCad::salvar();
    abrirPainel(Query().editando());
    if (Query().editando()) m_descricao->setFocus();
}

void TFcadTiposProcesso::cancelar() {
    TMasterCad::cancelar();
    abrirPainel(Query().editando());
}

}  // namespace rh::framework
