#include "framework/auxiliares/TFormCadPlanosSaude.h"

#include "app/nucleo/ContextoJanela.h"
#include "framework/cadastro/ConstrutorFormulario.h"

namespace rh::framework {

TFormCadPlanosSaude::TFormCadPlanosSaude(app::ContextoJanela& contexto, QWidget* parent)
    : TMasterCad(contexto, parent) {
    setWindowTitle(QStringLiteral("PLANOS DE SAÚDE"));
    Query().defineSql(QStringLiteral("select * from RECH_PLANOSSAUDE"));
    Query().defineTabelaAtualizacao(QStringLiteral("RECH_PLANOSSAUDE"));
    Query().definirCampo(QStringLiteral("NOMEPLANO")).tag = 3;
    Query().definirCampo(QStringLiteral("CODPLANOSAUDE")).visivel = false;
    defineParametrosPesquisa(QStringLiteral("RECH_PLANOSSAUDE"),
                             QStringLiteral("CADASTRO DE PLANOS DE SAÚDE"));

    ConstrutorFormulario f(*areaDados(), &contexto.dialogos);
    m_nome = f.campo(QStringLiteral("Nome do Plano de Saúde"), Query(), QStringLiteral("NOMEPLANO"),
                     {ui::Caixa::Maiusculas});
    m_grade = f.grade(Query(), {{QStringLiteral("NOMEPLANO"), QStringLiteral("NOME DO PLANO")}});
}

void TFormCadPlanosSaude::novo() {
    m_nome->setFocus();
    TMasterCad::novo();
}

void TFormCadPlanosSaude::editar() {
    TMasterCad::editar();
    m_nome->setFocus();
}

}  // namespace rh::framework
