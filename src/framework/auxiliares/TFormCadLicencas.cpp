#include "framework/auxiliares/TFormCadLicencas.h"

#include "app/nucleo/ContextoJanela.h"
#include "framework/cadastro/ConstrutorFormulario.h"

namespace rh::framework {

TFormCadLicencas::TFormCadLicencas(app::ContextoJanela& contexto, QWidget* parent)
    : TMasterCad(contexto, parent) {
    setWindowTitle(QStringLiteral("Cadastro de Licenças"));
    Query().defineSql(QStringLiteral("select * from RECH_LICENCAS"));
    Query().defineTabelaAtualizacao(QStringLiteral("RECH_LICENCAS"));
    Query().definirCampo(QStringLiteral("DESCLICENCA")).tag = 3;
    Query().definirCampo(QStringLiteral("CODLICENCA")).visivel = false;
    defineParametrosPesquisa(QStringLiteral("RECH_LICENCAS"), QStringLiteral("CONSULTA LICENÇAS"));

    ConstrutorFormulario f(*areaDados(), &contexto.dialogos);
    m_descricao = f.campo(QStringLiteral("Descrição*"), Query(), QStringLiteral("DESCLICENCA"),
                          {ui::Caixa::Maiusculas});
    f.esticar();
}

void TFormCadLicencas::novo() {
    TMasterCad::novo();
    m_descricao->setFocus();
}

void TFormCadLicencas::editar() {
    TMasterCad::editar();
    m_descricao->setFocus();
}

}  // namespace rh::framework
