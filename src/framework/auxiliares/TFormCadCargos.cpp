#include "framework/auxiliares/TFormCadCargos.h"

#include "app/nucleo/ContextoJanela.h"
#include "framework/cadastro/ConstrutorFormulario.h"

namespace rh::framework {

TFormCadCargos::TFormCadCargos(app::ContextoJanela& contexto, QWidget* parent)
    : TMasterCad(contexto, parent) {
    setWindowTitle(QStringLiteral("CADASTRO DE CARGOS"));
    Query().defineSql(QStringLiteral("select * from rech_cargos order by descricao"));
    Query().defineTabelaAtualizacao(QStringLiteral("RECH_CARGOS"));
    Query().definirCampo(QStringLiteral("DESCRICAO")).tag = 3;
    Query().definirCampo(QStringLiteral("CODIGO")).tag = 0;
    Query().definirCampo(QStringLiteral("CODCARGO")).visivel = false;
    defineParametrosPesquisa(QStringLiteral("RECH_CARGOS"), QStringLiteral("TABELA DE CARGOS"));

    ConstrutorFormulario f(*areaDados(), &contexto.dialogos);
    m_descricao = f.campo(QStringLiteral("Descrição*"), Query(), QStringLiteral("DESCRICAO"),
                          {ui::Caixa::Maiusculas});
    m_codigo = f.campo(QStringLiteral("Código do Cargo"), Query(), QStringLiteral("CODIGO"),
                       {ui::Caixa::Normal, true});
    f.esticar();
}

}  // namespace rh::framework
