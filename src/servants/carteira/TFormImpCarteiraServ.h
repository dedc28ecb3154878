#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <memory>

#include "platform/db/Dataset.h"
#include "servants/carteira/RelatorioCarteira.h"

class QComboBox;
class QPushButton;

namespace rh::app {
struct ContextoJanela;
}
namespace rh::ui {
class GradeDataset;
}

namespace rh::servants {

// Prints servants' functional identity cards and records new copies ("vias")
// of them. Lists every servant (category "S" with an employment row) by
// name; the user selects one or more and prints their cards (JIS B5, four a
// page, in matriculation order) or records a new copy for each.
class TFormImpCarteiraServ : public QWidget {
    Q_OBJECT
public:
    explicit TFormImpCarteiraServ(app::ContextoJanela& contexto, QWidget* parent = nullptr);
    ~TFormImpCarteiraServ() override;

    // The servant list, with the calculated CODBARRA and DESCRVIA.
    db::Dataset& qrServidores() { return m_qrServidores; }
    ui::GradeDataset* dbgServidores() const { return m_dbgServidores; }
    QComboBox* cbNome() const { return m_cbNome; }
    QPushButton* btnAlteraVia() const { return m_btnAlteraVia; }
    QPushButton* btnImprimir() const { return m_btnImprimir; }
    RelatorioCarteira& repServidores() { return m_repServidores; }

    // Where the cards' print query runs: the configured card connection, or
    // the main connection when the configuration says so.
    db::Conexao& conexaoImpressao();

    // Cards go to this PDF file instead of the preview (empty: preview).
    void defineSaidaPdf(const QString& caminho) { m_saidaPdf = caminho; }

    // Opens the servant list unless it is open.
    void abrirLista();

public Q_SLOTS:
    // "Altera Via Seleção": one new copy for every selected servant, all or
    // none; then the list is read again.
    void AlteraViaSelecaoClick();
    // "Imprimir Seleção": the selected servants' cards; afterwards the
    // printed servant with the highest matriculation is current and the
    // selection is as it was.
    void ImprimirSelecaoClick();

protected:
    bool event(QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    QList<QVariant> valoresSelecionados(const QString& campo, const QList<int>& linhas) const;
    void restaurarSelecao(const QList<int>& linhas);
    void mostrarCartoes(const std::shared_ptr<const relatorio::Documento>& documento);

    app::ContextoJanela& m_contexto;
    db::Dataset m_qrServidores;
    std::unique_ptr<db::Conexao> m_dbprax;
    RelatorioCarteira m_repServidores;
    QString m_saidaPdf;

    QComboBox* m_cbNome = nullptr;
    ui::GradeDataset* m_dbgServidores = nullptr;
    QPushButton* m_btnAlteraVia = nullptr;
    QPushButton* m_btnImprimir = nullptr;
};

}  // namespace rh::servants
