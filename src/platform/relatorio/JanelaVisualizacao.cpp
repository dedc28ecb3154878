#include "platform/relatorio/JanelaVisualizacao.h"

#include "platform/relatorio/Documento.h"
#include "platform/relatorio/Saida.h"
#include "platform/relatorio/WidgetPagina.h"
#include "platform/ui/Maximizar.h"

#include <QAction>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace rh::relatorio {

namespace {
const double kZooms[] = {0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};
}

JanelaVisualizacao::JanelaVisualizacao(std::shared_ptr<const Documento> documento, QWidget* parent)
    : QDialog(parent), m_documento(std::move(documento)) {
    setWindowTitle(m_documento->nome.isEmpty() ? QStringLiteral("Visualização da impressão")
                                                : m_documento->nome);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    ui::maximizar(*this);

    auto* barra = new QToolBar(this);
    m_acaoPrimeira = criarAcao(QStringLiteral("Primeira"), {QKeySequence(Qt::Key_Home), QKeySequence(Qt::CTRL | Qt::Key_Home)},
                               &JanelaVisualizacao::primeiraPagina);
    m_acaoAnterior = criarAcao(QStringLiteral("Anterior"), {QKeySequence(Qt::Key_PageUp)},
                               &JanelaVisualizacao::paginaAnterior);
    m_acaoProxima = criarAcao(QStringLiteral("Próxima"), {QKeySequence(Qt::Key_PageDown)},
                              &JanelaVisualizacao::proximaPagina);
    m_acaoUltima = criarAcao(QStringLiteral("Última"), {QKeySequence(Qt::Key_End), QKeySequence(Qt::CTRL | Qt::Key_End)},
                             &JanelaVisualizacao::ultimaPagina);
    barra->addAction(m_acaoPrimeira);
    barra->addAction(m_acaoAnterior);
    m_caixaPagina = new QSpinBox(barra);
    m_caixaPagina->setRange(1, std::max(1, quantidadePaginas()));
    m_caixaPagina->setAccessibleName(QStringLiteral("Página"));
    barra->addWidget(m_caixaPagina);
    m_rotuloTotal = new QLabel(QStringLiteral(" de %1 ").arg(quantidadePaginas()), barra);
    barra->addWidget(m_rotuloTotal);
    barra->addAction(m_acaoProxima);
    barra->addAction(m_acaoUltima);
    barra->addSeparator();
    barra->addAction(criarAcao(QStringLiteral("Reduzir"), {QKeySequence(Qt::Key_Minus), QKeySequence::ZoomOut},
                               &JanelaVisualizacao::reduzir));
    m_rotuloZoom = new QLabel(barra);
    barra->addWidget(m_rotuloZoom);
    barra->addAction(criarAcao(QStringLiteral("Ampliar"),
                               {QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal), QKeySequence::ZoomIn},
                               &JanelaVisualizacao::ampliar));
    barra->addAction(criarAcao(QStringLiteral("Largura da página"), {QKeySequence(Qt::CTRL | Qt::Key_W)},
                               &JanelaVisualizacao::ajustarLargura));
    barra->addSeparator();
    barra->addAction(criarAcao(QStringLiteral("Imprimir"), {QKeySequence(Qt::CTRL | Qt::Key_P)},
                               &JanelaVisualizacao::imprimir));
    barra->addAction(criarAcao(QStringLiteral("Salvar PDF"), {QKeySequence(Qt::CTRL | Qt::Key_S)},
                               &JanelaVisualizacao::salvarPdf));
    auto* fechar = new QAction(QStringLiteral("Fechar"), this);
    fechar->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(fechar, &QAction::triggered, this, &QDialog::reject);
    barra->addAction(fechar);

    m_widgetPagina = new WidgetPagina(m_documento);
    m_rolagem = new QScrollArea(this);
    m_rolagem->setBackgroundRole(QPalette::Dark);
    m_rolagem->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_rolagem->setWidget(m_widgetPagina);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(barra);
    layout->addWidget(m_rolagem);

    connect(m_caixaPagina, &QSpinBox::valueChanged, this, [this](int numero) { irParaPagina(numero - 1); });

    m_escolherArquivo = [this] {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Salvar como PDF"), QString(),
                                            QStringLiteral("Arquivos PDF (*.pdf)"));
    };
    m_prepararImpressora = [this](QPrinter& impressora) {
        QPrintDialog dialogo(&impressora, this);
        return dialogo.exec() == QDialog::Accepted;
    };
    m_avisarErro = [this](const QString& mensagem) {
        QMessageBox::warning(this, windowTitle(), mensagem);
    };
    atualizar();
}

QAction* JanelaVisualizacao::criarAcao(const QString& texto, const QList<QKeySequence>& teclas,
                                       void (JanelaVisualizacao::*slot)()) {
    auto* acao = new QAction(texto, this);
    acao->setShortcuts(teclas);
    acao->setShortcutContext(Qt::WindowShortcut);
    acao->setToolTip(teclas.isEmpty() ? texto
                                      : QStringLiteral("%1 (%2)").arg(texto, teclas.first().toString(QKeySequence::NativeText)));
    connect(acao, &QAction::triggered, this, slot);
    addAction(acao);
    return acao;
}

int JanelaVisualizacao::quantidadePaginas() const { return static_cast<int>(m_documento->paginas.size()); }

double JanelaVisualizacao::zoom() const { return m_widgetPagina->zoom(); }

void JanelaVisualizacao::irParaPagina(int indice) {
    const int limitado = std::clamp(indice, 0, std::max(0, quantidadePaginas() - 1));
    if (limitado == m_pagina && m_caixaPagina->value() == limitado + 1) return;
    m_pagina = limitado;
    m_rolagem->verticalScrollBar()->setValue(0);
    atualizar();
}

void JanelaVisualizacao::primeiraPagina() { irParaPagina(0); }
void JanelaVisualizacao::paginaAnterior() { irParaPagina(m_pagina - 1); }
void JanelaVisualizacao::proximaPagina() { irParaPagina(m_pagina + 1); }
void JanelaVisualizacao::ultimaPagina() { irParaPagina(quantidadePaginas() - 1); }

void JanelaVisualizacao::ampliar() {
    for (double z : kZooms) {
        if (z > zoom() + 1e-6) {
            setZoom(z);
            return;
        }
    }
}

void JanelaVisualizacao::reduzir() {
    for (auto it = std::rbegin(kZooms); it != std::rend(kZooms); ++it) {
        if (*it < zoom() - 1e-6) {
            setZoom(*it);
            return;
        }
    }
}

void JanelaVisualizacao::ajustarLargura() {
    const double disponivel = m_rolagem->viewport()->width() - 20;
    const double natural = m_widgetPagina->tamanhoNatural().width();
    if (natural > 0 && disponivel > 0) setZoom(disponivel / natural);
}

void JanelaVisualizacao::setZoom(double zoom) {
    m_widgetPagina->setZoom(std::clamp(zoom, 0.1, 8.0));
    atualizar();
}

void JanelaVisualizacao::atualizar() {
    {
        const QSignalBlocker bloqueio(m_caixaPagina);
        m_caixaPagina->setValue(m_pagina + 1);
    }
    m_widgetPagina->setPagina(m_pagina);
    m_rotuloZoom->setText(QStringLiteral(" %1 % ").arg(qRound(zoom() * 100)));
    m_acaoPrimeira->setEnabled(m_pagina > 0);
    m_acaoAnterior->setEnabled(m_pagina > 0);
    m_acaoProxima->setEnabled(m_pagina + 1 < quantidadePaginas());
    m_acaoUltima->setEnabled(m_pagina + 1 < quantidadePaginas());
}

void JanelaVisualizacao::imprimir() {
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setPageLayout(m_documento->configuracao.layoutPagina());
    impressora.setFromTo(1, quantidadePaginas());
    if (!m_prepararImpressora || !m_prepararImpressora(impressora)) return;
    const ResultadoSaida resultado = rh::relatorio::imprimir(*m_documento, impressora);
    if (!resultado.ok && m_avisarErro) m_avisarErro(resultado.erro);
}

void JanelaVisualizacao::salvarPdf() {
    if (!m_escolherArquivo) return;
    QString caminho = m_escolherArquivo();
    if (caminho.isEmpty()) return;
    if (!caminho.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) caminho += QLatin1String(".pdf");
    const ResultadoSaida resultado = renderizarPdf(*m_documento, caminho);
    if (!resultado.ok && m_avisarErro) m_avisarErro(resultado.erro);
}

}  // namespace rh::relatorio
