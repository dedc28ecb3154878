#include "reports/base/TMasterRelatorio.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/principal/RegistroJanelas.h"
#include "platform/db/ErroBanco.h"
#include "platform/relatorio/Banda.h"
#include "platform/relatorio/ErroRelatorio.h"
#include "platform/relatorio/FonteDataset.h"
#include "platform/relatorio/Grupo.h"
#include "platform/relatorio/ItemTexto.h"
#include "platform/relatorio/JanelaVisualizacao.h"
#include "platform/relatorio/Relatorio.h"
#include "platform/ui/Dialogos.h"
#include "platform/ui/ExecutorJanelas.h"
#include "reports/base/ComboLista.h"

namespace rh::reports {

namespace {

const QString kSemRegistros = QStringLiteral("NÃO EXISTEM REGISTRO NESTAS CONDIÇÕES");
const QString kMascaraData = QStringLiteral("99/99/9999;_");

// The pseudo-row first, then the pensioners by name; the ordering column
// keeps the pseudo-row on top in both directions on every backend.
QString sqlListaPensionistas(const char* direcao) {
    return QStringLiteral("SELECT NUMMATRIC, NOME FROM (select -1 NUMMATRIC, 'TODOS OS SERVIDORES' NOME, 0 ORDEM "
                          "from DUAL UNION ALL select NUMMATRIC, NOME, 1 ORDEM from RECH_PENSIONISTAS) S "
                          "ORDER BY ORDEM, NOME") +
           QString::fromLatin1(direcao);
}

// Rows of the filtered dataset for the report engine. A layout may name
// fields the rows lack (pensioners printed in a servants' layout): those
// print blank instead of stopping the print.
class FonteFiltrada : public relatorio::FonteDados {
public:
    FonteFiltrada(db::Dataset& dataset, QStringList extras) : m_fonte(dataset), m_dataset(dataset), m_extras(std::move(extras)) {}
    bool primeiro() override { return m_fonte.primeiro(); }
    bool proximo() override { return m_fonte.proximo(); }
    QVariant valor(const QString& campo) const override {
        return m_dataset.procurarCampo(campo) ? m_fonte.valor(campo) : QVariant();
    }
    QStringList campos() const override {
        QStringList nomes = m_fonte.campos();
        for (const QString& extra : m_extras)
            if (!nomes.contains(extra, Qt::CaseInsensitive)) nomes << extra;
        return nomes;
    }

private:
    relatorio::FonteDataset m_fonte;
    db::Dataset& m_dataset;
    QStringList m_extras;
};

QStringList camposDoRelatorio(relatorio::Relatorio& r) {
    QStringList campos;
    for (relatorio::Banda* banda : r.bandas())
        for (const auto& item : banda->itens()) campos << item->camposUsados();
    for (const auto& g : r.grupos())
        if (!g->campoQuebra().isEmpty()) campos << g->campoQuebra();
    return campos;
}

QToolButton* botaoFerramenta(const QString& texto, const QString& dica, QWidget* pai) {
    auto* b = new QToolButton(pai);
    b->setText(texto);
    b->setToolTip(dica);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

QPushButton* botao(const QString& texto, QWidget* pai) {
    auto* b = new QPushButton(texto, pai);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

}  // namespace

TMasterRelatorio::TMasterRelatorio(app::ContextoJanela& contexto, QWidget* parent)
    : QDialog(parent),
      m_contexto(contexto),
      Query(contexto.dm.ADOConnecOracle()),
      m_pensionistasOrd(contexto.dm.ADOConnecOracle()),
      m_pensionistasDesc(contexto.dm.ADOConnecOracle()) {
    setProperty(app::kPropriedadeModalPropria, true);
    m_pensionistasOrd.defineSql(sqlListaPensionistas(""));
    m_pensionistasDesc.defineSql(sqlListaPensionistas(" DESC"));
    montarTela();
}

TMasterRelatorio::~TMasterRelatorio() = default;

void TMasterRelatorio::montarTela() {
    auto* raiz = new QVBoxLayout(this);

    // Names: a range or a list of chosen names.
    auto* grupoNomes = new QGroupBox(QStringLiteral("Pesquise por Nome de Servidor:"), this);
    auto* layoutNomes = new QVBoxLayout(grupoNomes);
    m_paginas = new QTabWidget(grupoNomes);
    auto* faixa = new QWidget(m_paginas);
    auto* formFaixa = new QFormLayout(faixa);
    m_nomeDe = new ComboLista(faixa);
    m_nomeAte = new ComboLista(faixa);
    formFaixa->addRow(QStringLiteral("de:"), m_nomeDe);
    formFaixa->addRow(QStringLiteral("até:"), m_nomeAte);
    m_paginas->addTab(faixa, QStringLiteral("&Faixa"));

    auto* individual = new QWidget(m_paginas);
    auto* layoutInd = new QVBoxLayout(individual);
    auto* linhaNome = new QHBoxLayout;
    linhaNome->addWidget(new QLabel(QStringLiteral("Nome:"), individual));
    m_nomeIndividual = new ComboLista(individual);
    m_nomeIndividual->installEventFilter(this);
    linhaNome->addWidget(m_nomeIndividual, 1);
    m_acrescentar = botaoFerramenta(QStringLiteral("+"), QStringLiteral("Acrescentar Nome <F8>"), individual);
    m_excluir = botaoFerramenta(QStringLiteral("-"), QStringLiteral("Excluir o nome selecionado abaixo <F9>"), individual);
    m_excluirTodos = botaoFerramenta(QStringLiteral("x"), QStringLiteral("Excluir todos os nomes abaixo <F10>"), individual);
    linhaNome->addWidget(m_acrescentar);
    linhaNome->addWidget(m_excluir);
    linhaNome->addWidget(m_excluirTodos);
    layoutInd->addLayout(linhaNome);
    m_listaNomes = new QTableWidget(1, 2, individual);
    m_listaNomes->setHorizontalHeaderLabels({QStringLiteral("Matrícula"), QStringLiteral("Nome")});
    m_listaNomes->setColumnWidth(0, 87);
    m_listaNomes->setColumnWidth(1, 396);
    m_listaNomes->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_listaNomes->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listaNomes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_listaNomes->verticalHeader()->setVisible(false);
    layoutInd->addWidget(m_listaNomes);
    m_paginas->addTab(individual, QStringLiteral("&Individual"));
    layoutNomes->addWidget(m_paginas);
    raiz->addWidget(grupoNomes);

    connect(m_acrescentar, &QToolButton::clicked, this, &TMasterRelatorio::acrescentarNome);
    connect(m_excluir, &QToolButton::clicked, this, &TMasterRelatorio::excluirNomeSelecionado);
    connect(m_excluirTodos, &QToolButton::clicked, this, &TMasterRelatorio::excluirTodosNomes);
    connect(m_paginas, &QTabWidget::currentChanged, this, &TMasterRelatorio::paginaMudou);
    // A new list in the start lookup puts both ends back on "all servants".
    connect(m_nomeDe, &ComboLista::listaTrocada, this, [this] {
        m_nomeDe->defineChave(-1);
        m_nomeAte->defineChave(-1);
    });

    // Filters.
    auto* grupoFiltros = new QGroupBox(this);
    auto* form = new QFormLayout(grupoFiltros);
    m_categoria = new QComboBox(grupoFiltros);
    m_categoria->setEditable(true);
    m_categoria->addItems({kTodasCategorias, QStringLiteral("PROFESSOR"), QStringLiteral("TÉCNICO ADMINISTRATIVO"),
                           QStringLiteral("PROFESSOR CAIXA ESCOLAR"), QStringLiteral("PROFESSOR SUBSTITUTO"),
                           QStringLiteral("INSTITUIDOR DE PENSÃO"), kPensionista});
    form->addRow(QStringLiteral("Categoria Servidor:"), m_categoria);
    auto* situacoes = new QWidget(grupoFiltros);
    auto* layoutSit = new QHBoxLayout(situacoes);
    layoutSit->setContentsMargins(0, 0, 0, 0);
    m_situacao = new ComboLista(situacoes);
    m_situacaoPensionista = new QComboBox(situacoes);
    m_situacaoPensionista->addItems({kTodasSituacoes, QStringLiteral("Ativo"), QStringLiteral("Inativo")});
    m_situacaoPensionista->setVisible(false);
    layoutSit->addWidget(m_situacao);
    layoutSit->addWidget(m_situacaoPensionista);
    form->addRow(QStringLiteral("Situação:"), situacoes);
    m_sexo = new QComboBox(grupoFiltros);
    m_sexo->setEditable(true);
    m_sexo->addItems({kAmbosSexos, QStringLiteral("Masculino"), QStringLiteral("Feminino")});
    form->addRow(QStringLiteral("Sexo:"), m_sexo);
    m_unidade = new ComboLista(grupoFiltros);
    form->addRow(QStringLiteral("Unidade:"), m_unidade);
    m_ordem = new QComboBox(grupoFiltros);
    m_ordem->setEditable(true);
    m_ordem->addItems({kOrdemNome, kOrdemMatricula});
    form->addRow(QStringLiteral("Ordenar por:"), m_ordem);
    auto* periodo = new QWidget(grupoFiltros);
    auto* layoutPer = new QHBoxLayout(periodo);
    layoutPer->setContentsMargins(0, 0, 0, 0);
    m_admissaoDe = new QLineEdit(periodo);
    m_admissaoAte = new QLineEdit(periodo);
    for (QLineEdit* caixa : {m_admissaoDe, m_admissaoAte}) {
        caixa->setInputMask(kMascaraData);
        caixa->setToolTip(QStringLiteral("<vazio para todos>"));
    }
    layoutPer->addWidget(m_admissaoDe);
    layoutPer->addWidget(new QLabel(QStringLiteral("até:"), periodo));
    layoutPer->addWidget(m_admissaoAte);
    layoutPer->addStretch();
    form->addRow(QStringLiteral("Período de Admissão de :"), periodo);
    raiz->addWidget(grupoFiltros);
    connect(m_categoria, &QComboBox::currentTextChanged, this, [this] { categoriaMudou(); });

    m_areaExtra = new QVBoxLayout;
    raiz->addLayout(m_areaExtra);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    m_imprimir = botao(QStringLiteral("Im&primir"), this);
    m_exportar = botao(QStringLiteral("&Exportar"), this);
    m_exportar->setToolTip(QStringLiteral("Exportar"));
    m_fechar = botao(QStringLiteral("&Fechar"), this);
    botoes->addWidget(m_imprimir);
    botoes->addWidget(m_exportar);
    botoes->addWidget(m_fechar);
    raiz->addLayout(botoes);
    connect(m_imprimir, &QPushButton::clicked, this, [this] { executar(Destino::Imprimir); });
    connect(m_exportar, &QPushButton::clicked, this, [this] { executar(Destino::Exportar); });
    connect(m_fechar, &QPushButton::clicked, this, &QDialog::reject);

    m_caixaComando = new QPlainTextEdit(this);
    m_caixaComando->setReadOnly(true);
    m_caixaComando->setVisible(false);
    raiz->addWidget(m_caixaComando);
}

void TMasterRelatorio::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (m_preparada) return;
    prepararAoMostrar();
    if (const QScreen* tela = screen()) move(tela->availableGeometry().center() - rect().center());
}

void TMasterRelatorio::prepararAoMostrar() {
    m_preparada = true;
    app::TDM& dm = m_contexto.dm;
    {
        QSignalBlocker b(m_categoria);
        m_categoria->setCurrentIndex(0);
    }

    // The campus list: every campus for an administrator, else only the
    // session's. It stays open for the rest of the session.
    if (!dm.QryUnidades.ativo()) {
        if (m_contexto.sessao.administrador()) {
            dm.QryUnidades.defineSql(
                QStringLiteral(" select S.* from (select -1 CODUNIDADE, 'TODAS AS UNIDADES' NOME, 'TODAS AS UNIDADES' "
                               "SIGLA from dual \n UNION ALL select CODUNIDADE, NOME, SIGLA from VORK_UNIDADES) S order "
                               "by CODUNIDADE"));
        } else {
            dm.QryUnidades.defineSql(
                QStringLiteral(" select CODUNIDADE, NOME, SIGLA from VORK_UNIDADES WHERE CODUNIDADE=:CODUNIDADE"));
            dm.QryUnidades.defineParametro(QStringLiteral("CODUNIDADE"), m_contexto.sessao.CodUnidade);
        }
        dm.QryUnidades.abrir();
    }
    m_unidade->defineLista(dm.QryUnidades, QStringLiteral("CODUNIDADE"), QStringLiteral("SIGLA"));
    m_situacao->defineLista(dm.QrySituacaoServidores, QStringLiteral("CODSITUACAO"), QStringLiteral("DESCRICAO"));
    ligarListasDeNomes(dm.qryServidoresOrd, dm.QryServidoresDesc);

    sqlORIG = FiltroRelatorio::comMarcadores(Query.sql());

    // A user held to one campus sees it chosen (the filter uses it anyway).
    if (m_contexto.sessao.administrador()) m_unidade->defineChave(-1);
    else m_unidade->defineChave(m_contexto.sessao.CodUnidade);
    m_situacao->defineChave(kCodigoTodasSituacoes);
    limparLista();
    m_paginas->setCurrentIndex(0);
}

void TMasterRelatorio::ligarListasDeNomes(db::Dataset& inicial, db::Dataset& final) {
    m_nomeIndividual->defineLista(inicial, QStringLiteral("NUMMATRIC"), QStringLiteral("NOME"));
    m_nomeIndividual->defineChave(-1);
    m_nomeAte->defineLista(final, QStringLiteral("NUMMATRIC"), QStringLiteral("NOME"));
    m_nomeDe->defineLista(inicial, QStringLiteral("NUMMATRIC"), QStringLiteral("NOME"));  // resets both ends
}

bool TMasterRelatorio::pensionistas() const { return m_categoria->currentText() == kPensionista; }

void TMasterRelatorio::categoriaMudou() {
    if (!m_preparada) return;
    const bool p = pensionistas();
    const bool listandoPensionistas = m_nomeDe->lista() == &m_pensionistasOrd;
    m_situacao->setVisible(!p);
    m_situacaoPensionista->setVisible(p);
    if (p == listandoPensionistas) return;
    if (p) {
        try {
            if (!m_pensionistasOrd.ativo()) m_pensionistasOrd.abrir();
            if (!m_pensionistasDesc.ativo()) m_pensionistasDesc.abrir();
        } catch (const db::ErroBanco& e) {
            // The name lookups keep the servants; the run will say what is wrong.
            m_contexto.dialogos.erroDeBanco(QStringLiteral("Não foi possível abrir a lista de pensionistas."), e);
            return;
        }
        ligarListasDeNomes(m_pensionistasOrd, m_pensionistasDesc);
    } else {
        ligarListasDeNomes(m_contexto.dm.qryServidoresOrd, m_contexto.dm.QryServidoresDesc);
    }
}

void TMasterRelatorio::paginaMudou(int pagina) {
    if (pagina == 0) m_nomeDe->setFocus();
    else m_nomeIndividual->setFocus();
}

void TMasterRelatorio::irParaIndividual() {
    m_paginas->setCurrentIndex(1);
    m_nomeIndividual->setFocus();
}

void TMasterRelatorio::limparLista() {
    m_listaNomes->clearContents();
    m_listaNomes->setRowCount(1);
}

void TMasterRelatorio::acrescentarNome() {
    const QVariant matricula = m_nomeIndividual->chave();
    // The "all servants" pseudo-row is no name to list.
    if (matricula.isNull() || matricula.toString() == QLatin1String("-1")) return;
    int linha = 0;
    const QTableWidgetItem* primeiro = m_listaNomes->item(0, 1);
    if (primeiro && !primeiro->text().isEmpty()) {
        linha = m_listaNomes->rowCount();
        m_listaNomes->insertRow(linha);
    }
    m_listaNomes->setItem(linha, 0, new QTableWidgetItem(matricula.toString()));
    m_listaNomes->setItem(linha, 1, new QTableWidgetItem(m_nomeIndividual->texto()));
}

void TMasterRelatorio::excluirNomeSelecionado() {
    const int linha = m_listaNomes->currentRow();
    if (linha < 0) return;
    m_listaNomes->removeRow(linha);
    if (m_listaNomes->rowCount() == 0) m_listaNomes->setRowCount(1);
}

void TMasterRelatorio::excluirTodosNomes() { limparLista(); }

void TMasterRelatorio::alternarCaixaComando() { m_caixaComando->setVisible(!m_caixaComando->isVisible()); }

void TMasterRelatorio::keyPressEvent(QKeyEvent* evento) {
    const Qt::KeyboardModifiers todos = Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier;
    if (evento->key() == Qt::Key_F12 && (evento->modifiers() & todos) == todos) {
        alternarCaixaComando();
        return;
    }
    if (evento->modifiers() == Qt::NoModifier &&
        (evento->key() == Qt::Key_F8 || evento->key() == Qt::Key_F9 || evento->key() == Qt::Key_F10)) {
        if (m_paginas->currentIndex() == 0) irParaIndividual();
        if (evento->key() == Qt::Key_F8) acrescentarNome();
        else if (evento->key() == Qt::Key_F9) excluirNomeSelecionado();
        else excluirTodosNomes();
        return;
    }
    QDialog::keyPressEvent(evento);
}

bool TMasterRelatorio::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == m_nomeIndividual && evento->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter) {
            acrescentarNome();
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

EscolhasFiltro TMasterRelatorio::escolhas() const {
    EscolhasFiltro e;
    e.categoria = m_categoria->currentText();
    e.situacao = m_situacao->chave().toString();
    e.situacaoPensionista = m_situacaoPensionista->currentText();
    e.sexo = m_sexo->currentText();
    const QVariant unidade = m_unidade->chave();
    if (!unidade.isNull()) e.unidade = unidade.toInt();
    e.pagina = m_paginas->currentIndex() == 0 ? PaginaNomes::Faixa : PaginaNomes::Individual;
    e.nomeInicial = m_nomeDe->texto();
    e.nomeFinal = m_nomeAte->texto();
    for (int i = 0; i < m_listaNomes->rowCount(); ++i) {
        const QTableWidgetItem* item = m_listaNomes->item(i, 1);
        e.nomes << (item ? item->text() : QString());
    }
    e.admissaoInicial = m_admissaoDe->text();
    e.admissaoFinal = m_admissaoAte->text();
    e.ordem = m_ordem->currentText();
    return e;
}

QString TMasterRelatorio::siglaUnidadeEscolhida() const {
    if (m_contexto.sessao.administrador()) {
        const QString sigla = m_unidade->texto();
        return sigla.isEmpty() ? kTodasUnidades : sigla;
    }
    // Held to the session's campus, whatever the lookup shows.
    for (int i = 0; i < m_unidade->count(); ++i)
        if (m_unidade->itemData(i).toInt() == m_contexto.sessao.CodUnidade) return m_unidade->itemText(i);
    return QString();
}

void TMasterRelatorio::focarCampo(CampoFiltro campo) {
    switch (campo) {
        case CampoFiltro::Nomes: m_nomeIndividual->setFocus(); break;
        case CampoFiltro::AdmissaoInicial: m_admissaoDe->setFocus(); break;
        case CampoFiltro::AdmissaoFinal: m_admissaoAte->setFocus(); break;
        case CampoFiltro::Nenhum: break;
    }
}

void TMasterRelatorio::executar(Destino destino) {
    if (!m_preparada) prepararAoMostrar();
    const AjustesRelatorio ajustes{sqlORIG, OrderBy, Where, ParametrosWhere, m_contexto.CampoNomeRelatorio};
    const ResultadoFiltro r =
        FiltroRelatorio::montar(ajustes, escolhas(), {m_contexto.sessao.Perfil, m_contexto.sessao.CodUnidade});
    if (!r.comando) {
        if (r.campo == CampoFiltro::Nomes) m_contexto.dialogos.informacao(r.mensagem);
        else m_contexto.dialogos.aviso(r.mensagem);
        focarCampo(r.campo);
        return;
    }

    Query.fechar();
    Query.defineSql(r.comando->sql);
    for (auto it = r.comando->parametros.constBegin(); it != r.comando->parametros.constEnd(); ++it)
        Query.defineParametro(it.key(), it.value());
    m_ultimoComando = r.comando;
    m_caixaComando->setPlainText(r.comando->texto());
    try {
        Query.abrir();
    } catch (const db::ErroBanco& e) {
        m_contexto.dialogos.erroDeBanco(QStringLiteral("Não foi possível ler os dados do relatório."), e);
        return;
    }
    if (Query.vazio()) {
        m_contexto.dialogos.informacao(kSemRegistros);
        return;
    }

    if (destino == Destino::Exportar) {
        if (m_contexto.exportacao) m_contexto.exportacao->exportar(Query);
        else m_contexto.dialogos.aviso(QStringLiteral("A exportação não está disponível nesta sessão."));
        return;
    }

    if (ppLabelCategoriaX) ppLabelCategoriaX->setTexto(m_categoria->currentText());
    if (ppLabelSituacaoX)
        ppLabelSituacaoX->setTexto(pensionistas() ? m_situacaoPensionista->currentText() : m_situacao->texto());
    if (ppLabelSexoX) ppLabelSexoX->setTexto(m_sexo->currentText());
    if (ppReport) imprimirRelatorio(*ppReport);
}

std::shared_ptr<relatorio::Documento> TMasterRelatorio::gerarDocumento(relatorio::Relatorio& relatorio) {
    FonteFiltrada fonte(Query, camposDoRelatorio(relatorio));
    relatorio.setFonteDados(&fonte);
    struct Desligar {
        relatorio::Relatorio& r;
        ~Desligar() { r.setFonteDados(nullptr); }
    } desligar{relatorio};
    return relatorio.gerar();
}

void TMasterRelatorio::imprimirRelatorio(relatorio::Relatorio& relatorio) {
    std::shared_ptr<relatorio::Documento> documento;
    try {
        documento = gerarDocumento(relatorio);
    } catch (const relatorio::ErroRelatorio& e) {
        m_contexto.dialogos.erro(QStringLiteral("Não foi possível montar o relatório.\n") + QString::fromUtf8(e.what()));
        return;
    }
    relatorio::JanelaVisualizacao previa(documento, this);
    previa.setWindowTitle(relatorio.nome());
    ui::Dialogos& dialogos = m_contexto.dialogos;
    const QString pasta = m_contexto.configuracao.textos.pastaExportacao;
    previa.setEscolherArquivoPdf([&dialogos, pasta] {
        return dialogos.salvarArquivo(QStringLiteral("Salvar como PDF"), pasta, QStringLiteral("PDF (*.pdf)"),
                                      QStringLiteral("pdf"));
    });
    previa.setAvisarErro([&dialogos](const QString& texto) { dialogos.erro(texto); });
    m_contexto.executor.exibirModal(previa);
}

void TMasterRelatorio::done(int resultado) {
    Query.fechar();
    m_pensionistasOrd.fechar();
    m_pensionistasDesc.fechar();
    sqlORIG.clear();
    OrderBy.clear();
    Where.clear();
    QDialog::done(resultado);
}

}  // namespace rh::reports
