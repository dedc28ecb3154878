#include "framework/auxiliares/TFormCadEscolaridades.h"

#include "app/nucleo/ContextoJanela.h"
#include "framework/cadastro/ConstrutorFormulario.h"

namespace rh::framework {

TFormCadEscolaridades::TFormCadEscolaridades(app::ContextoJanela& contexto, QWidget* parent)
    : TMasterCad(contexto, parent) {
    setWindowTitle(QStringLiteral("CADASTRO DE ESCOLARIDADES"));
    Query().defineSql(QStringLiteral("select * from rech_escolaridades order by descricao"));
    Query().defineTabelaAtualizacao(QStringLiteral("RECH_ESCOLARIDADES"));
    Query().definirCampo(QStringLiteral("DESCRICAO")).tag = 3;
    Query().definirCampo(QStringLiteral("ORDEM")).visivel = false;
    Query().definirCampo(QStringLiteral("CODESCOLARIDADE")).visivel = false;
    defineParametrosPesquisa(QStringLiteral("RECH_ESCOLARIDADES"),
                             QStringLiteral("TABELA DE ESCOLARIDADES"));

    ConstrutorFormulario f(*areaDados(), &contexto.dialogos);
    m_descricao = f.campo(QStringLiteral("Descrição*"), Query(), QStringLiteral("DESCRICAO"),
                          {ui::Caixa::Maiusculas});
    f.esticar();
}

}  // namespace rh::framework
