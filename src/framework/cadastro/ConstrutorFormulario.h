#pragma once

#include <QList>
#include <QString>
#include <initializer_list>
#include <vector>

#include "platform/ui/ComboLookup.h"
#include "platform/ui/EditorCampo.h"
#include "platform/ui/GradeDataset.h"

class QAction;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace rh::db {
class Dataset;
}
namespace rh::ui {
class Dialogos;
}

namespace rh::framework {

// Lays out the controls of a window in code, so that the many registry and
// report windows stay a few lines each: rows of caption + control on a grid
// of two caption/control pairs, group boxes and panels that nest, controls
// over the whole width (grids, lists), rows of buttons and the tab order.
//
// Rows go into the innermost open container (the target widget, a group or
// a panel) until fechar(). With a message service the builder also creates
// data-aware editors bound to a dataset's fields.
//
//   ConstrutorFormulario f(*areaDados(), &contexto.dialogos);
//   m_painel = f.painel();
//   m_nome = f.campo("Descrição:", Query(), "NOME", {ui::Caixa::Maiusculas});
//   f.fechar();
//   m_grade = f.grade(Query(), {{"NOME", "NOME DO PLANO"}});
class ConstrutorFormulario {
public:
    explicit ConstrutorFormulario(QWidget& alvo, ui::Dialogos* dialogos = nullptr);
    ConstrutorFormulario(const ConstrutorFormulario&) = delete;
    ConstrutorFormulario& operator=(const ConstrutorFormulario&) = delete;

    // Containers.
    QGroupBox* grupo(const QString& titulo);
    QFrame* painel();
    void fechar();
    // The widget new controls belong to (the innermost container).
    QWidget* pai() const;

    // A caption and its control on the next row; the caption's buddy is the
    // control (its "&" mnemonic focuses it). An empty caption leaves the
    // caption column blank.
    template <class W>
    W* linha(const QString& rotulo, W* controle) {
        adicionarLinha(rotulo, controle, nullptr, nullptr);
        return controle;
    }
    // Two caption/control pairs on one row.
    void linha(const QString& rotulo1, QWidget* controle1, const QString& rotulo2,
               QWidget* controle2);
    // A control over the whole width; esticar > 0 lets it take the spare height.
    template <class W>
    W* largo(W* controle, int esticar = 0) {
        adicionarLargo(controle, esticar);
        return controle;
    }
    // A row of buttons aligned to the right, one per action (captions,
    // enabled state and clicks follow the actions).
    QList<QPushButton*> botoes(const QList<QAction*>& acoes);
    QPushButton* botao(const QString& texto);
    // Spare height goes below what was added so far.
    void esticar();

    // Data-aware controls bound to a field of `dataset`, on their own row
    // (needs the message service).
    ui::EditorCampo* campo(const QString& rotulo, db::Dataset& dataset, const QString& nomeCampo,
                           ui::EditorCampo::Opcoes opcoes = {});
    ui::ComboLookup* lookup(const QString& rotulo, db::Dataset& dataset, const QString& nomeCampo,
                            db::Dataset& lista, const QString& campoChave,
                            const QString& campoExibido);
    ui::GradeDataset* grade(db::Dataset& dataset, QList<ui::ColunaGrade> colunas = {},
                            int esticar = 1);

    // The caption created for the last row (to adjust it).
    QLabel* ultimoRotulo() const { return m_ultimoRotulo; }

    // Tab order in the given sequence.
    static void ordemTabulacao(std::initializer_list<QWidget*> controles);

private:
    struct Nivel {
        QWidget* widget;
        QGridLayout* grade;
        int linha = 0;
    };
    void adicionarLinha(const QString& rotulo1, QWidget* controle1, const QString* rotulo2,
                        QWidget* controle2);
    void adicionarLargo(QWidget* controle, int esticar);
    void abrirContainer(QWidget* container);
    Nivel& atual() { return m_niveis.back(); }
    const Nivel& atual() const { return m_niveis.back(); }
    QLabel* criarRotulo(const QString& texto, QWidget* controle);
    ui::Dialogos& dialogos() const;

    ui::Dialogos* m_dialogos;
    std::vector<Nivel> m_niveis;
    QLabel* m_ultimoRotulo = nullptr;
};

}  // namespace rh::framework
