#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <functional>

#include "app/nucleo/ServicoExportacao.h"
#include "platform/exportacao/NomesArquivo.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace rh::app {
struct ContextoJanela;
}

namespace rh::framework {

// The export window: created once at start-up and reused for every export.
// A report window hands it the dataset it filled; the user picks the fields
// and their order, the kind of file and its name, and the window writes the
// file (a .xlsx workbook, a CSV text or an .odt document) from the first
// record to the last.
class TfExport : public QDialog, public app::ServicoExportacao {
    Q_OBJECT
public:
    // The items of "Tipo de Arquivo destino:", in their order.
    enum class Destino { Excel = 0, Csv = 1, Word = 2 };
    // Opens a finished document with the desktop's program for it; false
    // when that could not be done.
    using AberturaDocumento = std::function<bool(const QString& caminho)>;

    explicit TfExport(app::ContextoJanela& contexto, QWidget* parent = nullptr);
    ~TfExport() override;

    // Prepares the window for the dataset and runs it modally.
    void exportar(db::Dataset& dataset) override;

    // What is done with the .odt once written (the desktop's default
    // application unless replaced).
    void defineAberturaDocumento(AberturaDocumento abertura) { m_abertura = std::move(abertura); }

    Destino destino() const;
    void defineDestino(Destino destino);
    // The file the last successful export wrote (empty before any).
    const QString& arquivoGerado() const { return m_arquivoGerado; }

    // Handlers of the controls.
    void RgTipoArquivoClick();
    void BtnIncluirClick();
    void BtnIncluirTodosClick();
    void BtnExcluirClick();
    void BtnExcluirTodosClick();
    void BtnBuscaArquivoClick();
    void BtnOKClick();

    QGroupBox* RgTipoArquivo;
    QRadioButton* RbExcel;
    QRadioButton* RbCsv;
    QRadioButton* RbWord;
    QLabel* LblCampos;
    QListWidget* LstCampos;  // "Campos da tabela:" (available)
    QLabel* LblExportar;
    QListWidget* LstExportar;  // "Campos a exportar:" (chosen, in export order)
    QPushButton* BtnIncluir;
    QPushButton* BtnIncluirTodos;
    QPushButton* BtnExcluir;
    QPushButton* BtnExcluirTodos;
    QLabel* LblNome;
    QLineEdit* EdtNome;
    QLabel* LblExtensao;
    QPushButton* BtnBuscaArquivo;
    QCheckBox* ChkNovaPasta;
    QLabel* LblSeparador;
    QLineEdit* EdtSeparador;
    QLabel* PnlNota;
    QProgressBar* BarraProgresso;
    QPushButton* BtnOK;
    QPushButton* BtnCancelar;

private:
    void montarTela();
    void prepararPara(db::Dataset& dataset);
    void aplicarDestino();
    void aplicarBotoes();
    void moverSelecionados(QListWidget& origem, QListWidget& destino);
    void moverTodos(QListWidget& origem, QListWidget& destino, bool doUltimo);
    void selecionarApos(QListWidget& lista, int indice);
    QList<int> camposEscolhidos() const;
    // The name edit's text as a complete path: a relative name goes into
    // the configured export folder.
    QString caminhoDoNome(const QString& nome) const;
    QString pastaExportacao() const;
    exportacao::FormatoExportacao formato() const;

    app::ContextoJanela& m_contexto;
    QButtonGroup* m_grupoDestino;
    db::Dataset* m_dataset = nullptr;
    AberturaDocumento m_abertura;
    QString m_arquivoGerado;
};

}  // namespace rh::framework
