#include "framework/cadastro/ConstrutorFormulario.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <stdexcept>

#include "platform/db/Dataset.h"

namespace rh::framework {

namespace {
// Columns of every container's grid: caption, control, caption, control.
constexpr int kColunas = 4;

QGridLayout* gradeDe(QWidget& w) {
    if (auto* g = qobject_cast<QGridLayout*>(w.layout())) return g;
    if (w.layout())
        throw std::logic_error("ConstrutorFormulario: o alvo já tem um layout que não é de grade");
    auto* g = new QGridLayout(&w);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    return g;
}
}  // namespace

ConstrutorFormulario::ConstrutorFormulario(QWidget& alvo, ui::Dialogos* dialogos)
    : m_dialogos(dialogos) {
    QGridLayout* g = gradeDe(alvo);
    m_niveis.push_back({&alvo, g, g->count() > 0 ? g->rowCount() : 0});
}

QWidget* ConstrutorFormulario::pai() const {
    return atual().widget;
}

void ConstrutorFormulario::abrirContainer(QWidget* container) {
    adicionarLargo(container, 0);
    m_niveis.push_back({container, gradeDe(*container), 0});
}

QGroupBox* ConstrutorFormulario::grupo(const QString& titulo) {
    auto* caixa = new QGroupBox(titulo, pai());
    abrirContainer(caixa);
    return caixa;
}

QFrame* ConstrutorFormulario::painel() {
    auto* quadro = new QFrame(pai());
    quadro->setFrameShape(QFrame::StyledPanel);
    quadro->setFrameShadow(QFrame::Raised);
    abrirContainer(quadro);
    return quadro;
}

void ConstrutorFormulario::fechar() {
    if (m_niveis.size() > 1) m_niveis.pop_back();
}

QLabel* ConstrutorFormulario::criarRotulo(const QString& texto, QWidget* controle) {
    auto* r = new QLabel(texto, pai());
    r->setBuddy(controle);
    r->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_ultimoRotulo = r;
    return r;
}

void ConstrutorFormulario::adicionarLinha(const QString& rotulo1, QWidget* controle1,
                                          const QString* rotulo2, QWidget* controle2) {
    Nivel& n = atual();
    controle1->setParent(pai());
    if (!rotulo1.isEmpty()) n.grade->addWidget(criarRotulo(rotulo1, controle1), n.linha, 0);
    // A single pair takes the whole row.
    n.grade->addWidget(controle1, n.linha, 1, 1, controle2 ? 1 : kColunas - 1);
    if (controle2) {
        controle2->setParent(pai());
        if (rotulo2 && !rotulo2->isEmpty())
            n.grade->addWidget(criarRotulo(*rotulo2, controle2), n.linha, 2);
        n.grade->addWidget(controle2, n.linha, 3);
    }
    ++n.linha;
}

void ConstrutorFormulario::linha(const QString& rotulo1, QWidget* controle1, const QString& rotulo2,
                                 QWidget* controle2) {
    adicionarLinha(rotulo1, controle1, &rotulo2, controle2);
}

void ConstrutorFormulario::adicionarLargo(QWidget* controle, int esticar) {
    Nivel& n = atual();
    controle->setParent(pai());
    n.grade->addWidget(controle, n.linha, 0, 1, kColunas);
    if (esticar > 0) n.grade->setRowStretch(n.linha, esticar);
    ++n.linha;
}

QList<QPushButton*> ConstrutorFormulario::botoes(const QList<QAction*>& acoes) {
    auto* faixa = new QWidget(pai());
    auto* h = new QHBoxLayout(faixa);
    h->setContentsMargins(0, 0, 0, 0);
    h->addStretch(1);
    QList<QPushButton*> criados;
    for (QAction* a : acoes) {
        auto* b = new QPushButton(a->text(), faixa);
        b->setToolTip(a->toolTip());
        b->setEnabled(a->isEnabled());
        b->setVisible(a->isVisible());
        QObject::connect(b, &QPushButton::clicked, a, &QAction::trigger);
        QObject::connect(a, &QAction::changed, b, [a, b] {
            b->setText(a->text());
            b->setToolTip(a->toolTip());
            b->setEnabled(a->isEnabled());
            b->setVisible(a->isVisible());
        });
        h->addWidget(b);
        criados << b;
    }
    adicionarLargo(faixa, 0);
    return criados;
}

QPushButton* ConstrutorFormulario::botao(const QString& texto) {
    auto* b = new QPushButton(texto, pai());
    adicionarLinha(QString(), b, nullptr, nullptr);
    return b;
}

void ConstrutorFormulario::esticar() {
    Nivel& n = atual();
    n.grade->setRowStretch(n.linha, 1);
    ++n.linha;
}

ui::Dialogos& ConstrutorFormulario::dialogos() const {
    if (!m_dialogos)
        throw std::logic_error(
            "ConstrutorFormulario: controles de dados pedem o serviço de mensagens");
    return *m_dialogos;
}

ui::EditorCampo* ConstrutorFormulario::campo(const QString& rotulo, db::Dataset& dataset,
                                             const QString& nomeCampo,
                                             ui::EditorCampo::Opcoes opcoes) {
    auto* e = new ui::EditorCampo(dialogos(), pai());
    e->defineOpcoes(opcoes);
    e->vincular(dataset, nomeCampo);
    return linha(rotulo, e);
}

ui::ComboLookup* ConstrutorFormulario::lookup(const QString& rotulo, db::Dataset& dataset,
                                              const QString& nomeCampo, db::Dataset& lista,
                                              const QString& campoChave,
                                              const QString& campoExibido) {
    auto* c = new ui::ComboLookup(dialogos(), pai());
    c->defineLista(lista, campoChave, campoExibido);
    c->vincular(dataset, nomeCampo);
    return linha(rotulo, c);
}

ui::GradeDataset* ConstrutorFormulario::grade(db::Dataset& dataset, QList<ui::ColunaGrade> colunas,
                                              int esticar) {
    auto* g = new ui::GradeDataset(pai());
    g->vincular(dataset, std::move(colunas));
    return largo(g, esticar);
}

void ConstrutorFormulario::ordemTabulacao(std::initializer_list<QWidget*> controles) {
    QWidget* anterior = nullptr;
    for (QWidget* w : controles) {
        if (anterior && w) QWidget::setTabOrder(anterior, w);
        if (w) anterior = w;
    }
}

}  // namespace rh::framework
