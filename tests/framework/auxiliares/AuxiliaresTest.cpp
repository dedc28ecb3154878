#include <gtest/gtest.h>

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "app/demo/Demo.h"
#include "app/esquema/EsquemaCentral.h"
#include "app/nucleo/ContextoJanela.h"
#include "app/nucleo/TDM.h"
#include "app/principal/RegistroJanelas.h"
#include "app/principal/TForm_Principal.h"
#include "framework/auxiliares/JanelasAuxiliares.h"
#include "framework/auxiliares/TFcadTiposProcesso.h"
#include "framework/auxiliares/TFormCadInstituicoesEnsino.h"
#include "framework/cadastro/ComboTexto.h"
#include "platform/ui/ComboLookup.h"
#include "platform/ui/EditorCampo.h"
#include "platform/ui/ExecutorJanelas.h"
#include "platform/ui/GradeDataset.h"
#include "support/app/TesteComContexto.h"
#include "support/BancoDeTeste.h"
#include "support/DialogosRoteirizados.h"
#include "support/Digitar.h"

using namespace rh;
using framework::TMasterCad;
using Tipo = teste::DialogosRoteirizados::Tipo;

namespace {

class AuxiliaresTest : public teste::TesteComContexto {
protected:
    void prepararEsquema(db::Conexao& c) override {
        app::aplicarMigracoes(c);
        app::preencherReferencias(c);
    }
    void SetUp() override {
        TesteComContexto::SetUp();
        if (IsSkipped()) return;
        m_sessao.Perfil = "A";
        framework::registrarJanelasAuxiliares(m_registro);
    }
    void TearDown() override {
        m_janela.reset();
        TesteComContexto::TearDown();
    }

    template <class J = TMasterCad>
    J& abrir(const QString& classe) {
        m_janela.reset(qobject_cast<TMasterCad*>(m_registro.criar(classe, *m_contexto)));
        EXPECT_TRUE(m_janela) << classe.toStdString();
        m_janela->show();
        return *qobject_cast<J*>(m_janela.get());
    }
    ui::EditorCampo* editor(TMasterCad& j, const QString& campo) {
        for (auto* e : j.findChildren<ui::EditorCampo*>())
            if (e->nomeCampo() == campo) return e;
        return nullptr;
    }
    QVariant valor(const QString& sql) { return conexao().valor(sql); }

    app::RegistroJanelas m_registro;
    std::unique_ptr<TMasterCad> m_janela;
};

// Every registry with one typed field: caption, search parameters, the
// required-field refusal and a new row that gets its key from the database.
TEST_F(AuxiliaresTest, NovoRegistroRecebeAChaveDoBancoEObrigatorioTemAMensagemDoCampo) {
    struct Caso {
        const char* classe;
        const char* titulo;
        const char* tabela;
        const char* tituloPesquisa;
        const char* chave;
        const char* campo;
        const char* rotuloNaMensagem;
        const char* digitado;
        const char* gravado;
    };
    const Caso casos[] = {
        {"TFormCadCargos", "CADASTRO DE CARGOS", "RECH_CARGOS", "TABELA DE CARGOS", "CODCARGO",
         "DESCRICAO", "DESCRICAO", "técnico de laboratório", "TÉCNICO DE LABORATÓRIO"},
        {"TFormCadLicencas", "Cadastro de Licenças", "RECH_LICENCAS", "CONSULTA LICENÇAS",
         "CODLICENCA", "DESCLICENCA", "DESCLICENCA", "licença prêmio", "LICENÇA PRÊMIO"},
        {"TFcadTiposProcesso", "Cadastro de Tipos de Processo", "VORK_TIPOPROCESSOS",
         "Tipos de Processo", "CODTIPOPROCESSO", "DESCRICAO", "DESCRIÇÃO", "remoção", "REMOÇÃO"},
        {"TFormCadPlanosSaude", "PLANOS DE SAÚDE", "RECH_PLANOSSAUDE",
         "CADASTRO DE PLANOS DE SAÚDE", "CODPLANOSAUDE", "NOMEPLANO", "NOMEPLANO", "saúde já",
         "SAÚDE JÁ"},
        {"TFormCadFormacoes", "CADASTRO DE FORMAÇÕES", "RECH_FORMACOES", "TABELA DE FORMACOES",
         "CODFORMACAO", "DESCRICAO", "DESCRICAO", "física", "FÍSICA"},
        {"TFormCadEscolaridades", "CADASTRO DE ESCOLARIDADES", "RECH_ESCOLARIDADES",
         "TABELA DE ESCOLARIDADES", "CODESCOLARIDADE", "DESCRICAO", "DESCRICAO", "pós-doutorado",
         "PÓS-DOUTORADO"},
        {"TFormCadEspecializacoes", "CADASTRO DE ESPECIALIZAÇÕES", "RECH_ESPECIALIZACOES",
         "TABELA DE ESPECIALIZACOES", "CODESPECIALIZACAO", "DESCRICAO", "DESCRICAO",
         "gestão pública", "GESTÃO PÚBLICA"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.classe);
        const QString tabela = c.tabela, chave = c.chave, campo = c.campo;
        const qlonglong maior = valor("SELECT MAX(" + chave + ") FROM " + tabela).toLongLong();
        auto& j = abrir(c.classe);
        EXPECT_EQ(j.windowTitle(), QString::fromUtf8(c.titulo));
        EXPECT_EQ(j.parametrosPesquisa().tabela, tabela);
        EXPECT_EQ(j.parametrosPesquisa().titulo, QString::fromUtf8(c.tituloPesquisa));
        EXPECT_TRUE(j.parametrosPesquisa().colunas.isEmpty() &&
                    j.parametrosPesquisa().condicaoBase.isEmpty());
        EXPECT_EQ(j.Query().campo(campo).tag(), 3);

        j.actNovo()->trigger();
        j.actSalvar()->trigger();
        EXPECT_EQ(dialogos.textos(Tipo::Aviso),
                  QStringList{"O campo " + QString::fromUtf8(c.rotuloNaMensagem) +
                              " deve ser preenchido obrigatoriamente!"});
        EXPECT_TRUE(j.Query().editando());
        dialogos.limpar();

        ui::EditorCampo* e = editor(j, campo);
        ASSERT_TRUE(e);
        teste::digitar(e, QString::fromUtf8(c.digitado));
        j.actSalvar()->trigger();
        EXPECT_TRUE(dialogos.vazio()) << dialogos.textos().join("|").toStdString();
        EXPECT_TRUE(j.SalvouOK());
        // The new row is the one with the greatest key.
        const QString onde = " FROM " + tabela + " WHERE " + chave + " = (SELECT MAX(" + chave +
                             ") FROM " + tabela + ")";
        EXPECT_GT(valor("SELECT " + chave + onde).toLongLong(), maior);
        EXPECT_EQ(valor("SELECT " + campo + onde).toString(), QString::fromUtf8(c.gravado));
        EXPECT_EQ(m_dm->ADOConnecOracle().ProfundidadeTransacao(), 0);
        if (tabela == "VORK_TIPOPROCESSOS") {
            EXPECT_TRUE(valor("SELECT TIPOPROCESSO_RH" + onde).isNull());
        }
        if (tabela == "RECH_ESCOLARIDADES") {
            EXPECT_TRUE(valor("SELECT ORDEM" + onde).isNull());
        }
        EXPECT_TRUE(j.close());
    }
}

TEST_F(AuxiliaresTest, TiposDeProcessoAbremOPainelSoDuranteAEdicao) {
    auto& j = abrir<framework::TFcadTiposProcesso>("TFcadTiposProcesso");
    EXPECT_FALSE(j.painelDados()->isEnabled());
    EXPECT_TRUE(j.grade()->isEnabled());
    ASSERT_EQ(j.grade()->modelo()->columnCount(), 1);
    EXPECT_EQ(j.grade()->modelo()->headerData(0, Qt::Horizontal).toString(), "Descrição");

    j.actNovo()->trigger();
    EXPECT_TRUE(j.painelDados()->isEnabled());
    EXPECT_FALSE(j.grade()->isEnabled());
    EXPECT_EQ(j.Query().campo("CODTIPOPROCESSO").comoInteiro(), 0);
    // Refused: still editing, so the description stays reachable.
    j.actSalvar()->trigger();
    EXPECT_EQ(dialogos.textos(Tipo::Aviso),
              QStringList{"O campo DESCRIÇÃO deve ser preenchido obrigatoriamente!"});
    dialogos.limpar();
    EXPECT_TRUE(j.painelDados()->isEnabled());
    teste::digitar(j.editorDescricao(), "aposentadoria");
    j.actSalvar()->trigger();
    EXPECT_FALSE(j.painelDados()->isEnabled());
    EXPECT_TRUE(j.grade()->isEnabled());
    EXPECT_GT(
        valor("SELECT CODTIPOPROCESSO FROM VORK_TIPOPROCESSOS WHERE DESCRICAO = 'APOSENTADORIA'")
            .toInt(),
        0);

    ASSERT_TRUE(j.Query().localizar("DESCRICAO", "APOSENTADORIA"));
    j.actEditar()->trigger();
    EXPECT_TRUE(j.painelDados()->isEnabled());
    j.actCancelar()->trigger();
    EXPECT_FALSE(j.painelDados()->isEnabled());
    EXPECT_TRUE(j.grade()->isEnabled());
}

TEST_F(AuxiliaresTest, InstituicaoComPaisObrigatorioETipoDigitadoAMao) {
    auto& j = abrir<framework::TFormCadInstituicoesEnsino>("TFormCadInstituicoesEnsino");
    EXPECT_TRUE(j.paises().ativo());
    EXPECT_EQ(j.comboTipo()->count(), 4);
    EXPECT_EQ(j.comboTipo()->itemText(2), "Pós-Graduação");
    j.actNovo()->trigger();
    j.actSalvar()->trigger();
    EXPECT_EQ(dialogos.textos(Tipo::Aviso),
              QStringList{"O campo CODPAIS deve ser preenchido obrigatoriamente!"});
    dialogos.limpar();

    teste::digitar(j.editorNome(), "instituto de música");
    teste::digitar(j.editorCodMec(), "4321");
    teste::digitar(j.editorSigla(), "IMus");
    ui::ComboLookup* pais = j.comboPais();
    ASSERT_GT(pais->count(), 1);
    pais->setCurrentIndex(1);
    Q_EMIT pais->activated(1);
    const QVariant codPais = j.Query().campo("CODPAIS").valor();
    ASSERT_FALSE(codPais.isNull());
    j.actSalvar()->trigger();
    EXPECT_EQ(dialogos.textos(Tipo::Aviso),
              QStringList{"O campo TIPO deve ser preenchido obrigatoriamente!"});
    dialogos.limpar();

    // A type that is none of the four items.
    j.comboTipo()->setFocus();
    teste::digitar(j.comboTipo()->lineEdit(), "Técnico");
    j.actSalvar()->trigger();
    EXPECT_TRUE(dialogos.vazio()) << dialogos.textos().join("|").toStdString();
    const QString onde = " FROM GER_IES WHERE NOME = 'INSTITUTO DE MÚSICA'";
    EXPECT_EQ(valor("SELECT TIPO" + onde).toString(), "Técnico");
    EXPECT_EQ(valor("SELECT CODPAIS" + onde).toLongLong(), codPais.toLongLong());
    EXPECT_EQ(valor("SELECT CODMEC" + onde).toInt(), 4321);
    EXPECT_EQ(valor("SELECT SIGLA" + onde).toString(), "IMus");
    EXPECT_EQ(j.comboTipo()->count(), 4);  // the typed type is no new item

    // A row read back shows its hand-typed type.
    ASSERT_TRUE(j.Query().localizar("NOME", "INSTITUTO DE MÚSICA"));
    EXPECT_EQ(j.comboTipo()->currentText(), "Técnico");
    EXPECT_TRUE(j.comboTipo()->lineEdit()->isReadOnly());
}

TEST_F(AuxiliaresTest, ItensDoMenuPrincipalAbremOsCadastrosModalmente) {
    app::TForm_Principal principal(*m_contexto, m_registro);
    const QList<QPair<QString, QString>> itens = {
        {"Escolaridade", "CADASTRO DE ESCOLARIDADES"},
        {"Formações", "CADASTRO DE FORMAÇÕES"},
        {"Cargo/Emprego", "CADASTRO DE CARGOS"},
        {"Licenças", "Cadastro de Licenças"},
        {"Pós-Graduações", "CADASTRO DE ESPECIALIZAÇÕES"},
        {"Plano de Saúde", "PLANOS DE SAÚDE"},
        {"Instituições de Ensino", "Cadastro de Instituições de Ensino"}};
    for (const auto& [item, titulo] : itens) {
        QAction* a = principal.acaoDoMenu("&Cadastros       /" + item);
        ASSERT_TRUE(a) << item.toStdString();
        EXPECT_TRUE(a->isEnabled()) << item.toStdString();
        QString aberta;
        executor.defineInterceptador([&](QWidget& w) {
            aberta = w.windowTitle();
            return 0;
        });
        a->trigger();
        EXPECT_EQ(aberta, titulo);
    }
    executor.defineInterceptador({});
    EXPECT_TRUE(m_registro.conhece("TFcadTiposProcesso"));
}

}  // namespace
