#pragma once

#include <QDialog>
#include <memory>

#include "app/nucleo/ContextoJanela.h"
#include "platform/db/Dataset.h"
#include "reports/base/FiltroRelatorio.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTabWidget;
class QToolButton;
class QVBoxLayout;

namespace rh::relatorio {
class ItemTexto;
class Relatorio;
struct Documento;
}  // namespace rh::relatorio

namespace rh::reports {

class ComboLista;

// The filter window most servant reports and label runs share: category,
// situation, sex, campus, a name range or a list of chosen names, admission
// period and order. A report window derives from it, writes its statement
// into Query (the filter appends its markers when the window is shown), sets
// ppReport and its filter labels, and adds its own controls to areaExtra().
// "Im&primir" previews ppReport over the filtered rows; "&Exportar" hands the
// rows to the export window. The window lives through one modal run: the
// opener runs it right after constructing it and then destroys it.
class TMasterRelatorio : public QDialog {
    Q_OBJECT
public:
    enum class Destino { Imprimir, Exportar };

    explicit TMasterRelatorio(app::ContextoJanela& contexto, QWidget* parent = nullptr);
    ~TMasterRelatorio() override;

    // The run of "Im&primir" / "&Exportar". A report window may override it
    // and call this one after its own preparations.
    virtual void executar(Destino destino);

    // The statement of the last run, with its parameter values.
    const std::optional<ComandoFiltrado>& ultimoComando() const { return m_ultimoComando; }
    // The choices as the controls show them now.
    EscolhasFiltro escolhas() const;
    // Abbreviation of the campus the filter uses ("TODAS AS UNIDADES" for all).
    QString siglaUnidadeEscolhida() const;
    bool pensionistas() const;

    // Controls, for report windows and tests.
    QComboBox& comboCategoria() const { return *m_categoria; }
    ComboLista& lookupSituacao() const { return *m_situacao; }
    QComboBox& comboSituacaoPensionista() const { return *m_situacaoPensionista; }
    QComboBox& comboSexo() const { return *m_sexo; }
    ComboLista& lookupUnidade() const { return *m_unidade; }
    QComboBox& comboOrdem() const { return *m_ordem; }
    QLineEdit& admissaoInicial() const { return *m_admissaoDe; }
    QLineEdit& admissaoFinal() const { return *m_admissaoAte; }
    QTabWidget& paginasNome() const { return *m_paginas; }
    ComboLista& nomeInicial() const { return *m_nomeDe; }
    ComboLista& nomeFinal() const { return *m_nomeAte; }
    ComboLista& nomeIndividual() const { return *m_nomeIndividual; }
    QTableWidget& listaNomes() const { return *m_listaNomes; }
    QPushButton& botaoImprimir() const { return *m_imprimir; }
    QPushButton& botaoExportar() const { return *m_exportar; }
    QPushButton& botaoFechar() const { return *m_fechar; }
    QPlainTextEdit& caixaComando() const { return *m_caixaComando; }

public Q_SLOTS:
    void acrescentarNome();        // F8
    void excluirNomeSelecionado();  // F9
    void excluirTodosNomes();       // F10
    void alternarCaixaComando();    // Ctrl+Shift+Alt+F12

protected:
    // Where a report window puts its own controls (above the buttons).
    QVBoxLayout& areaExtra() const { return *m_areaExtra; }
    // Prints the report of a run over the filtered rows; the default previews
    // it. The filter labels are already filled.
    virtual void imprimirRelatorio(relatorio::Relatorio& relatorio);
    // The document of a report over Query's rows; fields the rows lack (a
    // pensioners' list printed in a servants' layout) print blank.
    std::shared_ptr<relatorio::Documento> gerarDocumento(relatorio::Relatorio& relatorio);

    void showEvent(QShowEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void done(int resultado) override;

    app::ContextoJanela& m_contexto;

    // Settings of the report window.
    QString sqlORIG;
    QString OrderBy;
    QString Where;
    db::Parametros ParametrosWhere;  // parameters of Where
    relatorio::ItemTexto* ppLabelCategoriaX = nullptr;
    relatorio::ItemTexto* ppLabelSituacaoX = nullptr;
    relatorio::ItemTexto* ppLabelSexoX = nullptr;
    relatorio::Relatorio* ppReport = nullptr;

public:
    db::Dataset Query;  // the report's rows (main connection)

private:
    void montarTela();
    void prepararAoMostrar();
    void categoriaMudou();
    void paginaMudou(int pagina);
    void ligarListasDeNomes(db::Dataset& inicial, db::Dataset& final);
    void irParaIndividual();
    void limparLista();
    void focarCampo(CampoFiltro campo);

    bool m_preparada = false;
    bool m_listasPensionistasAbertas = false;
    db::Dataset m_pensionistasOrd;
    db::Dataset m_pensionistasDesc;
    std::optional<ComandoFiltrado> m_ultimoComando;

    QTabWidget* m_paginas = nullptr;
    ComboLista* m_nomeDe = nullptr;
    ComboLista* m_nomeAte = nullptr;
    ComboLista* m_nomeIndividual = nullptr;
    QToolButton* m_acrescentar = nullptr;
    QToolButton* m_excluir = nullptr;
    QToolButton* m_excluirTodos = nullptr;
    QTableWidget* m_listaNomes = nullptr;
    QComboBox* m_categoria = nullptr;
    ComboLista* m_situacao = nullptr;
    QComboBox* m_situacaoPensionista = nullptr;
    QComboBox* m_sexo = nullptr;
    ComboLista* m_unidade = nullptr;
    QComboBox* m_ordem = nullptr;
    QLineEdit* m_admissaoDe = nullptr;
    QLineEdit* m_admissaoAte = nullptr;
    QVBoxLayout* m_areaExtra = nullptr;
    QPushButton* m_imprimir = nullptr;
    QPushButton* m_exportar = nullptr;
    QPushButton* m_fechar = nullptr;
    QPlainTextEdit* m_caixaComando = nullptr;
};

}  // namespace rh::reports
