#include "framework/auxiliares/TFormCadFormacoes.h"

#include "app/nucleo/ContextoJanela.h"
#include "framework/cadastro/ConstrutorFormulario.h"

namespace rh::framework {

TFormCadFormacoes::TFormCadFormacoes(app::ContextoJanela& contexto, QWidget* parent)
    : TMasterCad(contexto, parent) {
    setWindowTitle(QStringLiteral("CADASTRO DE FORMAÇÕES"));
    Query().defineSql(QStringLiteral("select * from rech_formacoes order by descricao"));
    Query().defineTabelaAtualizacao(QStringLiteral("RECH_FORMACOES"));
    Query().definirCampo(QStringLiteral("DESCRICAO")).tag = 3;
    Query().definirCampo(QStringLiteral("CODFORMACAO")).visivel = false;
    defineParametrosPesquisa(QStringLiteral("RECH_FORMACOES"),
                             QStringLiteral("TABELA DE FORMACOES"));

    ConstrutorFormulario f(*areaDados(), &contexto.dialogos);
    m_descricao = f.campo(QStringLiteral("Descrição*"), Query(), QStringLiteral("DESCRICAO"),
                          {ui::Caixa::Maiusculas});
    f.esticar();
}

}  // namespace rh::framework
