#include "framework/auxiliares/TFormCadEspecializacoes.h"

#include "app/nucleo/ContextoJanela.h"
#include "framework/cadastro/ConstrutorFormulario.h"

namespace rh::framework {

TFormCadEspecializacoes::TFormCadEspecializacoes(app::ContextoJanela& contexto, QWidget* parent)
    : TMasterCad(contexto, parent) {
    setWindowTitle(QStringLiteral("CADASTRO DE ESPECIALIZAÇÕES"));
    Query().defineSql(QStringLiteral("select * from rech_especializacoes order by descricao"));
    Query().defineTabelaAtualizacao(QStringLiteral("RECH_ESPECIALIZACOES"));
    Query().definirCampo(QStringLiteral("DESCRICAO")).tag = 3;
    Query().definirCampo(QStringLiteral("CODESPECIALIZACAO")).visivel = false;
    defineParametrosPesquisa(QStringLiteral("RECH_ESPECIALIZACOES"),
                             QStringLiteral("TABELA DE ESPECIALIZACOES"));

    ConstrutorFormulario f(*areaDados(), &contexto.dialogos);
    m_descricao = f.campo(QStringLiteral("Descrição*"), Query(), QStringLiteral("DESCRICAO"),
                          {ui::Caixa::Maiusculas});
    f.esticar();
}

}  // namespace rh::framework
