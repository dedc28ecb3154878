#include "servants/carteira/TFormImpCarteiraServ.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QItemSelection>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <optional>

#include "app/esquema/FuncoesCentrais.h"
#include "app/nucleo/ContextoJanela.h"
#include "platform/db/ErroBanco.h"
#include "platform/db/GuardaTransacao.h"
#include "platform/relatorio/ErroRelatorio.h"
#include "platform/relatorio/FonteDataset.h"
#include "platform/relatorio/JanelaVisualizacao.h"
#include "platform/relatorio/Saida.h"
#include "platform/ui/Dialogos.h"
#include "platform/ui/ExecutorJanelas.h"
#include "platform/ui/GradeDataset.h"
#include "platform/ui/ModeloDataset.h"
#include "servants/carteira/CodigoCarteira.h"

namespace rh::servants {

namespace {

const QString kSqlServidores = QStringLiteral(
    "SELECT * FROM VORK_USUARIOS T1, VORK_SERVIDORES T2 WHERE T1.CATEGORIA = 'S' AND T1.CODUSUARIO "
    "= T2.CODSERVIDOR "
    "ORDER BY NOME");

void adicionarCalculados(db::Dataset& ds) {
    ds.adicionarCampoCalculado(
        QStringLiteral("CODBARRA"), db::TipoDado::Texto, [](const db::LinhaDataset& l) {
            return QVariant(codigoBarraCarteira(l.valor(QStringLiteral("NUMMATRIC")),
                                                l.valor(QStringLiteral("VIAATUAL"))));
        });
    ds.adicionarCampoCalculado(
        QStringLiteral("DESCRVIA"), db::TipoDado::Texto, [](const db::LinhaDataset& l) {
            return QVariant(descricaoViaCarteira(l.valor(QStringLiteral("VIAATUAL"))));
        });
}

// The new copies of one selection are recorded all or none. The main
// connection is shared: when another window already holds a transaction on
// it, a savepoint keeps this block's rollback to this block.
class BlocoNovaVia {
public:
    explicit BlocoNovaVia(db::Conexao& conexao)
        : m_conexao(conexao), m_aninhado(conexao.emTransacao()) {
        if (m_aninhado)
            m_conexao.executar(QStringLiteral("SAVEPOINT CARTEIRA_NOVA_VIA"));
        else
            m_guarda.emplace(conexao);
    }
    ~BlocoNovaVia() {
        if (m_concluido || !m_aninhado) return;  // the guard rolls its own transaction back
        try {
            m_conexao.executar(QStringLiteral("ROLLBACK TO SAVEPOINT CARTEIRA_NOVA_VIA"));
            m_conexao.executar(QStringLiteral("RELEASE SAVEPOINT CARTEIRA_NOVA_VIA"));
        } catch (const db::ErroBanco&) {
            // The owner of the outer transaction finds it failed and rolls it back.
        }
    }
    BlocoNovaVia(const BlocoNovaVia&) = delete;
    BlocoNovaVia& operator=(const BlocoNovaVia&) = delete;

    void confirmar() {
        if (m_aninhado)
            m_conexao.executar(QStringLiteral("RELEASE SAVEPOINT CARTEIRA_NOVA_VIA"));
        else
            m_guarda->confirmar();
        m_concluido = true;
    }

private:
    db::Conexao& m_conexao;
    bool m_aninhado;
    bool m_concluido = false;
    std::optional<db::GuardaTransacao> m_guarda;
};

QString matriculaFormatada(const QVariant& matricula) {
    return matricula.isNull()
               ? QStringLiteral("sem matrícula")
               : QStringLiteral("matrícula ") +
                     QString::number(matricula.toLongLong()).rightJustified(7, QLatin1Char('0'));
}

}  // namespace

TFormImpCarteiraServ::TFormImpCarteiraServ(app::ContextoJanela& contexto, QWidget* parent)
    : QWidget(parent), m_contexto(contexto), m_qrServidores(contexto.dm.ADOConnecOracle()) {
    setObjectName(QStringLiteral("FormImpCarteiraServ"));
    setWindowTitle(QStringLiteral("Cadastro de Usuários"));
    resize(571, 482);

    m_qrServidores.setObjectName(QStringLiteral("qrServidores"));
    m_qrServidores.defineSql(kSqlServidores);
    adicionarCalculados(m_qrServidores);

    auto* rotulo = new QLabel(QStringLiteral("Nome:"));
    m_cbNome = new QComboBox;
    m_cbNome->setObjectName(QStringLiteral("cbNome"));
    m_cbNome->setEditable(false);
    m_cbNome->setMaxVisibleItems(20);
    m_cbNome->setModel(
        new ui::ModeloDataset(m_qrServidores, {ui::ColunaGrade{QStringLiteral("NOME")}}, m_cbNome));
    m_cbNome->setModelColumn(0);
    m_cbNome->setCurrentIndex(-1);
    rotulo->setBuddy(m_cbNome);
    connect(m_cbNome, &QComboBox::activated, this, [this](int linha) {
        if (m_qrServidores.ativo() && linha >= 0) m_qrServidores.irPara(linha);
    });
    connect(&m_qrServidores, &db::Dataset::aposRolar, this, [this] {
        const QSignalBlocker bloqueio(m_cbNome);
        m_cbNome->setCurrentIndex(m_qrServidores.ativo() ? m_qrServidores.linhaAtual() : -1);
    });

    m_dbgServidores = new ui::GradeDataset;
    m_dbgServidores->setObjectName(QStringLiteral("dbgServidores"));
    m_dbgServidores->vincular(
        m_qrServidores, {ui::ColunaGrade{QStringLiteral("NUMMATRIC"), QStringLiteral("NUMMATRIC")},
                         ui::ColunaGrade{QStringLiteral("NOME"), QStringLiteral("NOME"), 280},
                         ui::ColunaGrade{QStringLiteral("VIAATUAL"), QStringLiteral("VIAATUAL")}});
    m_dbgServidores->defineSelecao(ui::GradeDataset::Selecao::Multipla);

    m_btnAlteraVia = new QPushButton(QStringLiteral("Altera Via Seleção"));
    m_btnAlteraVia->setObjectName(QStringLiteral("btnAlteraVia"));
    m_btnImprimir = new QPushButton(QStringLiteral("Imprimir Seleção"));
    m_btnImprimir->setObjectName(QStringLiteral("btnImprimir"));
    connect(m_btnAlteraVia, &QPushButton::clicked, this,
            &TFormImpCarteiraServ::AlteraViaSelecaoClick);
    connect(m_btnImprimir, &QPushButton::clicked, this,
            &TFormImpCarteiraServ::ImprimirSelecaoClick);

    auto* topo = new QHBoxLayout;
    topo->addWidget(rotulo);
    topo->addWidget(m_cbNome, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(m_btnAlteraVia);
    botoes->addWidget(m_btnImprimir);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(topo);
    layout->addWidget(m_dbgServidores, 1);
    layout->addLayout(botoes);
}

TFormImpCarteiraServ::~TFormImpCarteiraServ() = default;

db::Conexao& TFormImpCarteiraServ::conexaoImpressao() {
    if (m_contexto.configuracao.carteiraUsaBancoPrincipal) return m_contexto.dm.ADOConnecOracle();
    if (!m_dbprax) {
        auto conexao = std::make_unique<db::Conexao>(m_contexto.configuracao.carteira,
                                                     m_contexto.dm.catalogo());
        conexao->abrir();
        m_dbprax = std::move(conexao);
    }
    return *m_dbprax;
}

void TFormImpCarteiraServ::abrirLista() {
    if (m_qrServidores.ativo()) return;
    try {
        m_qrServidores.abrir();
    } catch (const db::ErroBanco& e) {
        m_contexto.dialogos.erroDeBanco(
            QStringLiteral("Não foi possível abrir a lista de servidores."), e);
    }
}

bool TFormImpCarteiraServ::event(QEvent* evento) {
    if (evento->type() == QEvent::WindowActivate) abrirLista();
    return QWidget::event(evento);
}

void TFormImpCarteiraServ::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    abrirLista();
}

QList<QVariant> TFormImpCarteiraServ::valoresSelecionados(const QString& campo,
                                                          const QList<int>& linhas) const {
    const int indice = m_qrServidores.campo(campo).indice();
    QList<QVariant> valores;
    valores.reserve(linhas.size());
    for (int linha : linhas) valores << m_qrServidores.valorNaLinha(linha, indice);
    return valores;
}

void TFormImpCarteiraServ::restaurarSelecao(const QList<int>& linhas) {
    auto* modelo = m_dbgServidores->modelo();
    QItemSelectionModel* selecao = m_dbgServidores->selectionModel();
    if (!modelo || !selecao) return;
    QItemSelection itens;
    const int ultimaColuna = modelo->columnCount() - 1;
    for (int linha : linhas) {
        if (linha < modelo->rowCount())
            itens.select(modelo->index(linha, 0), modelo->index(linha, ultimaColuna));
    }
    selecao->select(itens, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TFormImpCarteiraServ::AlteraViaSelecaoClick() {
    const QList<int> linhas =
        m_qrServidores.ativo() ? m_dbgServidores->linhasSelecionadas() : QList<int>{};
    if (linhas.isEmpty()) {
        m_contexto.dialogos.informacao(
            QStringLiteral("Selecione os servidores cuja via da carteira será alterada."));
        return;
    }
    const QList<QVariant> matriculas = valoresSelecionados(QStringLiteral("NUMMATRIC"), linhas);
    const QList<QVariant> nomes = valoresSelecionados(QStringLiteral("NOME"), linhas);
    db::Conexao& conexao = m_contexto.dm.ADOConnecOracle();
    int feitas = 0;
    try {
        BlocoNovaVia bloco(conexao);
        for (; feitas < matriculas.size(); ++feitas)
            app::chamarNovaVia(conexao, QStringLiteral("I"), QStringLiteral("S"),
                               matriculas.at(feitas).toLongLong());
        bloco.confirmar();
    } catch (const db::ErroBanco& e) {
        const QString texto =
            feitas < matriculas.size()
                ? QStringLiteral(
                      "Não foi possível registrar a nova via da carteira de %1 (%2). Nenhuma via "
                      "foi alterada.")
                      .arg(nomes.at(feitas).toString(), matriculaFormatada(matriculas.at(feitas)))
                : QStringLiteral(
                      "Não foi possível registrar as novas vias das carteiras selecionadas. "
                      "Nenhuma via foi "
                      "alterada.");
        m_contexto.dialogos.erroDeBanco(texto, e);
        return;
    }
    try {
        m_qrServidores.reabrir();
        // The copies are recorded: nothing stays selected, so that a second
        // click cannot record them again by mistake.
        if (auto* selecao = m_dbgServidores->selectionModel()) selecao->clearSelection();
    } catch (const db::ErroBanco& e) {
        m_contexto.dialogos.erroDeBanco(
            QStringLiteral("As novas vias foram registradas, mas não foi possível ler a lista de "
                           "servidores novamente."),
            e);
    }
}

void TFormImpCarteiraServ::ImprimirSelecaoClick() {
    const QList<int> linhas =
        m_qrServidores.ativo() ? m_dbgServidores->linhasSelecionadas() : QList<int>{};
    if (linhas.isEmpty()) {
        m_contexto.dialogos.informacao(
            QStringLiteral("Selecione os servidores cujas carteiras serão impressas."));
        return;
    }
    QList<qlonglong> codigos;
    for (const QVariant& v : valoresSelecionados(QStringLiteral("CODUSUARIO"), linhas))
        codigos << v.toLongLong();
    const CondicaoLista condicao = condicaoListaCarteira(codigos);

    m_repServidores.prepararImpressao();
    std::shared_ptr<relatorio::Documento> documento;
    QVariant ultimoImpresso;
    int impressos = 0;
    try {
        db::Dataset qryPrnServidores(conexaoImpressao());
        qryPrnServidores.setObjectName(QStringLiteral("qryPrnServidores"));
        qryPrnServidores.defineSql(comandoImpressaoCarteira(condicao));
        for (auto it = condicao.parametros.constBegin(); it != condicao.parametros.constEnd(); ++it)
            qryPrnServidores.defineParametro(it.key(), it.value());
        adicionarCalculados(qryPrnServidores);
        qryPrnServidores.abrir();
        impressos = qryPrnServidores.contagem();
        if (impressos > 0) {
            relatorio::FonteDataset fonte(qryPrnServidores);
            m_repServidores.relatorio().setFonteDados(&fonte);
            try {
                documento = m_repServidores.relatorio().gerar();
            } catch (...) {
                m_repServidores.relatorio().setFonteDados(nullptr);
                throw;
            }
            m_repServidores.relatorio().setFonteDados(nullptr);
            qryPrnServidores.ultimo();
            ultimoImpresso = qryPrnServidores.valor(QStringLiteral("CODUSUARIO"));
        }
        qryPrnServidores.fechar();
    } catch (const db::ErroBanco& e) {
        m_contexto.dialogos.erroDeBanco(
            QStringLiteral("Não foi possível ler os dados das carteiras."), e);
        return;
    } catch (const relatorio::ErroRelatorio& e) {
        m_contexto.dialogos.erro(QStringLiteral("Não foi possível montar as carteiras.\n") +
                                 e.mensagem());
        return;
    }

    if (impressos == 0) {
        m_contexto.dialogos.aviso(QStringLiteral(
            "Nenhum dos servidores selecionados foi encontrado para a impressão da carteira."));
        return;
    }
    if (impressos < codigos.size()) {
        m_contexto.dialogos.aviso(QStringLiteral("%1 dos %2 servidores selecionados não foram "
                                                 "encontrados para a impressão e ficam sem "
                                                 "carteira.")
                                      .arg(codigos.size() - impressos)
                                      .arg(codigos.size()));
    }
    mostrarCartoes(documento);

    // The printed servant with the highest matriculation becomes current; the
    // grid follows the list, so the selection is put back afterwards.
    try {
        m_qrServidores.localizar(QStringLiteral("CODUSUARIO"), ultimoImpresso);
    } catch (const db::ErroBanco& e) {
        m_contexto.dialogos.erroDeBanco(
            QStringLiteral("Não foi possível voltar ao servidor impresso."), e);
    }
    restaurarSelecao(linhas);
}

void TFormImpCarteiraServ::mostrarCartoes(
    const std::shared_ptr<const relatorio::Documento>& documento) {
    if (!m_saidaPdf.isEmpty()) {
        const relatorio::ResultadoSaida resultado =
            relatorio::renderizarPdf(*documento, m_saidaPdf);
        if (!resultado.ok)
            m_contexto.dialogos.erro(
                QStringLiteral("Não foi possível gravar as carteiras em PDF.\n") + resultado.erro);
        return;
    }
    relatorio::JanelaVisualizacao previa(documento, this);
    previa.setWindowTitle(QStringLiteral("Carteira Funcional"));
    previa.setEscolherArquivoPdf([this] {
        return m_contexto.dialogos.salvarArquivo(
            QStringLiteral("Salvar como PDF"), m_contexto.configuracao.textos.pastaExportacao,
            QStringLiteral("Arquivos PDF (*.pdf)"), QStringLiteral("pdf"));
    });
    previa.setAvisarErro([this](const QString& mensagem) { m_contexto.dialogos.erro(mensagem); });
    m_contexto.executor.exibirModal(previa);
}

}  // namespace rh::servants
