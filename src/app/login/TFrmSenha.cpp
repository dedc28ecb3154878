#include "app/login/TFrmSenha.h"

#include <QDate>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpressionValidator>
#include <QTime>
#include <QVBoxLayout>

#include "app/login/TForm_SelecionaUnidade.h"
#include "platform/db/Conexao.h"
#include "platform/db/Dataset.h"
#include "platform/ui/Dialogos.h"
#include "platform/ui/ExecutorJanelas.h"

namespace rh::app {

namespace {
QLineEdit* painel(const QString& texto) {
    auto* e = new QLineEdit(texto);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}
QPushButton* botao(const QString& texto) {
    auto* b = new QPushButton(texto);
    b->setAutoDefault(false);
    return b;
}
}  // namespace

TFrmSenha::TFrmSenha(std::unique_ptr<db::Conexao> conexao, ui::Dialogos& dialogos, ui::ExecutorJanelas& executor,
                     OpcoesLogin opcoes, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_conexao(std::move(conexao)),
      m_servico(*m_conexao),
      m_dialogos(dialogos),
      m_executor(executor),
      m_opcoes(std::move(opcoes)) {
    setWindowTitle(QStringLiteral("Controle de Acesso de Sistemas"));
    auto* layout = new QVBoxLayout(this);
    auto* titulo = new QLabel(QStringLiteral("Autenticação de Usuários"));
    QFont f = titulo->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.4);
    titulo->setFont(f);
    layout->addWidget(titulo, 0, Qt::AlignHCenter);

    auto* campos = new QFormLayout;
    EdtMatricula = new QLineEdit;
    EdtMatricula->setObjectName(QStringLiteral("EdtMatricula"));
    // Only the digits reach the field; everything else typed is discarded.
    EdtMatricula->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), EdtMatricula));
    EdtSenha = new QLineEdit;
    EdtSenha->setObjectName(QStringLiteral("EdtSenha"));
    EdtSenha->setEchoMode(QLineEdit::Password);
    campos->addRow(QStringLiteral("&Matrícula"), EdtMatricula);
    campos->addRow(QStringLiteral("&Senha"), EdtSenha);
    layout->addLayout(campos);

    auto* botoes = new QHBoxLayout;
    BtnOK = botao(QStringLiteral("OK"));
    BtnCancelar = botao(QStringLiteral("Cancelar"));
    BtnAlterarSenha = botao(QStringLiteral("Alterar Senha"));
    botoes->addWidget(BtnOK);
    botoes->addWidget(BtnCancelar);
    botoes->addWidget(BtnAlterarSenha);
    layout->addLayout(botoes);

    GrpAlteracaoSenha = new QGroupBox(QStringLiteral("Alteração de Senha"));
    auto* alteracao = new QFormLayout(GrpAlteracaoSenha);
    EdtNovaSenha = new QLineEdit;
    EdtNovaSenha->setEchoMode(QLineEdit::Password);
    EdtConfirmacao = new QLineEdit;
    EdtConfirmacao->setEchoMode(QLineEdit::Password);
    alteracao->addRow(QStringLiteral("Nova Senha"), EdtNovaSenha);
    alteracao->addRow(QStringLiteral("Confirmação da Senha"), EdtConfirmacao);
    auto* botoesAlteracao = new QHBoxLayout;
    BtnOKAlteracao = botao(QStringLiteral("OK"));
    BtnCancelarAlteracao = botao(QStringLiteral("Cancelar"));
    botoesAlteracao->addWidget(BtnOKAlteracao);
    botoesAlteracao->addWidget(BtnCancelarAlteracao);
    alteracao->addRow(botoesAlteracao);
    GrpAlteracaoSenha->setVisible(false);
    layout->addWidget(GrpAlteracaoSenha);

    auto* paineis = new QHBoxLayout;
    PnlMaquina = painel(m_opcoes.nomeMaquina());
    PnlData = painel(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    PnlHora = painel(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    paineis->addWidget(new QLabel(QStringLiteral(" Máquina:")));
    paineis->addWidget(PnlMaquina);
    paineis->addWidget(new QLabel(QStringLiteral(" Data:")));
    paineis->addWidget(PnlData);
    paineis->addWidget(new QLabel(QStringLiteral(" Hora:")));
    paineis->addWidget(PnlHora);
    layout->addLayout(paineis);

    connect(BtnOK, &QPushButton::clicked, this, &TFrmSenha::BtnOKClick);
    connect(BtnCancelar, &QPushButton::clicked, this, &TFrmSenha::BtnCancelarClick);
    connect(BtnAlterarSenha, &QPushButton::clicked, this, &TFrmSenha::BtnAlterarSenhaClick);
    connect(BtnOKAlteracao, &QPushButton::clicked, this, &TFrmSenha::BtnOKAlteracaoClick);
    connect(BtnCancelarAlteracao, &QPushButton::clicked, this, &TFrmSenha::BtnCancelarAlteracaoClick);
    connect(EdtMatricula, &QLineEdit::returnPressed, this, &TFrmSenha::BtnOKClick);
    connect(EdtSenha, &QLineEdit::returnPressed, this, &TFrmSenha::BtnOKClick);
    connect(EdtNovaSenha, &QLineEdit::returnPressed, this, &TFrmSenha::BtnOKAlteracaoClick);
    connect(EdtConfirmacao, &QLineEdit::returnPressed, this, &TFrmSenha::BtnOKAlteracaoClick);
    EdtMatricula->setFocus();
}

TFrmSenha::~TFrmSenha() = default;

void TFrmSenha::Habilita(bool habilitar) {
    BtnOK->setEnabled(habilitar);
    BtnCancelar->setEnabled(habilitar);
    BtnAlterarSenha->setEnabled(habilitar);
}

void TFrmSenha::encerrar(bool ok) {
    m_resultado = ok;
    Habilita(false);
    done(ok ? QDialog::Accepted : QDialog::Rejected);
}

void TFrmSenha::reject() {
    if (m_alterandoSenha) BtnCancelarAlteracaoClick();
    else BtnCancelarClick();
}

bool TFrmSenha::camposPreenchidos() {
    if (EdtMatricula->text().isEmpty()) {
        m_dialogos.informacao(QStringLiteral("A Matrícula não foi Informada!"));
        EdtMatricula->setFocus();
        return false;
    }
    if (EdtSenha->text().isEmpty()) {
        m_dialogos.informacao(QStringLiteral("A Senha não foi Informada!"));
        EdtSenha->setFocus();
        return false;
    }
    return true;
}

void TFrmSenha::falhaContada() {
    ++m_tentativas;
    if (m_tentativas < 3) m_dialogos.informacao(QStringLiteral("Matrícula / Senha Inválida!"));
    else encerrar(false);
}

void TFrmSenha::BtnOKClick() {
    if (!BtnOK->isEnabled()) return;
    if (!m_conexao->aberta()) m_conexao->abrir();
    if (!camposPreenchidos()) return;
    const QString maquina = m_opcoes.nomeMaquina();
    if (maquina.isEmpty()) {
        m_dialogos.informacao(QStringLiteral("O sistema não achou o Nome da Máquina.\rA Aplicação será finalizada!"));
        encerrar(false);
        return;
    }
    const auto usuario = m_servico.buscarUsuario(EdtMatricula->text(), ServicoLogin::digestSenha(EdtSenha->text()));
    if (!usuario) {
        falhaContada();
        return;
    }
    const QString executavel = ServicoLogin::nomeExecutavel(m_opcoes.caminhoExecutavel, m_opcoes.argumentos);
    const auto autorizacao = m_servico.buscarAutorizacao(usuario->CODUSUARIO, executavel);
    m_sessao.CodUnidade = -1;
    if (!autorizacao) {
        m_dialogos.informacao(QStringLiteral("O usuário ") + usuario->NOME +
                              QStringLiteral("\rnão está autorizado a utilizar aplicação!"));
        m_tentativas = 3;
        encerrar(false);
        return;
    }
    escolherUnidade(*usuario, *autorizacao);
    m_sessao.CodUsuario = usuario->CODUSUARIO;
    m_sessao.CodAplicacao = autorizacao->CODAPLICACAO;
    m_sessao.Perfil = autorizacao->PERFIL;
    m_sessao.Versao = autorizacao->VERSAO;
    m_sessao.NomeMaquina = maquina;
    if (const auto anterior = m_servico.IniciaUsoAplicacao(m_sessao.CodUsuario, m_sessao.CodAplicacao, maquina))
        m_dialogos.informacao(QStringLiteral("O usuário ") + usuario->NOME +
                              QStringLiteral("\rnão finalizou esta aplicação no dia (") +
                              anterior->inicio.date().toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(")."));
    encerrar(true);
}

void TFrmSenha::escolherUnidade(const UsuarioLogin& usuario, const AutorizacaoLogin& autorizacao) {
    const QString& perfil = autorizacao.PERFIL;
    if (perfil == QLatin1String("C") || perfil == QLatin1String("G") || perfil == QLatin1String("D")) {
        m_sessao.CodUnidade = usuario.CODUNIDADE;
        return;
    }
    if (perfil != QLatin1String("A") && perfil != QLatin1String("U")) return;  // no campus: -1
    db::Dataset unidades(*m_conexao);
    unidades.defineSql(QStringLiteral("SELECT CODUNIDADE, SIGLA FROM VORK_UNIDADES ORDER BY CODUNIDADE"));
    unidades.abrir();
    unidades.localizar(QStringLiteral("CODUNIDADE"), usuario.CODUNIDADE);
    const bool escolher = perfil == QLatin1String("A");
    TForm_SelecionaUnidade janela(unidades, usuario.NOME,
                                  escolher ? TForm_SelecionaUnidade::Modo::Escolher
                                           : TForm_SelecionaUnidade::Modo::Confirmar,
                                  this);
    m_executor.exibirModal(janela);
    m_sessao.CodUnidade = escolher && !unidades.vazio()
                              ? int(unidades.campo(QStringLiteral("CODUNIDADE")).comoInteiro())
                              : usuario.CODUNIDADE;
    unidades.fechar();
}

void TFrmSenha::BtnCancelarClick() { encerrar(false); }

void TFrmSenha::BtnAlterarSenhaClick() {
    if (!BtnAlterarSenha->isEnabled()) return;
    if (!m_conexao->aberta()) m_conexao->abrir();
    if (!camposPreenchidos()) return;
    const auto usuario = m_servico.buscarUsuario(EdtMatricula->text(), ServicoLogin::digestSenha(EdtSenha->text()));
    if (!usuario) {
        falhaContada();
        return;
    }
    m_usuarioEmAlteracao = usuario->CODUSUARIO;
    EdtMatricula->clear();
    EdtSenha->clear();
    EdtNovaSenha->clear();
    EdtConfirmacao->clear();
    Habilita(false);
    m_alterandoSenha = true;
    GrpAlteracaoSenha->setVisible(true);
    EdtNovaSenha->setFocus();
}

void TFrmSenha::BtnOKAlteracaoClick() {
    if (!m_alterandoSenha) return;
    const QString nova = EdtNovaSenha->text();
    if (nova.size() < 6) {
        m_dialogos.informacao(QStringLiteral("A Senha deve conter no mínimo 6 caracteres!"));
        return;
    }
    if (nova != EdtConfirmacao->text()) {
        m_dialogos.informacao(QStringLiteral("A Nova Senha e sua Confirmação não Conferem!"));
        return;
    }
    m_servico.alterarSenha(m_usuarioEmAlteracao, nova, m_opcoes.senhaEmClaro);
    m_alterandoSenha = false;
    GrpAlteracaoSenha->setVisible(false);
    Habilita(true);
    EdtMatricula->setFocus();
}

void TFrmSenha::BtnCancelarAlteracaoClick() {
    m_usuarioEmAlteracao = 0;
    m_alterandoSenha = false;
    EdtNovaSenha->clear();
    EdtConfirmacao->clear();
    Habilita(true);
    GrpAlteracaoSenha->setVisible(false);
    EdtMatricula->setFocus();
}

ResultadoLogin ExecutarLogin(std::unique_ptr<db::Conexao> conexao, ui::Dialogos& dialogos,
                             ui::ExecutorJanelas& executor, OpcoesLogin opcoes) {
    TFrmSenha janela(std::move(conexao), dialogos, executor, std::move(opcoes));
    executor.exibirModal(janela);
    return {janela.resultado(), janela.sessao()};
}

}  // namespace rh::app
