#include "app/principal/TForm_Principal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QLocale>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

#include "app/login/ServicoLogin.h"
#include "app/principal/TForm_MudarUnidade.h"
#include "platform/db/ErroBanco.h"
#include "platform/ui/Dialogos.h"
#include "platform/ui/ExecutorJanelas.h"
#include "platform/ui/Maximizar.h"

namespace rh::app {

namespace {
constexpr auto kPainelUnidade = "Unidade:";
}

TForm_Principal::TForm_Principal(ContextoJanela& contexto, const RegistroJanelas& registro, QWidget* parent)
    : QMainWindow(parent), m_contexto(contexto), m_registro(registro) {
    setObjectName(QStringLiteral("Form_Principal"));
    setWindowTitle(contexto.configuracao.textos.tituloDepartamento);
    resize(1016, 581);
    m_area = new QMdiArea;
    m_area->setBackground(palette().color(QPalette::Dark));
    setCentralWidget(m_area);
    m_contexto.executor.defineHospedeiroFilhas([this](QWidget& janela) {
        QMdiSubWindow* sub = m_area->addSubWindow(&janela);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        janela.show();
        m_area->setActiveSubWindow(sub);
    });

    const char* textos[] = {kPainelUnidade, "Versão: 12.09.2012", "Banco de Dados"};
    const int larguras[] = {300, 200, 50};
    for (int i = 0; i < 3; ++i) {
        m_paineis[i] = new QLabel(QString::fromUtf8(textos[i]));
        m_paineis[i]->setMinimumWidth(larguras[i]);
        m_paineis[i]->setFrameShape(QFrame::StyledPanel);
        statusBar()->addWidget(m_paineis[i], i == 2 ? 1 : 0);
    }
    m_contexto.CampoNomeRelatorio.clear();
    montarMenu();
}

TForm_Principal::~TForm_Principal() { m_contexto.executor.defineHospedeiroFilhas({}); }

QAction* TForm_Principal::item(QMenu* menu, const QString& titulo, const QString& classe, ModoAbertura modo) {
    QAction* a = menu->addAction(titulo);
    if (classe.isEmpty() || !m_registro.conhece(classe)) {
        a->setEnabled(false);
    } else {
        connect(a, &QAction::triggered, this, [this, classe, modo] {
            if (modo == ModoAbertura::Filha) AbrirJanelaFilha(classe);
            else abrir(classe, modo);
        });
    }
    m_acoes.insert(menu->title() + '/' + titulo, a);
    return a;
}

QAction* TForm_Principal::acaoDoMenu(const QString& caminho) const { return m_acoes.value(caminho); }

void TForm_Principal::montarMenu() {
    using M = ModoAbertura;
    // Menu-bar entries keep their captions only (a menu bar shows an icon
    // instead of the text); the items inside carry the pictures.
    QStyle* st = style();
    QMenuBar* barra = menuBar();

    QMenu* cad = barra->addMenu(QStringLiteral("&Cadastros       "));
    item(cad, "Servidores", "TForm_CadServidores", M::Filha)->setIcon(st->standardIcon(QStyle::SP_DirHomeIcon));
    item(cad, "Escolaridade", "TFormCadEscolaridades", M::Filha)->setIcon(st->standardIcon(QStyle::SP_FileDialogListView));
    item(cad, "Formações", "TFormCadFormacoes", M::Filha);
    item(cad, "Cargo/Emprego", "TFormCadCargos", M::Filha);
    item(cad, "Licenças", "TFormCadLicencas", M::Filha);
    item(cad, "Pós-Graduações", "TFormCadEspecializacoes", M::Filha);
    item(cad, "Pensionistas", "TFormCadPensionistas", M::Filha);
    QMenu* ativ = cad->addMenu(QStringLiteral("Atividades"));
    item(ativ, "Atividades Principais", "TFormCadAtividadesMaster", M::Filha);
    item(ativ, "Percentuais das Atividades Principais", "TFormCadAtividadesPercentuais", M::Filha);
    item(ativ, "Maior Vencimento", "TFormCadMaiorVencimento", M::Filha);
    item(ativ, "Atividades e Pagamento", "TFormCadAtividadesEPgtoAtiv", M::Filha);
    item(ativ, "Decretos e Portarias", "TFormCadPortariasEDecretos", M::Filha);
    QMenu* exames = cad->addMenu(QStringLiteral("Exames Médicos"));
    item(exames, "Cadastro de Remessas", "TFormCadRemessas", M::Criada);
    item(exames, "Lançamento de Servidores nas Remessas", "TFormCadRemessasServidores", M::CriadaModal);
    item(exames, "Lançamento de Procedimentos dos Servidores", "TFormCadRemessasProcedimentos", M::Filha);
    item(exames, "Cria Arquivo para Envio da Remessa", "TFormEnvioArquivoRemessa", M::CriadaModal);
    item(exames, "Cadastro de Grupos de Procedimentos", "TFormCadProcedimentosGrupos", M::Criada);
    item(exames, "Cadastro de Procedimentos", "TFormCadProcedimentos", M::Filha);
    item(cad, "Plano de Saúde", "TFormCadPlanosSaude", M::Filha);
    item(cad, "Instituições de Ensino", "TFormCadInstituicoesEnsino", M::Filha);
    for (const char* t : {"Rubricas", "Parentesco", "Salários", "Cursos", "Pensões", "Situações", "Diárias"})
        item(cad, QString::fromUtf8(t), {}, M::Filha);
    cad->addSeparator();
    QAction* fechar = cad->addAction(st->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("&Fechar"));
    fechar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(fechar, &QAction::triggered, this, &QWidget::close);
    m_acoes.insert(cad->title() + QStringLiteral("/&Fechar"), fechar);

    QMenu* atu = barra->addMenu(QStringLiteral("&Atualizações      "));
    item(atu, "Atualiza Lotações", "TForm_CadLotacoes", M::Filha)->setIcon(st->standardIcon(QStyle::SP_BrowserReload));
    item(atu, "Atualiza Chefias", "TForm_ChefiasSetor", M::CriadaModal);
    item(atu, "Altera Lotação Completa", "TFrmAlteraLotacaoCompleta", M::Filha);

    QMenu* cons = barra->addMenu(QStringLiteral("C&onsultas      "));
    item(cons, "Organograma", "TFOrganograma", M::CriadaModal)->setIcon(st->standardIcon(QStyle::SP_FileDialogContentsView));
    item(cons, "Consulta Lotações", "TFrmConsultaLotacoes", M::CriadaMostrada);
    item(cons, "Consulta Chefias", "TFrmConsultaChefias", M::CriadaMostrada);

    QMenu* rel = barra->addMenu(QStringLiteral("&Relatórios      "));
    struct ItemRelatorio {
        const char* titulo;
        const char* classe;
        M modo;
    };
    const ItemRelatorio relatorios[] = {
        {"1) Ficha Financeira", "TFormRelFichaFinanceira", M::Criada},
        {"2) Imprime Carteira Funcional", "TFormImpCarteiraServ", M::Filha},
        {"3) Imprime Ficha Cadastral", "TFormRelFichaCadastral", M::Filha},
        {"4) Imprime Ficha Cadastral Pensionistas", "TFormRelFichaCadastralPension", M::Filha},
        {"5) Imprime Recadastramento de Aposentados", "TFormRelRecadastramento", M::Criada},
        {"6) Imprime Recadastramento de Pensionistas", "TFormRelRecadastramentoPension", M::Filha},
        {"7) Lotações", "TFormRelLotacoes", M::Filha},
        {"8) Relação de Servidores e Funções", "TFormResponsaveis", M::CriadaMostrada},
        {"9) Relação dos Servidores por Idade", "TFormRelIdadeServidor", M::Criada},
        {"10) Relatório Geral de Servidores", "TFormRelCadServidores", M::Criada},
        {"11) Relatório de Cadastros", "TFormRelCad", M::Filha},
        {"12) Relatório de Escolaridades", "TFormRelEscolaridade", M::Criada},
        {"13) Relatório de Carga Horária", "TFormRelCargaHoraria", M::Criada},
        {"14) Relatório de Formação", "TFormRelRelFormacao", M::Criada},
        {"15) Relatório de Dependentes", "TFormRelDepend", M::Criada},
        {"16) Declaração", "TFormRelDeclaracao", M::Criada},
        {"17) Declaração de Execução de Atividades", "TFormRelDeclaraAtiv", M::Criada},
        {"18) Relatório de Processos", "TFormRelProcessos", M::Filha},
    };
    for (const auto& r : relatorios) item(rel, QString::fromUtf8(r.titulo), QString::fromLatin1(r.classe), r.modo);
    QMenu* relAtiv = rel->addMenu(QStringLiteral("19) Relatório de Atividades"));
    item(relAtiv, "Atividades Desenvolvidas", "TFormRelAtivDesenv", M::Criada);
    item(relAtiv, "Processos de Atividades", "TFormRelProcessosAtividades", M::Criada);
    rel->addSeparator();
    QMenu* etq = rel->addMenu(QStringLiteral("20) Etiquetas"));
    item(etq, "1) Etiqueta com nome do servidor", "TFormEtqNomeServidores", M::Criada);
    item(etq, "2) Etiqueta para Pasta", "TFormEtiquetaPasta", M::Criada);
    item(etq, "3) Etiquetas para Mala Direta", "TFormEtqMalaDireta", M::Criada);
    item(etq, "4) Etiquetas Pendular", "TFrmRelEtqPendular", M::Criada);

    m_mudarCampus = barra->addAction(QStringLiteral("Mudar Campus"));
    connect(m_mudarCampus, &QAction::triggered, this, &TForm_Principal::MudarUnidade1Click);
    m_mudarCampus->setVisible(false);

    QMenu* aux = barra->addMenu(QStringLiteral("Auxiliares"));
    item(aux, "Geral Lista p/ Ponto", "TFormListaPonto", M::Filha);
    barra->addMenu(QStringLiteral("&Ajuda      "));
}

void TForm_Principal::AbrirJanelaFilha(const QString& classe) {
    for (QMdiSubWindow* sub : m_area->subWindowList()) {
        QWidget* w = sub->widget();
        // Exactly this class, not a descendant of it.
        if (w && QString::fromLatin1(w->metaObject()->className()).section(QStringLiteral("::"), -1) == classe) {
            sub->showNormal();
            m_area->setActiveSubWindow(sub);
            w->raise();
            return;
        }
    }
    abrir(classe, ModoAbertura::Filha);
}

void TForm_Principal::abrir(const QString& classe, ModoAbertura modo) {
    QWidget* janela = m_registro.criar(classe, m_contexto);
    if (!janela) return;
    // Registry and report windows live only during their own modal run: the
    // opener runs them right after construction, whatever the menu says.
    if (janela->property(kPropriedadeModalPropria).toBool()) modo = ModoAbertura::CriadaModal;
    switch (modo) {
        case ModoAbertura::Filha: m_contexto.executor.abrirComoFilha(*janela); break;
        case ModoAbertura::Criada:
        case ModoAbertura::CriadaModal:
            m_contexto.executor.exibirModal(*janela);
            delete janela;
            break;
        case ModoAbertura::CriadaMostrada:
            janela->setAttribute(Qt::WA_DeleteOnClose);
            m_contexto.executor.mostrar(*janela);
            break;
    }
}

void TForm_Principal::atualizarBarraDeStatus() {
    m_contexto.dm.abrirUnidadeSede(m_contexto.sessao.CodUnidade);
    const auto& sede = m_contexto.dm.QryUnidadeSEDE;
    m_paineis[0]->setText(sede.ativo() && sede.linhasLidas() > 0 ? sede.campo(QStringLiteral("SIGLA")).comoTexto()
                                                                   : QString());
    m_paineis[1]->setText(QStringLiteral("Versao: ") + m_contexto.sessao.Versao + QStringLiteral("  ") +
                          QLocale(QLocale::Portuguese, QLocale::Brazil).toString(QDate::currentDate(), QLocale::ShortFormat));
}

void TForm_Principal::showEvent(QShowEvent* evento) {
    QMainWindow::showEvent(evento);
    if (m_paineis[0]->text() != QLatin1String(kPainelUnidade)) return;
    m_paineis[2]->clear();
    atualizarBarraDeStatus();
    m_mudarCampus->setVisible(m_contexto.sessao.Perfil == QLatin1String("A"));
}

void TForm_Principal::maximizar() {
    ui::maximizar(*this);
    show();
    // The keyboard belongs to the main window once the login has closed
    // (Ctrl+X and the access keys work at once).
    activateWindow();
}

void TForm_Principal::changeEvent(QEvent* evento) {
    QMainWindow::changeEvent(evento);
    if (evento->type() == QEvent::WindowStateChange && isVisible() && !(windowState() & Qt::WindowMaximized))
        QTimer::singleShot(0, this, &TForm_Principal::maximizar);
}

void TForm_Principal::closeEvent(QCloseEvent* evento) {
    try {
        auto conexao = m_contexto.dm.novaConexaoPrivada();
        ServicoLogin(*conexao).TerminaUsoAplicacao(m_contexto.sessao.CodUsuario, m_contexto.sessao.CodAplicacao,
                                                   m_contexto.sessao.NomeMaquina);
    } catch (const db::ErroBanco& e) {
        // The row stays; the next login on this workstation reports the
        // unfinished use. The user is told why.
        m_contexto.dialogos.erroDeBanco(QStringLiteral("Não foi possível registrar o fim do uso do sistema."), e);
    }
    evento->accept();
}

void TForm_Principal::MudarUnidade1Click() {
    {
        auto conexao = m_contexto.dm.novaConexaoPrivada();
        TForm_MudarUnidade janela(*conexao, m_contexto.sessao.CodUnidade, this);
        m_contexto.executor.exibirModal(janela);
        m_contexto.sessao.CodUnidade = janela.unidadeEscolhida();
    }
    atualizarBarraDeStatus();
}

}  // namespace rh::app
