#include "framework/auxiliares/TFormCadInstituicoesEnsino.h"

#include "app/nucleo/ContextoJanela.h"
#include "framework/cadastro/ComboTexto.h"
#include "framework/cadastro/ConstrutorFormulario.h"

namespace rh::framework {

TFormCadInstituicoesEnsino::TFormCadInstituicoesEnsino(app::ContextoJanela& contexto,
                                                       QWidget* parent)
    : TMasterCad(contexto, parent), m_paises(contexto.dm.ADOConnecOracle()) {
    setWindowTitle(QStringLiteral("Cadastro de Instituições de Ensino"));
    Query().defineSql(QStringLiteral("select  * from    GER_IES"));
    Query().defineTabelaAtualizacao(QStringLiteral("GER_IES"));
    Query().definirCampo(QStringLiteral("NOME")).tag = 3;
    Query().definirCampo(QStringLiteral("CODMEC")).tag = 3;
    Query().definirCampo(QStringLiteral("SIGLA")).tag = 2;
    Query().definirCampo(QStringLiteral("CODPAIS")).tag = 1;
    Query().definirCampo(QStringLiteral("TIPO")).tag = 1;
    Query().definirCampo(QStringLiteral("CODIES")).visivel = false;
    defineParametrosPesquisa(QStringLiteral("GER_IES"),
                             QStringLiteral("CONSULTA INSTITUIÇÕES DE ENSINO"));

    m_paises.defineSql(QStringLiteral("select CODPAIS, NOME  from ger_paises  order by NOME"));
    m_paises.abrir();

    ConstrutorFormulario f(*areaDados(), &contexto.dialogos);
    m_nome = f.campo(QStringLiteral("Descrição:"), Query(), QStringLiteral("NOME"),
                     {ui::Caixa::Maiusculas});
    m_codMec = f.campo(QStringLiteral("Código MEC:"), Query(), QStringLiteral("CODMEC"),
                       {ui::Caixa::Normal, true});
    m_sigla = f.campo(QStringLiteral("Sigla:"), Query(), QStringLiteral("SIGLA"));
    m_pais = f.lookup(QStringLiteral("País:"), Query(), QStringLiteral("CODPAIS"), m_paises,
                      QStringLiteral("CODPAIS"), QStringLiteral("NOME"));
    m_pais->defineLinhasVisiveis(12);
    m_tipo = f.linha(QStringLiteral("Tipo:"), new ComboTexto(contexto.dialogos));
    m_tipo->defineItens({QStringLiteral("Estrangeiro"), QStringLiteral("Graduação"),
                         QStringLiteral("Pós-Graduação"), QStringLiteral("Ensino Médio")});
    m_tipo->vincular(Query(), QStringLiteral("TIPO"));
    f.esticar();
}

void TFormCadInstituicoesEnsino::aoFechar() {
    m_paises.fechar();
    TMasterCad::aoFechar();
}

}  // namespace rh::framework
