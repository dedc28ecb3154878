#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <memory>

#include "app/login/ServicoLogin.h"
#include "app/nucleo/Sessao.h"

namespace rh::db {
class Conexao;
}
namespace rh::ui {
class Dialogos;
class ExecutorJanelas;
}

namespace rh::app {

// What the login needs from its surroundings.
struct OpcoesLogin {
    QString caminhoExecutavel;   // the running program
    QStringList argumentos;      // command-line arguments after the program
    std::function<QString()> nomeMaquina = &ServicoLogin::ObterNomeMaquina;
    ServicoLogin::SenhaEmClaro senhaEmClaro = ServicoLogin::SenhaEmClaro::Apagar;
};

// The login window: matriculation and password, three failed attempts at
// most (login and password change together), authorisation for this
// program, the campus of the session, the usage audit, and the password
// change.
class TFrmSenha : public QDialog {
    Q_OBJECT
public:
    TFrmSenha(std::unique_ptr<db::Conexao> conexao, ui::Dialogos& dialogos, ui::ExecutorJanelas& executor,
              OpcoesLogin opcoes, QWidget* parent = nullptr);
    ~TFrmSenha() override;

    bool resultado() const { return m_resultado; }
    const Sessao& sessao() const { return m_sessao; }
    int tentativasFalhas() const { return m_tentativas; }

    void BtnOKClick();
    void BtnCancelarClick();
    void BtnAlterarSenhaClick();
    void BtnOKAlteracaoClick();
    void BtnCancelarAlteracaoClick();
    void Habilita(bool habilitar);

    QLineEdit* EdtMatricula;
    QLineEdit* EdtSenha;
    QPushButton* BtnOK;
    QPushButton* BtnCancelar;
    QPushButton* BtnAlterarSenha;
    QLineEdit* PnlMaquina;
    QLineEdit* PnlData;
    QLineEdit* PnlHora;
    QGroupBox* GrpAlteracaoSenha;
    QLineEdit* EdtNovaSenha;
    QLineEdit* EdtConfirmacao;
    QPushButton* BtnOKAlteracao;
    QPushButton* BtnCancelarAlteracao;

    // Escape acts as "Cancelar" of the current state.
    void reject() override;

private:
    bool camposPreenchidos();
    void falhaContada();
    void encerrar(bool ok);
    void escolherUnidade(const UsuarioLogin& usuario, const AutorizacaoLogin& autorizacao);

    std::unique_ptr<db::Conexao> m_conexao;
    ServicoLogin m_servico;
    ui::Dialogos& m_dialogos;
    ui::ExecutorJanelas& m_executor;
    OpcoesLogin m_opcoes;
    Sessao m_sessao;
    int m_tentativas = 0;
    bool m_resultado = false;
    int m_usuarioEmAlteracao = 0;
    bool m_alterandoSenha = false;  // the "Alteração de Senha" group is open
};

// Runs the login modally and returns whether it succeeded and the session.
struct ResultadoLogin {
    bool ok = false;
    Sessao sessao;
};
ResultadoLogin ExecutarLogin(std::unique_ptr<db::Conexao> conexao, ui::Dialogos& dialogos,
                             ui::ExecutorJanelas& executor, OpcoesLogin opcoes);

}  // namespace rh::app
