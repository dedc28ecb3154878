#include "framework/pesquisa/TFpesqPadrao.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
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

namespace {

constexpr int kLargura = 600;

const QString kDetalhesFechado = QStringLiteral("Mais Detalhes >>>");
const QString kDetalhesAberto = QStringLiteral("Mais Detalhes <<<");

QToolButton* botao(QAction* acao, QWidget* pai) {
    auto* b = new QToolButton(pai);
    b->setDefaultAction(acao);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    b->setMinimumWidth(120);
    return b;
}

}  // namespace

TFpesqPadrao::TFpesqPadrao(app::ContextoJanela& contexto, db::Dataset& dataset,
                           const QString& sqlBase, const ParametrosPesquisa& parametros,
                           QWidget* parent)
    : QDialog(parent),
      m_contexto(contexto),
      m_dataset(dataset),
      m_sqlBase(sqlBase),
      m_parametros(parametros) {
    setObjectName(QStringLiteral("TFpesqPadrao"));
    setWindowTitle("Localizar - " + parametros.titulo);
    montar();
    ativar();
}

void TFpesqPadrao::montar() {
    m_localizar = new QAction(QStringLiteral("&Localizar"), this);
    m_proxima = new QAction(QStringLiteral("Proxima"), this);
    m_proxima->setShortcut(QKeySequence(Qt::Key_F3));
    m_proxima->setShortcutContext(Qt::WindowShortcut);
    m_proxima->setEnabled(false);
    m_ok = new QAction(QStringLiteral("OK"), this);
    m_fechar = new QAction(QStringLiteral("&Fechar"), this);
    m_detalhes = new QAction(kDetalhesFechado, this);
    m_detalhes->setEnabled(false);
    addActions({m_localizar, m_proxima, m_ok, m_fechar, m_detalhes});
    connect(m_localizar, &QAction::triggered, this, &TFpesqPadrao::localizar);
    connect(m_proxima, &QAction::triggered, this, &TFpesqPadrao::proxima);
    connect(m_ok, &QAction::triggered, this, &TFpesqPadrao::ok);
    connect(m_fechar, &QAction::triggered, this, &TFpesqPadrao::fechar);
    connect(m_detalhes, &QAction::triggered, this, &TFpesqPadrao::alternarDetalhes);

    auto* raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(6, 6, 6, 6);
    raiz->setSpacing(4);

    auto* topo = new QGridLayout;
    topo->setVerticalSpacing(2);
    auto* rotuloCampo = new QLabel(QStringLiteral("Localizar por:"), this);
    auto* rotuloValor = new QLabel(QStringLiteral("Valor para pesquisa:"), this);
    m_campos = new QComboBox(this);
    m_campos->setEditable(false);
    m_valor = new QLineEdit(this);
    rotuloCampo->setBuddy(m_campos);
    rotuloValor->setBuddy(m_valor);

    m_grupoTipo = new QGroupBox(QStringLiteral("Tipo"), this);
    auto* linhaTipos = new QHBoxLayout(m_grupoTipo);
    linhaTipos->setContentsMargins(6, 0, 6, 0);
    m_tipos = new QButtonGroup(this);
    const QStringList textos{QStringLiteral("Exata"), QStringLiteral("Aproximada "),
                             QStringLiteral("Que contém")};
    for (int i = 0; i < textos.size(); ++i) {
        auto* r = new QRadioButton(textos.at(i), m_grupoTipo);
        m_tipos->addButton(r, i);
        linhaTipos->addWidget(r);
    }
    m_maiusculas = new QCheckBox(QStringLiteral("Diferenciar Maiúsculas e Minúsculas"), this);
    m_maiusculas->setChecked(false);

    topo->addWidget(rotuloCampo, 0, 0);
    topo->addWidget(rotuloValor, 0, 1);
    topo->addWidget(m_campos, 1, 0);
    topo->addWidget(m_valor, 1, 1);
    topo->addWidget(m_grupoTipo, 2, 0, 1, 2);
    topo->addWidget(m_maiusculas, 3, 0, 1, 2);
    topo->setColumnStretch(0, 1);
    topo->setColumnStretch(1, 1);

    auto* botoes = new QVBoxLayout;
    botoes->setSpacing(1);
    for (QAction* a : {m_localizar, m_proxima, m_ok, m_fechar, m_detalhes})
        botoes->addWidget(botao(a, this));
    botoes->addStretch();

    auto* cima = new QHBoxLayout;
    cima->addLayout(topo, 1);
    cima->addLayout(botoes);
    raiz->addLayout(cima);

    m_areaDetalhes = new QWidget(this);
    auto* detalhes = new QVBoxLayout(m_areaDetalhes);
    detalhes->setContentsMargins(0, 0, 0, 0);
    m_grade = new ui::GradeDataset(m_areaDetalhes);
    m_grade->setObjectName(QStringLiteral("DBGrid1"));
    detalhes->addWidget(m_grade);
    raiz->addWidget(m_areaDetalhes, 1);

    connect(m_campos, &QComboBox::currentIndexChanged, this, [this] { campoMudou(); });
    connect(m_valor, &QLineEdit::returnPressed, this, [this] {
        if (!m_valor->text().isEmpty()) localizar();
    });
    // Enter on a row or a double click (the grid reports both).
    connect(m_grade, &ui::GradeDataset::linhaEscolhida, this, [this] {
        if (m_dataset.ativo() && !m_dataset.vazio()) ok();
    });

    definirAltura(kAlturaSemResultado);
}

void TFpesqPadrao::ativar() {
    m_grade->vincular(m_dataset);
    m_oferecidos.clear();
    const QSignalBlocker bloqueio(m_campos);
    m_campos->clear();
    if (m_dataset.ativo()) {
        for (int i = 0; i < m_dataset.quantidadeCampos(); ++i) {
            const db::Campo& c = m_dataset.campo(i);
            if (c.tag() > 1) {
                m_oferecidos << c.nome();
                m_campos->addItem(c.rotulo());
            }
        }
    }
    if (!m_oferecidos.isEmpty()) m_campos->setCurrentIndex(0);
    m_tipos->button(int(tipoInicialPorTitulo(m_parametros.titulo)))->setChecked(true);
    campoMudou();
}

QRadioButton* TFpesqPadrao::opcaoTipo(TipoBusca tipo) const {
    return qobject_cast<QRadioButton*>(m_tipos->button(int(tipo)));
}

TipoBusca TFpesqPadrao::tipoEscolhido() const {
    const int id = m_tipos->checkedId();
    return id < 0 ? TipoBusca::Aproximada : TipoBusca(id);
}

void TFpesqPadrao::campoMudou() {
    m_valor->clear();
    const int i = m_campos->currentIndex();
    db::Campo* campo =
        i >= 0 && i < m_oferecidos.size() ? m_dataset.procurarCampo(m_oferecidos.at(i)) : nullptr;
    m_grupoTipo->setEnabled(campo && campo->ehTexto());
    // Integer and floating-point fields take digits only.
    const bool digitos = campo && campo->ehNumerico();
    delete m_valor->validator();
    m_valor->setValidator(digitos ? new ui::ValidadorTexto(ui::Caixa::Normal, true, m_valor)
                                  : nullptr);
    m_valor->setFocus();
}

void TFpesqPadrao::definirAltura(int altura) {
    setFixedSize(kLargura, altura);
    m_areaDetalhes->setVisible(altura >= kAlturaDetalhes);
}

void TFpesqPadrao::esconderColunasSemTag() {
    ui::ModeloDataset* modelo = m_grade->modelo();
    if (!modelo) return;
    for (int coluna = 0; coluna < modelo->columnCount(); ++coluna) {
        const int indice = modelo->indiceCampo(coluna);
        if (indice < 0 || indice >= m_dataset.quantidadeCampos()) continue;
        m_grade->setColumnHidden(coluna, m_dataset.campo(indice).tag() < 2);
    }
}

bool TFpesqPadrao::abrirComando(const QString& sql, const db::Parametros& parametros) {
    m_dataset.fechar();
    m_dataset.defineSql(sql);
    for (auto it = parametros.constBegin(); it != parametros.constEnd(); ++it)
        m_dataset.defineParametro(it.key(), it.value());
    m_dataset.abrir();
    return true;
}

void TFpesqPadrao::localizar() {
    const int i = m_campos->currentIndex();
    if (i < 0 || i >= m_oferecidos.size()) return;
    db::Campo* campo = m_dataset.procurarCampo(m_oferecidos.at(i));
    if (!campo) return;

    PedidoLocalizar pedido;
    pedido.tabela = m_parametros.tabela;
    pedido.colunas = m_parametros.colunas;
    pedido.condicaoBase = m_parametros.condicaoBase;
    pedido.origem = campo->origem();
    pedido.tipoCampo = campo->tipo();
    pedido.valor = m_valor->text();
    pedido.tipo = tipoEscolhido();
    pedido.diferenciarMaiusculas = m_maiusculas->isChecked();

    switch (verificarValor(pedido)) {
        case ProblemaValor::Vazio:
            m_contexto.dialogos.aviso(QStringLiteral("Digite algum valor para pesquisa."));
            return;
        case ProblemaValor::Invalido:
            m_contexto.dialogos.erro(QStringLiteral("Valor inválido!"));
            return;
        case ProblemaValor::Nenhum:
            break;
    }
    const auto comando = comandoLocalizar(pedido, m_dataset.conexao().dialeto());
    if (!comando) {
        m_contexto.dialogos.erro(QStringLiteral("Valor inválido!"));
        return;
    }

    const QString sqlAnterior = m_dataset.sql();
    try {
        abrirComando(comando->sql, comando->parametros);
    } catch (const db::ErroBanco& e) {
        qWarning().noquote() << "Localizar:" << e.mensagem() << "\n" << e.comando();
        m_contexto.dialogos.erro(QStringLiteral("Valor inválido!"));
        // The caller's list comes back as it was before this search.
        try {
            abrirComando(sqlAnterior, {});
        } catch (const db::ErroBanco& e2) {
            qWarning().noquote() << "Localizar:" << e2.mensagem();
        }
        return;
    }

    if (m_dataset.vazio()) {
        definirAltura(kAlturaSemResultado);
        m_detalhes->setText(kDetalhesFechado);
        m_proxima->setEnabled(false);
        m_detalhes->setEnabled(false);
        m_contexto.dialogos.informacao(QStringLiteral("A pesquisa não encontrou ocorrências!"));
        return;
    }
    m_proxima->setEnabled(true);
    m_detalhes->setEnabled(true);
    esconderColunasSemTag();
    if (m_detalhes->text() == kDetalhesFechado) alternarDetalhes();
    m_grade->setFocus();
}

void TFpesqPadrao::alternarDetalhes() {
    if (m_detalhes->text() == kDetalhesFechado) {
        definirAltura(kAlturaDetalhes);
        m_detalhes->setText(kDetalhesAberto);
    } else {
        definirAltura(kAlturaRecolhida);
        m_detalhes->setText(kDetalhesFechado);
    }
}

void TFpesqPadrao::proxima() {
    if (!m_dataset.ativo()) return;
    if (!m_dataset.noFim()) m_dataset.proximo();
    if (m_dataset.noFim() && m_contexto.dialogos.confirmar(
                                 QStringLiteral("Não há mais registros. Deseja voltar ao início?")))
        m_dataset.primeiro();
}

void TFpesqPadrao::ok() {
    if (!m_dataset.ativo() || m_dataset.vazio()) {
        m_contexto.dialogos.aviso(QStringLiteral("Atenção! É necessário escolher um ítem."));
        return;
    }
    m_encerrando = true;
    accept();
}

void TFpesqPadrao::fechar() {
    if (m_encerrando) return;
    m_encerrando = true;
    try {
        abrirComando(m_sqlBase, {});
    } catch (const db::ErroBanco& e) {
        m_contexto.dialogos.erroDeBanco(QStringLiteral("Não foi possível reabrir a lista."), e);
    }
    QDialog::reject();
}

void TFpesqPadrao::reject() {
    fechar();
}

}  // namespace rh::framework
