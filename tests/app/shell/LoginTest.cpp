#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>

#include "ShellFixture.h"
#include "app/login/TForm_SelecionaUnidade.h"
#include "app/login/TFrmSenha.h"

using namespace rh;
using rh::app::ServicoLogin;
using rh::app::TFrmSenha;

namespace {

class LoginTest : public teste::ShellFixture {
protected:
    std::unique_ptr<TFrmSenha> janela(QStringList argumentos = {}, QString maquina = "ESTACAO01") {
        app::OpcoesLogin o;
        o.caminhoExecutavel = "/usr/bin/cadastro-rh";
        o.argumentos = std::move(argumentos);
        o.nomeMaquina = [maquina] { return maquina; };
        o.senhaEmClaro = m_emClaro;
        return std::make_unique<TFrmSenha>(banco().conectar(), dialogos, executor, o);
    }
    void entrar(TFrmSenha& j, int matricula, const QString& senha) {
        j.EdtMatricula->setText(QString::number(matricula));
        j.EdtSenha->setText(senha);
        j.BtnOKClick();
    }
    ServicoLogin::SenhaEmClaro m_emClaro = ServicoLogin::SenhaEmClaro::Apagar;
};

TEST(ServicoLoginRegras, DigestEmWindows1252ENomeDoExecutavel) {
    EXPECT_EQ(ServicoLogin::digestSenha("senha1"), "92f20dafc5e5ac1c66820903c492cc04");
    EXPECT_EQ(ServicoLogin::digestSenha(QStringLiteral("ação€")), "dbf0d32cc3d450218920f3b009a1ee48");
    EXPECT_EQ(ServicoLogin::nomeExecutavel("/opt/rh/cadastro-rh", {}), "cadastro-rh");
    EXPECT_EQ(ServicoLogin::nomeExecutavel("/opt/rh/cadastro-rh", {"//FBBOMY"}), "CADAEXE");
    EXPECT_EQ(ServicoLogin::nomeExecutavel("/opt/rh/cadastro-rh", {"//fbbomy"}), "cadastro-rh");
    EXPECT_LE(ServicoLogin::ObterNomeMaquina().size(), 15);
}

TEST_F(LoginTest, CadaPerfilEntraComSuaUnidade) {
    struct Caso {
        int matricula;
        const char* senha;
        bool janelaDeUnidade;
        int unidade;
        const char* perfil;
    };
    const Caso casos[] = {{kAdmin, "senha1", true, 2, "A"},
                          {kUsuario, "senha1", true, 1, "U"},
                          {kConsulta, "senha1", false, 1, "C"},
                          {kOutro, "Senha1x", false, -1, "X"}};
    for (const auto& c : casos) {
        bool viuUnidade = false;
        executor.defineInterceptador([&](QWidget& w) {
            auto* u = qobject_cast<app::TForm_SelecionaUnidade*>(&w);
            if (!u) return 0;
            viuUnidade = true;
            if (c.perfil == QStringLiteral("A")) {
                EXPECT_EQ(u->GroupBoxUnidades->title(), "SELECIONE A UNIDADE");
                EXPECT_EQ(u->DBLookupComboBoxUnidades->currentText(), "CENTRO");  // starts on the user's own
                u->DBLookupComboBoxUnidades->setCurrentIndex(1);
            } else {
                EXPECT_EQ(u->GroupBoxUnidades->title(), "VOCÊ ESTÁ NA UNIDADE");
                EXPECT_FALSE(u->DBLookupComboBoxUnidades->isVisibleTo(u));
            }
            EXPECT_EQ(u->EdtSigla->text(), c.perfil == QStringLiteral("A") ? "NORTE" : "CENTRO");
            return 1;
        });
        auto j = janela();
        entrar(*j, c.matricula, c.senha);
        EXPECT_TRUE(j->resultado()) << c.perfil;
        EXPECT_EQ(viuUnidade, c.janelaDeUnidade) << c.perfil;
        EXPECT_EQ(j->sessao().CodUnidade, c.unidade) << c.perfil;
        EXPECT_EQ(j->sessao().Perfil, c.perfil);
        EXPECT_EQ(j->sessao().Versao, "2");
        EXPECT_EQ(j->sessao().NomeMaquina, "ESTACAO01");
        EXPECT_EQ(j->sessao().CodAplicacao, kAplicacao);
    }
    EXPECT_TRUE(dialogos.vazio()) << dialogos.textos().join("|").toStdString();
    EXPECT_EQ(auditorias(), 4);
}

TEST_F(LoginTest, TerceiraFalhaEncerraEMaiusculasContam) {
    auto j = janela();
    entrar(*j, kConsulta, "SENHA1");  // differs only in case
    entrar(*j, 999999, "senha1");
    EXPECT_EQ(dialogos.textos(), (QStringList{"Matrícula / Senha Inválida!", "Matrícula / Senha Inválida!"}));
    EXPECT_TRUE(j->BtnOK->isEnabled());
    entrar(*j, kConsulta, "senha2");
    EXPECT_EQ(dialogos.textos().size(), 2);  // the third failure closes without a message
    EXPECT_FALSE(j->resultado());
    EXPECT_FALSE(j->BtnOK->isEnabled());
    EXPECT_EQ(auditorias(), 0);
}

TEST_F(LoginTest, FalhaNaAlteracaoDeSenhaContaJunto) {
    auto j = janela();
    entrar(*j, kConsulta, "x");
    entrar(*j, kConsulta, "y");
    j->EdtMatricula->setText(QString::number(kConsulta));
    j->EdtSenha->setText("z");
    j->BtnAlterarSenhaClick();
    EXPECT_FALSE(j->resultado());
    EXPECT_EQ(j->tentativasFalhas(), 3);
    EXPECT_TRUE(j->GrpAlteracaoSenha->isHidden());
}

TEST_F(LoginTest, CamposVaziosNaoContamENaoAutorizadoEncerra) {
    auto j = janela();
    j->BtnOKClick();
    j->EdtMatricula->setText(QString::number(kSemAutorizacao));
    j->BtnOKClick();
    EXPECT_EQ(j->tentativasFalhas(), 0);
    j->EdtSenha->setText("senha1");
    j->BtnOKClick();
    EXPECT_EQ(dialogos.textos(), (QStringList{"A Matrícula não foi Informada!", "A Senha não foi Informada!",
                                              QStringLiteral("O usuário Sérgio Sem Acesso\rnão está autorizado a utilizar aplicação!")}));
    EXPECT_FALSE(j->resultado());
    EXPECT_EQ(j->tentativasFalhas(), 3);
}

TEST_F(LoginTest, SemNomeDeMaquinaAAplicacaoEFinalizada) {
    auto j = janela({}, QString());
    entrar(*j, kConsulta, "senha1");
    EXPECT_EQ(dialogos.textos(),
              (QStringList{QStringLiteral("O sistema não achou o Nome da Máquina.\rA Aplicação será finalizada!")}));
    EXPECT_FALSE(j->resultado());
}

TEST_F(LoginTest, UsoNaoFinalizadoAvisaEContinua) {
    conexao().executar("INSERT INTO VORK_AUDITUSOS (CODUSUARIO, CODAPLICACAO, DTINICIOUSO, MAQUINA) "
                       "VALUES (3, :A, :D, 'ESTACAO01')",
                       {{"A", kAplicacao}, {"D", QDateTime(QDate(2026, 3, 4), QTime(9, 0))}});
    auto j = janela();
    entrar(*j, kConsulta, "senha1");
    EXPECT_TRUE(j->resultado());
    EXPECT_EQ(dialogos.textos(),
              (QStringList{QStringLiteral("O usuário Carlos Consulta\rnão finalizou esta aplicação no dia (04/03/2026).")}));
    EXPECT_EQ(auditorias(), 1);
    const QDateTime inicio = conexao().valor("SELECT DTINICIOUSO FROM VORK_AUDITUSOS").toDateTime();
    EXPECT_EQ(inicio.date(), QDate::currentDate());
}

TEST_F(LoginTest, NomeTransformadoPeloPrimeiroArgumento) {
    conexao().executar("UPDATE VORK_APLICACOES SET EXECUTAVEL = 'cadaexe'");
    auto j = janela({"//FBBOMY"});
    entrar(*j, kConsulta, "senha1");
    EXPECT_TRUE(j->resultado());
    auto k = janela();
    entrar(*k, kConsulta, "senha1");
    EXPECT_FALSE(k->resultado());
}

TEST_F(LoginTest, AlteracaoDeSenhaGravaSoODigest) {
    for (auto emClaro : {ServicoLogin::SenhaEmClaro::Apagar, ServicoLogin::SenhaEmClaro::Gravar}) {
        m_emClaro = emClaro;
        dialogos.limpar();
        auto j = janela();
        j->EdtMatricula->setText(QString::number(kConsulta));
        j->EdtSenha->setText(emClaro == ServicoLogin::SenhaEmClaro::Apagar ? "senha1" : QStringLiteral("nová123"));
        j->BtnAlterarSenhaClick();
        ASSERT_FALSE(j->GrpAlteracaoSenha->isHidden());
        EXPECT_FALSE(j->BtnOK->isEnabled());
        j->EdtNovaSenha->setText("curta");
        j->BtnOKAlteracaoClick();
        j->EdtNovaSenha->setText(QStringLiteral("nová123"));
        j->EdtConfirmacao->setText(QStringLiteral("nova123"));
        j->BtnOKAlteracaoClick();
        j->EdtConfirmacao->setText(QStringLiteral("nová123"));
        j->BtnOKAlteracaoClick();
        EXPECT_EQ(dialogos.textos(), (QStringList{"A Senha deve conter no mínimo 6 caracteres!",
                                                  QStringLiteral("A Nova Senha e sua Confirmação não Conferem!")}));
        EXPECT_TRUE(j->BtnOK->isEnabled());
        const QString senha = conexao().valor("SELECT SENHA FROM VORK_USUARIOS WHERE CODUSUARIO = 3").toString();
        EXPECT_EQ(senha, ServicoLogin::digestSenha(QStringLiteral("nová123")));
        EXPECT_TRUE(QRegularExpression("^[0-9a-f]{32}$").match(senha).hasMatch());
        const QVariant claro = conexao().valor("SELECT PASSWORD FROM VORK_USUARIOS WHERE CODUSUARIO = 3");
        if (emClaro == ServicoLogin::SenhaEmClaro::Apagar) EXPECT_TRUE(claro.isNull() || claro.toString().isEmpty());
        else EXPECT_EQ(claro.toString(), QStringLiteral("nová123"));
        entrar(*j, kConsulta, QStringLiteral("nová123"));
        EXPECT_TRUE(j->resultado());
    }
}

TEST_F(LoginTest, CancelarAlteracaoNaoMudaNada) {
    auto j = janela();
    j->EdtMatricula->setText(QString::number(kConsulta));
    j->EdtSenha->setText("senha1");
    j->BtnAlterarSenhaClick();
    j->EdtNovaSenha->setText("outra123");
    j->reject();  // Escape in the change group cancels the change only
    EXPECT_TRUE(j->GrpAlteracaoSenha->isHidden());
    EXPECT_TRUE(j->BtnOK->isEnabled());
    EXPECT_EQ(conexao().valor("SELECT SENHA FROM VORK_USUARIOS WHERE CODUSUARIO = 3").toString(),
              ServicoLogin::digestSenha("senha1"));
    j->reject();  // Escape again cancels the login
    EXPECT_FALSE(j->resultado());
}

}  // namespace
