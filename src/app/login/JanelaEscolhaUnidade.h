#pragma once

#include <QComboBox>
#include <QDialog>
#include <QPushButton>

namespace rh::db {
class Dataset;
}

namespace rh::app {

// A campus choice over a campus list (CODUNIDADE, SIGLA): the drop-down
// moves the list to the chosen campus, Enter in it acts as "OK", and "OK"
// is the only way to close. The login's campus window and the campus change
// are built on it; the caller reads the choice from the list's current row.
class JanelaEscolhaUnidade : public QDialog {
    Q_OBJECT
public:
    JanelaEscolhaUnidade(db::Dataset& unidades, QWidget* parent);

    QComboBox* DBLookupComboBoxUnidades;
    QPushButton* BtnOK;

    void reject() override {}  // no close box, no Escape

Q_SIGNALS:
    void unidadeEscolhida(const QString& sigla);

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;
    db::Dataset& unidades() { return m_unidades; }

private:
    void escolher(int indice);
    db::Dataset& m_unidades;
};

}  // namespace rh::app
