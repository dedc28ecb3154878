#pragma once

#include <QDialog>
#include <QStringList>

#include "framework/pesquisa/ComandosPesquisa.h"
#include "framework/pesquisa/Pesquisas.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QToolBar;
class QToolButton;

namespace rh::ui {
class GradeDataset;
}

namespace rh::framework {

// The table search ("Pesquisa"): searches a table or view over the columns
// of a template dataset into its own result grid and returns the key and
// text of the record the user picks.
class TfrmPesquisaTabelas : public QDialog {
    Q_OBJECT
public:
    TfrmPesquisaTabelas(app::ContextoJanela& contexto, db::Dataset& modelo, const QString& tabela,
                        const QString& titulo, const QString& campoChave, const QString& campoTexto,
                        const QString& campoPadrao, QWidget* parent = nullptr);

    // What the user chose (valid after the dialog closed with "  &Escolher  ").
    const EscolhaPesquisa& escolha() const { return m_escolha; }

    QComboBox* comboCampos() const { return m_campos; }
    QLineEdit* editValor() const { return m_valor; }
    QComboBox* comboCondicao() const { return m_condicao; }
    QAction* acaoPesquisar() const { return m_pesquisar; }
    QAction* acaoEscolher() const { return m_escolher; }
    QAction* acaoCancelar() const { return m_cancelar; }
    ui::GradeDataset* grade() const { return m_grade; }
    db::Dataset& QryPesquisaTabelas() const { return *m_resultado; }
    const QStringList& camposDoModelo() const { return m_nomes; }

public Q_SLOTS:
    void pesquisar();
    void escolher();
    void cancelar();

private:
    void montar();
    void ativar(const QString& campoPadrao);
    void campoMudou();
    void atualizarPesquisar();
    db::TipoDado tipoDoCampo(int indice) const;

    app::ContextoJanela& m_contexto;
    db::Dataset& m_modelo;
    QString m_tabela;
    QString m_campoChave;
    QString m_campoTexto;
    QStringList m_nomes;  // the template's columns, in field order
    QList<db::TipoDado> m_tipos;
    EscolhaPesquisa m_escolha;

    db::Dataset* m_resultado = nullptr;
    QComboBox* m_campos = nullptr;
    QLineEdit* m_valor = nullptr;
    QComboBox* m_condicao = nullptr;
    ui::GradeDataset* m_grade = nullptr;
    QAction* m_pesquisar = nullptr;
    QAction* m_escolher = nullptr;
    QAction* m_cancelar = nullptr;
};

}  // namespace rh::framework
