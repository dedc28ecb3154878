#include "framework/cadastro/TMasterCad.h"

#include <QAction>
#include <QCloseEvent>
#include <QDebug>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include "app/nucleo/ContextoJanela.h"
#include "app/principal/RegistroJanelas.h"
#include "app/principal/TFSobre.h"
#include "platform/db/ErroBanco.h"
#include "platform/ui/Dialogos.h"
#include "platform/ui/EditorVinculado.h"
#include "platform/ui/ExecutorJanelas.h"

namespace rh::framework {

namespace {

QIcon icone(const QWidget& w, const char* tema, QStyle::StandardPixmap padrao) {
    return QIcon::fromTheme(QString::fromLatin1(tema), w.style()->standardIcon(padrao));
}

}  // namespace

TMasterCad::TMasterCad(app::ContextoJanela& contexto, QWidget* parent)
    : TMaster(parent),
      m_contexto(contexto),
      m_query(contexto.dm.ADOConnecOracle()),
      m_estado(contexto.sessao.Perfil) {
    // The opener runs the window modally and destroys it afterwards.
    setProperty(app::kPropriedadeModalPropria, true);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    m_areaDados = new QWidget(this);
    setCentralWidget(m_areaDados);
    montarAcoes();
    montarMenu();
    montarPainelDock();
    montarStatus();
    ligarQuery();
    connect(&m_estado, &EstadoCadastro::mudou, this, &TMasterCad::aplicarEstado);
    aplicarEstado(m_estado.habilitadas());
    resize(491, 282);
}

TMasterCad::~TMasterCad() {
    // Destroyed without closing (the program ends, a test drops it): the
    // record is abandoned and the level this window holds is given back.
    try {
        if (m_query.editando()) m_query.cancelar();
    } catch (const db::ErroBanco& e) {
        qWarning() << "TMasterCad:" << e.mensagem();
    }
    liberarNivel(false);
}

db::Conexao& TMasterCad::conexao() const {
    return m_query.conexao();
}

void TMasterCad::montarAcoes() {
    auto criar = [this](const QString& texto, const QString& dica, QList<QKeySequence> atalhos) {
        auto* a = new QAction(texto, this);
        if (!dica.isEmpty()) {
            a->setToolTip(dica);
            a->setStatusTip(dica);
        }
        a->setShortcuts(atalhos);
        return a;
    };
    m_actNovo = criar(QStringLiteral("&Novo"), QStringLiteral("novo"),
                      {QKeySequence(Qt::CTRL | Qt::Key_O)});
    m_actEditar = criar(QStringLiteral("&Editar"), QStringLiteral("Editar"), {});
    m_actExcluir = criar(QStringLiteral("Excluir"), QStringLiteral("Excluir"), {});
    m_actSalvar = criar(QStringLiteral("&Salvar"), QStringLiteral("Salvar"),
                        {QKeySequence(Qt::CTRL | Qt::Key_B)});
    m_actCancelar = criar(QStringLiteral("&Cancelar"), QStringLiteral("Cancelar"), {});
    m_actLocalizar =
        criar(QStringLiteral("Localizar..."), QStringLiteral("Localizar"),
              {QKeySequence(Qt::CTRL | Qt::Key_F), QKeySequence(Qt::CTRL | Qt::Key_F3)});
    m_actLocalizarProxima = criar(QStringLiteral("Próximo >"), QStringLiteral("Localizar Próxima"),
                                  {QKeySequence(Qt::Key_F3)});
    m_actImprimir = criar(QStringLiteral("Imprimir..."), QStringLiteral("Imprimir"),
                          {QKeySequence(Qt::CTRL | Qt::Key_P)});
    m_actAjuda = criar(QStringLiteral("Tópicos da Ajuda"), QStringLiteral("Ajuda"),
                       {QKeySequence(Qt::Key_F1)});
    m_actSobre = criar(QStringLiteral("Sobre ..."), QString(), {});
    m_actFechar = criar(QStringLiteral("Fechar"), QStringLiteral("Fechar"), {});

    m_actNovo->setIcon(icone(*this, "document-new", QStyle::SP_FileIcon));
    m_actEditar->setIcon(icone(*this, "document-edit", QStyle::SP_FileDialogDetailedView));
    m_actExcluir->setIcon(icone(*this, "edit-delete", QStyle::SP_TrashIcon));
    m_actSalvar->setIcon(icone(*this, "document-save", QStyle::SP_DialogSaveButton));
    m_actCancelar->setIcon(icone(*this, "edit-undo", QStyle::SP_DialogCancelButton));
    m_actLocalizar->setIcon(icone(*this, "edit-find", QStyle::SP_FileDialogContentsView));
    m_actLocalizarProxima->setIcon(icone(*this, "go-next", QStyle::SP_ArrowRight));
    m_actImprimir->setIcon(icone(*this, "document-print", QStyle::SP_DriveFDIcon));
    m_actAjuda->setIcon(icone(*this, "help-contents", QStyle::SP_DialogHelpButton));
    m_actFechar->setIcon(icone(*this, "window-close", QStyle::SP_DialogCloseButton));

    // The commands are virtual: a descendant's extension runs wherever the
    // action is triggered from (toolbar, menu, shortcut).
    connect(m_actNovo, &QAction::triggered, this, [this] { protegido([this] { novo(); }); });
    connect(m_actEditar, &QAction::triggered, this, [this] { protegido([this] { editar(); }); });
    connect(m_actExcluir, &QAction::triggered, this, [this] { protegido([this] { excluir(); }); });
    connect(m_actSalvar, &QAction::triggered, this, [this] { protegido([this] { salvar(); }); });
    connect(m_actCancelar, &QAction::triggered, this,
            [this] { protegido([this] { cancelar(); }); });
    connect(m_actLocalizar, &QAction::triggered, this,
            [this] { protegido([this] { localizar(); }); });
    connect(m_actLocalizarProxima, &QAction::triggered, this,
            [this] { protegido([this] { localizarProxima(); }); });
    connect(m_actImprimir, &QAction::triggered, this,
            [this] { protegido([this] { imprimir(); }); });
    connect(m_actSobre, &QAction::triggered, this, [this] { sobre(); });
    connect(m_actFechar, &QAction::triggered, this, &QWidget::close);
}

void TMasterCad::montarMenu() {
    QMenuBar* barra = menuBar();
    QAction* vazio = barra->addAction(QStringLiteral(" "));
    vazio->setEnabled(false);
    QMenu* acao = barra->addMenu(QStringLiteral("   Ação   "));
    acao->addActions({m_actNovo, m_actEditar, m_actExcluir});
    acao->addSeparator();
    acao->addActions({m_actSalvar, m_actCancelar});
    acao->addSeparator();
    acao->addActions({m_actLocalizar, m_actLocalizarProxima, m_actImprimir});
    acao->addSeparator();
    acao->addAction(m_actFechar);
    QMenu* ajuda = barra->addMenu(QStringLiteral("   Ajuda   "));
    ajuda->addAction(m_actAjuda);
    ajuda->addSeparator();
    ajuda->addAction(m_actSobre);
}

void TMasterCad::montarPainelDock() {
    m_painelDock = new QToolBar(QStringLiteral("PainelDock"), this);
    m_painelDock->setObjectName(QStringLiteral("PainelDock"));
    m_painelDock->setMovable(false);
    m_painelDock->setFloatable(false);
    m_painelDock->toggleViewAction()->setVisible(false);
    m_painelDock->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_painelDock->setIconSize(QSize(20, 20));
    m_painelDock->addActions({m_actNovo, m_actEditar, m_actExcluir});
    m_painelDock->addSeparator();
    m_painelDock->addActions({m_actSalvar, m_actCancelar});
    m_painelDock->addSeparator();
    m_painelDock->addActions({m_actLocalizar, m_actLocalizarProxima, m_actImprimir});
    m_painelDock->addSeparator();
    m_painelDock->addAction(m_actFechar);
    addToolBar(Qt::TopToolBarArea, m_painelDock);
}

void TMasterCad::montarStatus() {
    m_status[0] = new QLabel(this);
    m_status[0]->setMinimumWidth(150);
    m_status[1] = new QLabel(m_contexto.configuracao.textos.nomeOrganizacao, this);
    m_status[1]->setAlignment(Qt::AlignCenter);
    statusBar()->addWidget(m_status[0]);
    statusBar()->addWidget(m_status[1], 1);
    statusBar()->setSizeGripEnabled(false);
}

void TMasterCad::ligarQuery() {
    connect(&m_query, &db::Dataset::aposAbrir, this, [this] {
        m_status[0]->clear();
        m_estado.aposAbrir(!m_query.vazio());
    });
    connect(&m_query, &db::Dataset::aposInserir, this,
            [this] { m_status[0]->setText(QStringLiteral("Cadastrando NOVO...")); });
    connect(&m_query, &db::Dataset::aposEditar, this,
            [this] { m_status[0]->setText(QStringLiteral("EDITANDO...")); });
    connect(&m_query, &db::Dataset::aposGravar, this, [this] { m_status[0]->clear(); });
    connect(&m_query, &db::Dataset::aposCancelar, this, [this] { m_status[0]->clear(); });
}

QAction* TMasterCad::acao(AcaoCadastro a) const {
    switch (a) {
        case AcaoCadastro::Novo:
            return m_actNovo;
        case AcaoCadastro::Editar:
            return m_actEditar;
        case AcaoCadastro::Excluir:
            return m_actExcluir;
        case AcaoCadastro::Salvar:
            return m_actSalvar;
        case AcaoCadastro::Cancelar:
            return m_actCancelar;
        case AcaoCadastro::Localizar:
            return m_actLocalizar;
        case AcaoCadastro::LocalizarProxima:
            return m_actLocalizarProxima;
        case AcaoCadastro::Imprimir:
            return m_actImprimir;
    }
    return nullptr;
}

QLabel* TMasterCad::painelStatus(int indice) const {
    return indice >= 0 && indice < 2 ? m_status[indice] : nullptr;
}

void TMasterCad::aplicarEstado(AcoesCadastro habilitadas) {
    for (AcaoCadastro a : {AcaoCadastro::Novo, AcaoCadastro::Editar, AcaoCadastro::Excluir,
                           AcaoCadastro::Salvar, AcaoCadastro::Cancelar, AcaoCadastro::Localizar,
                           AcaoCadastro::LocalizarProxima, AcaoCadastro::Imprimir})
        acao(a)->setEnabled(habilitadas.testFlag(a));
}

void TMasterCad::AtualizaAcoes() {
    m_estado.AtualizaAcoes(m_query.ativo() && !m_query.vazio());
}

void TMasterCad::ModoEdicao() {
    m_estado.ModoEdicao();
}

void TMasterCad::sincronizarAcoes() {
    m_estado.sincronizar(m_query.estado(), m_query.ativo() && !m_query.vazio());
}

template <class F>
void TMasterCad::protegido(F&& comando) {
    try {
        comando();
    } catch (const db::ErroBanco& e) {
        m_contexto.dialogos.erroDeBanco(QStringLiteral("Não foi possível concluir a operação."), e);
        try {
            sincronizarAcoes();
        } catch (const db::ErroBanco& outro) {
            qWarning() << "TMasterCad:" << outro.mensagem();
        }
    }
}

void TMasterCad::defineParametrosPesquisa(const QString& tabela, const QString& titulo,
                                          const QString& colunas, const QString& condicaoBase) {
    m_parametros = {tabela, titulo, colunas, condicaoBase};
}

void TMasterCad::habilitarImpressao() {
    m_estado.defineImprimivel(true);
    if (m_query.ativo() && !m_query.editando()) m_estado.aposAbrir(!m_query.vazio());
}

// ---- activation -----------------------------------------------------------

void TMasterCad::ativar() {
    m_sqlBase = m_query.sql();
    if (!m_query.ativo()) m_query.abrir();
    for (int i = 0; i < m_query.quantidadeCampos(); ++i) {
        db::Campo& c = m_query.campo(i);
        if (c.origemVazia()) c.defineOrigem(c.nome());
    }
    // A box closing over a record being edited activates the window too:
    // the edit rule then stays.
    sincronizarAcoes();
}

void TMasterCad::showEvent(QShowEvent* evento) {
    TMaster::showEvent(evento);
    protegido([this] { ativar(); });
}

void TMasterCad::changeEvent(QEvent* evento) {
    TMaster::changeEvent(evento);
    if (evento->type() == QEvent::ActivationChange && isActiveWindow() && isVisible() && !m_fechada)
        protegido([this] { ativar(); });
}

// ---- transaction level of an edit --------------------------------------------

void TMasterCad::iniciarNivel() {
    if (m_nivelAberto) return;
    conexao().iniciarNivel();
    m_nivelAberto = true;
}

// Gives back the level this window holds, once: a save that failed has
// already given it back, so a second save or a cancel does not release
// someone else's level.
void TMasterCad::liberarNivel(bool confirmar) {
    if (!m_nivelAberto) return;
    if (confirmar) {
        conexao().confirmarNivel();  // on failure the level is still held
        m_nivelAberto = false;
        return;
    }
    m_nivelAberto = false;
    try {
        conexao().abandonarNivel();
    } catch (const db::ErroBanco& e) {
        // The depth was released anyway; nothing is left to undo.
        qWarning() << "TMasterCad: desfazer falhou:" << e.mensagem();
    }
}

void TMasterCad::recarregar() {
    m_query.fechar();
    if (!m_sqlBase.isEmpty()) m_query.defineSql(m_sqlBase);
    m_query.abrir();
}

// ---- commands ------------------------------------------------------------------

void TMasterCad::novo() {
    if (m_estado.somenteConsulta()) return;
    if (!m_query.ativo()) ativar();
    m_salvouOK = false;
    iniciarNivel();
    if (m_query.estado() == db::EstadoDataset::Navegando) m_query.inserir();
    ModoEdicao();
}

void TMasterCad::editar() {
    if (m_estado.somenteConsulta()) return;
    if (!m_query.ativo()) ativar();
    m_salvouOK = false;
    iniciarNivel();
    if (m_query.estado() == db::EstadoDataset::Navegando) {
        if (m_query.vazio())
            m_query.inserir();
        else
            m_query.editar();
    }
    ModoEdicao();
}

ui::EditorVinculado* TMasterCad::editorDoCampo(const QString& nomeCampo) const {
    for (QWidget* w : findChildren<QWidget*>()) {
        auto* e = dynamic_cast<ui::EditorVinculado*>(w);
        if (e && e->dataset() == &m_query &&
            e->nomeCampo().compare(nomeCampo, Qt::CaseInsensitive) == 0)
            return e;
    }
    return nullptr;
}

bool TMasterCad::gravarEditoresPendentes() {
    for (QWidget* w : findChildren<QWidget*>()) {
        auto* e = dynamic_cast<ui::EditorVinculado*>(w);
        if (e && e->dataset() == &m_query && e->pendente() && !e->gravarPendente()) return false;
    }
    return true;
}

bool TMasterCad::obrigatoriosPreenchidos() {
    for (int i = 0; i < m_query.quantidadeCampos(); ++i) {
        const db::Campo& c = m_query.campo(i);
        if (!c.obrigatorio() || !c.texto().isEmpty()) continue;
        m_contexto.dialogos.aviso(QStringLiteral("O campo ") + c.rotulo().toUpper() +
                                  QStringLiteral(" deve ser preenchido obrigatoriamente!"));
        if (ui::EditorVinculado* e = editorDoCampo(c.nome())) {
            if (auto* w = dynamic_cast<QWidget*>(e); w && w->isEnabled())
                w->setFocus(Qt::OtherFocusReason);
        }
        return false;
    }
    return true;
}

void TMasterCad::salvar() {
    m_salvouOK = false;
    if (!m_query.editando()) {
        AtualizaAcoes();
        return;
    }
    // What the user typed and did not yet leave is stored first, so that
    // the checks see it; a refused text keeps the record in edit.
    if (!gravarEditoresPendentes()) return;
    if (!obrigatoriosPreenchidos()) return;
    try {
        // A save retried after a failure runs in a level of its own.
        iniciarNivel();
        m_query.gravar();
        liberarNivel(true);
    } catch (const db::ErroBanco& e) {
        liberarNivel(false);
        m_contexto.dialogos.erro(QStringLiteral("Não foi possível salvar!\rErro:") + e.mensagem());
        if (m_query.editando()) {
            ModoEdicao();
        } else {
            // Written but not committed: the list shows again what the
            // database holds.
            recarregar();
            AtualizaAcoes();
        }
        return;
    }
    recarregar();
    m_salvouOK = true;
    AtualizaAcoes();
}

void TMasterCad::abandonarEdicao() {
    if (m_query.editando()) m_query.cancelar();
    liberarNivel(false);
}

void TMasterCad::cancelar() {
    m_salvouOK = true;
    abandonarEdicao();
    recarregar();
    AtualizaAcoes();
}

QString TMasterCad::mensagemExclusao() const {
    const auto& t = m_contexto.configuracao.textos;
    return QStringLiteral(
               "Não foi possível excluir!\r"
               "Em algum lugar no sistema este registro está sendo utilizado.\r"
               "Para que seja possível apagá-lo, é necessário localizar o\r"
               "ponto do sistema que este está sendo utilizado.\r\r") +
           QStringLiteral("Em caso de dúvida, procure a ") + t.departamentoTi +
           QStringLiteral(" pelo telefone ") + t.telefoneTi + QStringLiteral(" ou em ") +
           t.enderecoWebTi + QStringLiteral(".");
}

void TMasterCad::excluir() {
    if (m_estado.somenteConsulta()) return;
    if (!m_query.ativo() || m_query.estado() != db::EstadoDataset::Navegando || m_query.vazio())
        return;
    if (!m_contexto.dialogos.confirmar(QStringLiteral("Deseja realmente EXCLUIR?"))) return;
    try {
        iniciarNivel();
        m_query.excluir();
        liberarNivel(true);
    } catch (const db::ErroBanco& e) {
        liberarNivel(false);
        qWarning().noquote() << "Exclusão recusada:" << e.mensagem() << "|" << e.comando();
        m_contexto.dialogos.erro(mensagemExclusao());
        recarregar();
    }
    if (m_query.vazio()) recarregar();
    AtualizaAcoes();
}

void TMasterCad::localizar() {
    if (!m_query.ativo()) ativar();
    if (m_query.editando()) return;
    Localizar(m_contexto, m_query, m_sqlBase, m_parametros);
    // What the search left in Query (its statement after "OK", the base one
    // after "Fechar") is what the window reloads from from now on.
    ativar();
}

void TMasterCad::localizarProxima() {
    if (!m_query.ativo() || m_query.editando()) return;
    if (!m_query.noFim()) m_query.proximo();
    if (m_query.noFim() && m_contexto.dialogos.confirmar(
                               QStringLiteral("Não há mais registros. Deseja voltar ao início?")))
        m_query.primeiro();
}

void TMasterCad::sobre() {
    app::TFSobre janela(m_contexto.configuracao.textos.nomeOrganizacao,
                        m_contexto.configuracao.textos.tituloDepartamento, this);
    m_contexto.executor.exibirModal(janela);
}

// ---- closing ---------------------------------------------------------------------

bool TMasterCad::podeFechar() {
    if (m_fechada) return true;
    if (m_query.editando()) {
        switch (m_contexto.dialogos.simNaoCancelar(QStringLiteral("Deseja SALVAR?"))) {
            case ui::Dialogos::Resposta::Cancelar:
                return false;
            case ui::Dialogos::Resposta::Sim:
                salvar();
                if (!m_salvouOK) return false;
                break;
            case ui::Dialogos::Resposta::Nao:
                abandonarEdicao();
                break;
        }
    }
    conexao().encerrarNiveisAoFechar();
    m_fechada = true;
    return true;
}

void TMasterCad::aoFechar() {
    m_parametros = {};
    m_sqlBase.clear();
}

void TMasterCad::closeEvent(QCloseEvent* evento) {
    if (m_fechada) {
        evento->accept();
        return;
    }
    bool fechar = false;
    protegido([&] {
        fechar = podeFechar();
        if (fechar) aoFechar();
    });
    if (fechar)
        evento->accept();
    else
        evento->ignore();
}

}  // namespace rh::framework
