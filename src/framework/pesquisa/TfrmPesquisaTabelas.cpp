#include "framework/pesquisa/TfrmPesquisaTabelas.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtDebug>

#include "app/nucleo/ContextoJanela.h"
#include "platform/db/Dataset.h"
#include "platform/db/ErroBanco.h"
#include "platform/ui/Dialogos.h"
#include "platform/ui/GradeDataset.h"
#include "platform/ui/ValidadorTexto.h"

namespace rh::framework {

TfrmPesquisaTabelas::TfrmPesquisaTabelas(app::ContextoJanela& contexto, db::Dataset& modelo,
                                         const QString& tabela, const QString& titulo,
                                         const QString& campoChave, const QString& campoTexto,
                                         const QString& campoPadrao, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_contexto(contexto),
      m_modelo(modelo),
      m_tabela(tabela),
      m_campoChave(campoChave),
      m_campoTexto(campoTexto) {
    setObjectName(QStringLiteral("TfrmPesquisaTabelas"));
    setWindowTitle("Pesquisa - " + titulo);
    m_resultado = new db::Dataset(contexto.dm.ADOConnecOracle(), this);
    m_resultado->setObjectName(QStringLiteral("QryPesquisaTabelas"));
    montar();
    resize(721, 302);
    ativar(campoPadrao);
}

void TfrmPesquisaTabelas::montar() {
    m_pesquisar = new QAction(this);
    m_pesquisar->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    m_pesquisar->setToolTip(QStringLiteral("Pesquisar"));
    m_escolher = new QAction(QStringLiteral("  &Escolher  "), this);
    m_escolher->setEnabled(false);
    m_cancelar = new QAction(QStringLiteral("&Cancelar"), this);
    addActions({m_pesquisar, m_escolher, m_cancelar});
    connect(m_pesquisar, &QAction::triggered, this, &TfrmPesquisaTabelas::pesquisar);
    connect(m_escolher, &QAction::triggered, this, &TfrmPesquisaTabelas::escolher);
    connect(m_cancelar, &QAction::triggered, this, &TfrmPesquisaTabelas::cancelar);

    auto* raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(6, 6, 6, 6);

    auto* filtro = new QHBoxLayout;
    auto* rotuloCampo = new QLabel(QStringLiteral("No Campo:"), this);
    m_campos = new QComboBox(this);
    m_campos->setEditable(false);
    m_campos->setMinimumWidth(200);
    rotuloCampo->setBuddy(m_campos);
    m_condicao = new QComboBox(this);
    m_condicao->addItems({QStringLiteral("="), QStringLiteral(">="), QStringLiteral(">"),
                          QStringLiteral("<="), QStringLiteral("<"),
                          QStringLiteral("Consulta aproximada")});
    m_condicao->setVisible(false);
    auto* rotuloValor = new QLabel(QStringLiteral("Pesquisar por:"), this);
    m_valor = new QLineEdit(this);
    m_valor->setValidator(new ui::ValidadorTexto(ui::Caixa::Maiusculas, false, m_valor));
    rotuloValor->setBuddy(m_valor);
    auto* botaoPesquisar = new QToolButton(this);
    botaoPesquisar->setDefaultAction(m_pesquisar);
    filtro->addWidget(rotuloCampo);
    filtro->addWidget(m_campos);
    filtro->addWidget(m_condicao);
    filtro->addWidget(rotuloValor);
    filtro->addWidget(m_valor, 1);
    filtro->addWidget(botaoPesquisar);
    raiz->addLayout(filtro);

    auto* grupo = new QGroupBox(QStringLiteral("Resultado da Pesquisa"), this);
    auto* dentro = new QVBoxLayout(grupo);
    m_grade = new ui::GradeDataset(grupo);
    m_grade->setObjectName(QStringLiteral("DBGrid1"));
    m_grade->vincular(*m_resultado);
    dentro->addWidget(m_grade);
    raiz->addWidget(grupo, 1);

    auto* barra = new QToolBar(this);
    barra->setToolButtonStyle(Qt::ToolButtonTextOnly);
    barra->addAction(m_escolher);
    barra->addAction(m_cancelar);
    raiz->addWidget(barra);

    connect(m_campos, &QComboBox::currentIndexChanged, this, [this] { campoMudou(); });
    connect(m_valor, &QLineEdit::textChanged, this, [this] { atualizarPesquisar(); });
    connect(m_valor, &QLineEdit::returnPressed, this, [this] {
        if (!m_valor->text().isEmpty() && m_pesquisar->isEnabled()) pesquisar();
    });
    // Enter on a row or a double click (the grid reports both).
    connect(m_grade, &ui::GradeDataset::linhaEscolhida, this, [this] {
        if (m_escolher->isEnabled()) escolher();
    });
}

db::TipoDado TfrmPesquisaTabelas::tipoDoCampo(int indice) const {
    return indice >= 0 && indice < m_tipos.size() ? m_tipos.at(indice) : db::TipoDado::Texto;
}

void TfrmPesquisaTabelas::ativar(const QString& campoPadrao) {
    const QSignalBlocker bloqueio(m_campos);
    // The searched columns: the template's own columns (calculated fields
    // exist only in the program).
    for (int i = 0; i < m_modelo.quantidadeCampos(); ++i) {
        const db::Campo& c = m_modelo.campo(i);
        if (c.calculado()) continue;
        m_nomes << c.nome();
        m_tipos << c.tipo();
        m_campos->addItem(c.rotulo());
        // The result grid shows the template's labels and formats.
        db::DefCampo& def = m_resultado->definirCampo(c.nome());
        def.rotulo = c.definicao().rotulo;
        def.formatoExibicao = c.formatoExibicao();
        def.tipo = c.tipo();
    }

    if (tipoDoCampo(0) == db::TipoDado::Inteiro) {
        m_condicao->setCurrentText(QStringLiteral(">="));
        m_valor->setText(QStringLiteral("0"));
    } else {
        m_condicao->setCurrentText(QStringLiteral("Consulta aproximada"));
        m_valor->clear();
    }

    if (!m_nomes.isEmpty()) m_campos->setCurrentIndex(0);
    if (!campoPadrao.isEmpty()) {
        const qsizetype i = m_nomes.indexOf(campoPadrao);
        if (i < 0) {
            m_contexto.dialogos.informacao(
                QStringLiteral("CAMPO DEFAULT INVÁLIDO NA PESQUISA. INFORME SUPORTE TECNICO"));
        } else {
            m_campos->setCurrentIndex(int(i));
            m_valor->setFocus();
        }
    }
    campoMudou();
    atualizarPesquisar();
}

void TfrmPesquisaTabelas::campoMudou() {
    const bool digitos = tipoDoCampo(m_campos->currentIndex()) == db::TipoDado::Inteiro;
    delete m_valor->validator();
    m_valor->setValidator(new ui::ValidadorTexto(ui::Caixa::Maiusculas, digitos, m_valor));
}

void TfrmPesquisaTabelas::atualizarPesquisar() {
    m_pesquisar->setEnabled(tipoDoCampo(0) != db::TipoDado::Inteiro || !m_valor->text().isEmpty());
}

void TfrmPesquisaTabelas::pesquisar() {
    const int i = m_campos->currentIndex();
    if (i < 0 || i >= m_nomes.size()) return;
    m_escolher->setEnabled(true);

    PedidoPesquisaTabela pedido;
    pedido.campos = m_nomes;
    pedido.tabela = m_tabela;
    pedido.perfil = m_contexto.sessao.Perfil;  // read now: the campus may have changed since
    pedido.codUnidade = m_contexto.sessao.CodUnidade;
    pedido.campo = m_nomes.at(i);
    pedido.tipoCampo = m_tipos.at(i);
    pedido.valor = m_valor->text();
    const auto comando = comandoPesquisaTabela(pedido);
    if (!comando) {
        m_resultado->fechar();
        m_contexto.dialogos.erro(QStringLiteral("Valor inválido!"));
        return;
    }
    try {
        m_resultado->fechar();
        m_resultado->defineSql(comando->sql);
        for (auto it = comando->parametros.constBegin(); it != comando->parametros.constEnd(); ++it)
            m_resultado->defineParametro(it.key(), it.value());
        m_resultado->abrir();
    } catch (const db::ErroBanco& e) {
        m_contexto.dialogos.erroDeBanco(QStringLiteral("Não foi possível pesquisar."), e);
        return;
    }
    m_grade->setFocus();
}

void TfrmPesquisaTabelas::escolher() {
    m_escolha = {};
    m_escolha.escolhido = true;
    try {
        if (m_resultado->ativo() && !m_resultado->vazio()) {
            m_escolha.chave = m_resultado->campo(m_campoChave).comoInteiro();
            if (!m_campoTexto.isEmpty()) m_escolha.texto = m_resultado->campo(m_campoTexto).texto();
        }
    } catch (const db::ErroBanco& e) {
        m_escolha = {};
        m_contexto.dialogos.erroDeBanco(
            QStringLiteral("Não foi possível ler o registro escolhido."), e);
        return;
    }
    accept();
}

void TfrmPesquisaTabelas::cancelar() {
    m_escolha = {};
    QDialog::reject();
}

}  // namespace rh::framework
