#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>

#include "app/nucleo/ContextoJanela.h"
#include "app/principal/RegistroJanelas.h"

class QAction;
class QMenu;

namespace rh::app {

// The main window: a multiple-document parent, always maximised, with the
// menu through which every screen opens, the status bar with the campus and
// the version, and the end of the usage audit when it closes.
class TForm_Principal : public QMainWindow {
    Q_OBJECT
public:
    TForm_Principal(ContextoJanela& contexto, const RegistroJanelas& registro, QWidget* parent = nullptr);
    ~TForm_Principal() override;

    // Opens a screen: raises the child of exactly this class when one is
    // open, otherwise creates a new window (shown as the menu item says).
    void AbrirJanelaFilha(const QString& classe);
    // Opens the window of a menu command as that command says.
    void abrir(const QString& classe, ModoAbertura modo);

    void MudarUnidade1Click();
    // Shows the window maximised (it always is).
    void maximizar();
    void atualizarBarraDeStatus();

    QMdiArea* areaFilhas() const { return m_area; }
    QLabel* painelStatus(int indice) const { return m_paineis[indice]; }
    QAction* acaoMudarCampus() const { return m_mudarCampus; }
    // The menu item with this caption path ("&Cadastros       /Servidores").
    QAction* acaoDoMenu(const QString& caminho) const;

protected:
    void showEvent(QShowEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void montarMenu();
    QAction* item(QMenu* menu, const QString& titulo, const QString& classe, ModoAbertura modo);

    ContextoJanela& m_contexto;
    const RegistroJanelas& m_registro;
    QMdiArea* m_area;
    QLabel* m_paineis[3];
    QAction* m_mudarCampus = nullptr;
    QHash<QString, QAction*> m_acoes;
};

}  // namespace rh::app
