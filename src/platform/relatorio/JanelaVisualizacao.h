#pragma once

#include <QDialog>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QPrinter;
class QScrollArea;
class QSpinBox;

namespace rh::relatorio {

struct Documento;
class WidgetPagina;

// Print preview of a generated report: opens maximised at 100 % zoom, pages
// one at a time. Keys: PgUp/PgDn, Home/End, +/-, Ctrl+P (print), Ctrl+S (PDF).
class JanelaVisualizacao : public QDialog {
    Q_OBJECT
public:
    explicit JanelaVisualizacao(std::shared_ptr<const Documento> documento, QWidget* parent = nullptr);

    // Asks where to save the PDF; an empty answer cancels. The default is a file dialog.
    void setEscolherArquivoPdf(std::function<QString()> escolher) { m_escolherArquivo = std::move(escolher); }
    // Sets up the printer; false cancels. The default is the printer dialog.
    void setPrepararImpressora(std::function<bool(QPrinter&)> preparar) { m_prepararImpressora = std::move(preparar); }
    // Shows a failure to print or save. The default is a warning box.
    void setAvisarErro(std::function<void(const QString&)> avisar) { m_avisarErro = std::move(avisar); }

    int paginaAtual() const { return m_pagina; }  // 0-based
    int quantidadePaginas() const;
    double zoom() const;

public Q_SLOTS:
    void irParaPagina(int indice);
    void primeiraPagina();
    void paginaAnterior();
    void proximaPagina();
    void ultimaPagina();
    void ampliar();
    void reduzir();
    void ajustarLargura();
    void setZoom(double zoom);
    void imprimir();
    void salvarPdf();

private:
    QAction* criarAcao(const QString& texto, const QList<QKeySequence>& teclas, void (JanelaVisualizacao::*slot)());
    void atualizar();

    std::shared_ptr<const Documento> m_documento;
    int m_pagina = 0;
    WidgetPagina* m_widgetPagina = nullptr;
    QScrollArea* m_rolagem = nullptr;
    QSpinBox* m_caixaPagina = nullptr;
    QLabel* m_rotuloTotal = nullptr;
    QLabel* m_rotuloZoom = nullptr;
    QAction* m_acaoPrimeira = nullptr;
    QAction* m_acaoAnterior = nullptr;
    QAction* m_acaoProxima = nullptr;
    QAction* m_acaoUltima = nullptr;
    std::function<QString()> m_escolherArquivo;
    std::function<bool(QPrinter&)> m_prepararImpressora;
    std::function<void(const QString&)> m_avisarErro;
};

}  // namespace rh::relatorio
