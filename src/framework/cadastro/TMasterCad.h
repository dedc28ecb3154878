#pragma once

#include <QString>

#include "framework/cadastro/EstadoCadastro.h"
#include "framework/cadastro/TMaster.h"
#include "framework/pesquisa/Pesquisas.h"
#include "platform/db/Dataset.h"

class QAction;
class QLabel;
class QToolBar;

namespace rh::app {
struct ContextoJanela;
}
namespace rh::ui {
class EditorVinculado;
}

namespace rh::framework {

// The registration master form: one registry over one dataset (`Query`),
// the toolbar `PainelDock` and the menu bound to the same commands, the
// status line, the browse/edit rules and a database transaction level per
// edit, under the connection's depth convention.
//
// A registry window derives from it and, in its constructor, gives the
// caption, the statement, update table and fields of Query (tags: 1
// required, 2 searchable, 3 both), its controls (inside areaDados()) and its
// search parameters. The window's whole life is one modal run (the opener
// runs it and destroys it).
//
// A descendant extends a command by overriding its method and calling the
// inherited one where its own steps belong, before or after:
//
//   void novo() override { m_painel->setEnabled(true); TMasterCad::novo();
//   campo("X").defineValor(0); }
//
// salvar() leaves SalvouOK() true only when the record was written.
class TMasterCad : public TMaster {
    Q_OBJECT
public:
    explicit TMasterCad(app::ContextoJanela& contexto, QWidget* parent = nullptr);
    ~TMasterCad() override;

    db::Dataset& Query() { return m_query; }
    const QString& SQLBase() const { return m_sqlBase; }
    bool SalvouOK() const { return m_salvouOK; }
    const ParametrosPesquisa& parametrosPesquisa() const { return m_parametros; }
    EstadoCadastro& estado() { return m_estado; }
    // Whether the current edit holds a level of the transaction depth.
    bool nivelAberto() const { return m_nivelAberto; }

    QAction* actNovo() const { return m_actNovo; }
    QAction* actEditar() const { return m_actEditar; }
    QAction* actExcluir() const { return m_actExcluir; }
    QAction* actSalvar() const { return m_actSalvar; }
    QAction* actCancelar() const { return m_actCancelar; }
    QAction* actLocalizar() const { return m_actLocalizar; }
    QAction* actLocalizarProxima() const { return m_actLocalizarProxima; }
    QAction* actImprimir() const { return m_actImprimir; }
    QAction* actAjuda() const { return m_actAjuda; }
    QAction* actSobre() const { return m_actSobre; }
    QAction* actFechar() const { return m_actFechar; }
    QAction* acao(AcaoCadastro acao) const;
    QToolBar* PainelDock() const { return m_painelDock; }
    QLabel* painelStatus(int indice) const;
    // Where a descendant puts its controls.
    QWidget* areaDados() const { return m_areaDados; }

    // The commands. Each runs inside a guard: a database failure that the
    // command does not handle itself is shown, and the actions are set
    // again from the dataset's state.
    virtual void novo();
    virtual void editar();
    virtual void excluir();
    virtual void salvar();
    virtual void cancelar();
    virtual void localizar();
    virtual void localizarProxima();
    // The window's report; enabled only after habilitarImpressao().
    virtual void imprimir() {}
    virtual void sobre();

    // Browse and edit enabling rules.
    void AtualizaAcoes();
    void ModoEdicao();

    // Runs when the window becomes active (also after a modal box over it
    // closes): SQLBase := Query's statement, origins default to field names,
    // Query opens if closed, the actions follow the state.
    virtual void ativar();

protected:
    app::ContextoJanela& contexto() const { return m_contexto; }
    db::Conexao& conexao() const;

    void defineParametrosPesquisa(const QString& tabela, const QString& titulo,
                                  const QString& colunas = {}, const QString& condicaoBase = {});
    // Gives printing a handler (the command's tag 1): "Imprimir..." is
    // enabled when Query has records.
    void habilitarImpressao();

    // Close query: answers whether the window may close (asks "Deseja
    // SALVAR?" while editing) and ends its transaction levels.
    virtual bool podeFechar();
    // After the window was allowed to close: clears the search parameters
    // and SQLBase. Descendants close their own lists, then call this.
    virtual void aoFechar();

    // Closes Query, gives it SQLBase again and reopens it.
    void recarregar();
    // The bound editor of a field of Query, if the window has one.
    ui::EditorVinculado* editorDoCampo(const QString& nomeCampo) const;

    void closeEvent(QCloseEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    void montarAcoes();
    void montarMenu();
    void montarPainelDock();
    void montarStatus();
    void ligarQuery();
    void aplicarEstado(AcoesCadastro habilitadas);
    void sincronizarAcoes();
    template <class F>
    void protegido(F&& comando);
    bool gravarEditoresPendentes();
    bool obrigatoriosPreenchidos();
    void iniciarNivel();
    void liberarNivel(bool confirmar);
    void abandonarEdicao();
    QString mensagemExclusao() const;

    app::ContextoJanela& m_contexto;
    db::Dataset m_query;
    EstadoCadastro m_estado;
    ParametrosPesquisa m_parametros;
    QString m_sqlBase;
    bool m_salvouOK = true;
    bool m_nivelAberto = false;
    bool m_fechada = false;

    QAction* m_actNovo = nullptr;
    QAction* m_actEditar = nullptr;
    QAction* m_actExcluir = nullptr;
    QAction* m_actSalvar = nullptr;
    QAction* m_actCancelar = nullptr;
    QAction* m_actLocalizar = nullptr;
    QAction* m_actLocalizarProxima = nullptr;
    QAction* m_actImprimir = nullptr;
    QAction* m_actAjuda = nullptr;
    QAction* m_actSobre = nullptr;
    QAction* m_actFechar = nullptr;
    QToolBar* m_painelDock = nullptr;
    QLabel* m_status[2] = {nullptr, nullptr};
    QWidget* m_areaDados = nullptr;
};

}  // namespace rh::framework
