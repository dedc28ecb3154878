#pragma once

#include <QDialog>
#include <QStringList>

#include "framework/pesquisa/ComandosPesquisa.h"
#include "framework/pesquisa/Pesquisas.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace rh::ui {
class GradeDataset;
}

namespace rh::framework {

// The standard search ("Localizar"): filters the caller's dataset in place
// by replacing its statement with one built from the chosen field, value
// and "Tipo". Leaving with "OK" keeps the found records in the dataset;
// "&Fechar" (or Escape) puts the base statement back.
class TFpesqPadrao : public QDialog {
    Q_OBJECT
public:
    static constexpr int kAlturaSemResultado = 158;
    static constexpr int kAlturaRecolhida = 178;
    static constexpr int kAlturaDetalhes = 350;

    TFpesqPadrao(app::ContextoJanela& contexto, db::Dataset& dataset, const QString& sqlBase,
                 const ParametrosPesquisa& parametros, QWidget* parent = nullptr);

    QComboBox* comboCampos() const { return m_campos; }
    QLineEdit* editValor() const { return m_valor; }
    QGroupBox* grupoTipo() const { return m_grupoTipo; }
    QRadioButton* opcaoTipo(TipoBusca tipo) const;
    QCheckBox* caixaMaiusculas() const { return m_maiusculas; }
    QAction* acaoLocalizar() const { return m_localizar; }
    QAction* acaoProxima() const { return m_proxima; }
    QAction* acaoOk() const { return m_ok; }
    QAction* acaoFechar() const { return m_fechar; }
    QAction* acaoDetalhes() const { return m_detalhes; }
    ui::GradeDataset* grade() const { return m_grade; }
    // Names of the offered fields, in the order of the list.
    const QStringList& camposOferecidos() const { return m_oferecidos; }
    TipoBusca tipoEscolhido() const;

public Q_SLOTS:
    void localizar();
    void proxima();
    void ok();
    void fechar();
    void alternarDetalhes();
    void reject() override;  // Escape and the close button: same as "&Fechar"

private:
    void montar();
    void ativar();
    void campoMudou();
    void definirAltura(int altura);
    void esconderColunasSemTag();
    bool abrirComando(const QString& sql, const db::Parametros& parametros);

    app::ContextoJanela& m_contexto;
    db::Dataset& m_dataset;
    QString m_sqlBase;
    ParametrosPesquisa m_parametros;
    QStringList m_oferecidos;
    bool m_encerrando = false;

    QComboBox* m_campos = nullptr;
    QLineEdit* m_valor = nullptr;
    QGroupBox* m_grupoTipo = nullptr;
    QButtonGroup* m_tipos = nullptr;
    QCheckBox* m_maiusculas = nullptr;
    QWidget* m_areaDetalhes = nullptr;
    ui::GradeDataset* m_grade = nullptr;
    QAction* m_localizar = nullptr;
    QAction* m_proxima = nullptr;
    QAction* m_ok = nullptr;
    QAction* m_fechar = nullptr;
    QAction* m_detalhes = nullptr;
};

}  // namespace rh::framework
