#include "framework/exportacao/TfExport.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "app/nucleo/ContextoJanela.h"
#include "framework/exportacao/ExportacaoDataset.h"
#include "platform/db/Dataset.h"
#include "platform/db/ErroBanco.h"
#include "platform/exportacao/ErroExportacao.h"
#include "platform/ui/Dialogos.h"
#include "platform/ui/ExecutorJanelas.h"

namespace rh::framework {

namespace {

// The entry of a list carries the field's position in the dataset.
constexpr int kPapelCampo = Qt::UserRole;

// The name a dataset without an object name gets in the name edit.
const char* const kNomePadrao = "exportacao";

bool abrirComProgramaPadrao(const QString& caminho) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(caminho));
}

}  // namespace

TfExport::TfExport(app::ContextoJanela& contexto, QWidget* parent)
    : QDialog(parent), m_contexto(contexto), m_abertura(&abrirComProgramaPadrao) {
    montarTela();
    aplicarDestino();
    aplicarBotoes();
}

TfExport::~TfExport() = default;

void TfExport::montarTela() {
    setObjectName(QStringLiteral("fExport"));
    setWindowTitle(QStringLiteral("Exportação de dados"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(566, 425);

    auto* principal = new QVBoxLayout(this);

    RgTipoArquivo = new QGroupBox(QStringLiteral("Tipo de Arquivo destino:  "), this);
    auto* linhaTipos = new QHBoxLayout(RgTipoArquivo);
    RbExcel = new QRadioButton(QStringLiteral("Microsoft &Excel"), RgTipoArquivo);
    RbCsv = new QRadioButton(QStringLiteral("&Texto CSV"), RgTipoArquivo);
    RbWord = new QRadioButton(QStringLiteral("Microsoft &Word"), RgTipoArquivo);
    m_grupoDestino = new QButtonGroup(this);
    m_grupoDestino->addButton(RbExcel, int(Destino::Excel));
    m_grupoDestino->addButton(RbCsv, int(Destino::Csv));
    m_grupoDestino->addButton(RbWord, int(Destino::Word));
    for (QRadioButton* b : {RbExcel, RbCsv, RbWord}) linhaTipos->addWidget(b, 1);
    RbCsv->setChecked(true);
    principal->addWidget(RgTipoArquivo);

    auto* linhaListas = new QHBoxLayout;
    auto* colunaCampos = new QVBoxLayout;
    LblCampos = new QLabel(QStringLiteral("Campos da tabela:"), this);
    LstCampos = new QListWidget(this);
    LblCampos->setBuddy(LstCampos);
    colunaCampos->addWidget(LblCampos);
    colunaCampos->addWidget(LstCampos);
    auto* colunaBotoes = new QVBoxLayout;
    BtnIncluir = new QPushButton(QStringLiteral(">"), this);
    BtnIncluirTodos = new QPushButton(QStringLiteral(">>"), this);
    BtnExcluir = new QPushButton(QStringLiteral("<"), this);
    BtnExcluirTodos = new QPushButton(QStringLiteral("<<"), this);
    colunaBotoes->addStretch();
    for (QPushButton* b : {BtnIncluir, BtnIncluirTodos, BtnExcluir, BtnExcluirTodos}) {
        b->setFixedWidth(32);
        b->setAutoDefault(false);
        colunaBotoes->addWidget(b);
    }
    colunaBotoes->addStretch();
    auto* colunaExportar = new QVBoxLayout;
    LblExportar = new QLabel(QStringLiteral("Campos a exportar:"), this);
    LstExportar = new QListWidget(this);
    LblExportar->setBuddy(LstExportar);
    colunaExportar->addWidget(LblExportar);
    colunaExportar->addWidget(LstExportar);
    for (QListWidget* l : {LstCampos, LstExportar})
        l->setSelectionMode(QAbstractItemView::ExtendedSelection);
    linhaListas->addLayout(colunaCampos, 1);
    linhaListas->addLayout(colunaBotoes);
    linhaListas->addLayout(colunaExportar, 1);
    principal->addLayout(linhaListas, 1);

    auto* grade = new QGridLayout;
    LblNome = new QLabel(QStringLiteral("Nome do Arquivo:"), this);
    EdtNome = new QLineEdit(this);
    LblNome->setBuddy(EdtNome);
    BtnBuscaArquivo = new QPushButton(QStringLiteral("..."), this);
    BtnBuscaArquivo->setToolTip(QStringLiteral("BUSCA ARQUIVO"));
    BtnBuscaArquivo->setFixedWidth(32);
    BtnBuscaArquivo->setAutoDefault(false);
    LblExtensao = new QLabel(QStringLiteral("não colocar a extensão do arquivo"), this);
    ChkNovaPasta = new QCheckBox(QStringLiteral("Nova pasta"), this);
    ChkNovaPasta->setChecked(true);
    LblSeparador = new QLabel(QStringLiteral("Separador de colunas:"), this);
    EdtSeparador = new QLineEdit(QStringLiteral(";"), this);
    EdtSeparador->setFixedWidth(40);
    LblSeparador->setBuddy(EdtSeparador);
    grade->addWidget(LblNome, 0, 0);
    grade->addWidget(EdtNome, 0, 1, 1, 3);
    grade->addWidget(BtnBuscaArquivo, 0, 4);
    grade->addWidget(LblExtensao, 1, 1, 1, 3);
    grade->addWidget(ChkNovaPasta, 2, 1);
    grade->addWidget(LblSeparador, 2, 2, Qt::AlignRight);
    grade->addWidget(EdtSeparador, 2, 3);
    grade->setColumnStretch(1, 1);
    principal->addLayout(grade);

    PnlNota = new QLabel(this);
    PnlNota->setWordWrap(true);
    PnlNota->setAutoFillBackground(true);
    PnlNota->setMargin(4);
    QPalette nota = PnlNota->palette();
    nota.setColor(QPalette::Window, QColor(255, 255, 160));
    nota.setColor(QPalette::WindowText, Qt::black);
    PnlNota->setPalette(nota);
    principal->addWidget(PnlNota);

    BarraProgresso = new QProgressBar(this);
    BarraProgresso->setTextVisible(false);
    BarraProgresso->setRange(0, 1);
    BarraProgresso->setValue(0);
    principal->addWidget(BarraProgresso);

    auto* linhaBotoes = new QHBoxLayout;
    BtnOK = new QPushButton(QStringLiteral("&OK"), this);
    BtnOK->setDefault(true);
    BtnOK->setEnabled(false);
    BtnCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    BtnCancelar->setAutoDefault(false);
    linhaBotoes->addStretch();
    linhaBotoes->addWidget(BtnOK);
    linhaBotoes->addWidget(BtnCancelar);
    principal->addLayout(linhaBotoes);

    connect(m_grupoDestino, &QButtonGroup::idClicked, this, [this](int) { RgTipoArquivoClick(); });
    connect(BtnIncluir, &QPushButton::clicked, this, &TfExport::BtnIncluirClick);
    connect(BtnIncluirTodos, &QPushButton::clicked, this, &TfExport::BtnIncluirTodosClick);
    connect(BtnExcluir, &QPushButton::clicked, this, &TfExport::BtnExcluirClick);
    connect(BtnExcluirTodos, &QPushButton::clicked, this, &TfExport::BtnExcluirTodosClick);
    connect(BtnBuscaArquivo, &QPushButton::clicked, this, &TfExport::BtnBuscaArquivoClick);
    connect(BtnOK, &QPushButton::clicked, this, &TfExport::BtnOKClick);
    connect(BtnCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

TfExport::Destino TfExport::destino() const {
    const int id = m_grupoDestino->checkedId();
    return id < 0 ? Destino::Csv : Destino(id);
}

void TfExport::defineDestino(Destino d) {
    m_grupoDestino->button(int(d))->setChecked(true);
    aplicarDestino();
}

void TfExport::RgTipoArquivoClick() {
    aplicarDestino();
}

void TfExport::aplicarDestino() {
    const Destino d = destino();
    LblNome->setText(d == Destino::Word ? QStringLiteral("Titulo:")
                                        : QStringLiteral("Nome do Arquivo:"));
    ChkNovaPasta->setHidden(d == Destino::Csv);
    ChkNovaPasta->setText(d == Destino::Word ? QStringLiteral("Novo Documento")
                                             : QStringLiteral("Nova pasta"));
    BtnBuscaArquivo->setVisible(d == Destino::Csv);
    LblSeparador->setVisible(d == Destino::Csv);
    EdtSeparador->setVisible(d == Destino::Csv);
    switch (d) {
        case Destino::Excel:
            PnlNota->setText(
                QStringLiteral("Microsoft Excel (planilha .xlsx: pode ser aberta com LibreOffice "
                               "Calc, Excel, etc.)"));
            break;
        case Destino::Csv:
            PnlNota->setText(QStringLiteral(
                "Texto CSV (Pode ser aberto com LibreOffice Calc, editor de texto, etc.)"));
            break;
        case Destino::Word:
            PnlNota->setText(
                QStringLiteral("Microsoft Word (documento .odt: pode ser aberto com LibreOffice "
                               "Writer, Word, etc.)"));
            break;
    }
}

void TfExport::aplicarBotoes() {
    const bool haDisponiveis = LstCampos->count() > 0;
    const bool haEscolhidos = LstExportar->count() > 0;
    BtnIncluir->setEnabled(haDisponiveis);
    BtnIncluirTodos->setEnabled(haDisponiveis);
    BtnExcluir->setEnabled(haEscolhidos);
    BtnExcluirTodos->setEnabled(haEscolhidos);
    BtnOK->setEnabled(haEscolhidos);
}

QString TfExport::pastaExportacao() const {
    QString pasta = m_contexto.configuracao.textos.pastaExportacao;
    if (pasta.isEmpty()) pasta = QDir::homePath();
    while (pasta.size() > 1 && pasta.endsWith(u'/')) pasta.chop(1);
    return pasta;
}

QString TfExport::caminhoDoNome(const QString& nome) const {
    if (QDir::isAbsolutePath(nome)) return nome;
    const QString pasta = pastaExportacao();
    if (pasta == QLatin1String("/")) return pasta + nome;
    return pasta + u'/' + nome;
}

void TfExport::prepararPara(db::Dataset& dataset) {
    m_dataset = &dataset;
    setResult(QDialog::Rejected);
    aplicarDestino();
    LstCampos->clear();
    LstExportar->clear();
    BarraProgresso->setRange(0, 1);
    BarraProgresso->setValue(0);

    // A name from an earlier export already holds its folder and is kept.
    const QString nome = EdtNome->text().trimmed();
    const QString base =
        dataset.objectName().isEmpty() ? QString::fromLatin1(kNomePadrao) : dataset.objectName();
    EdtNome->setText(caminhoDoNome(nome.isEmpty() ? base : nome));

    for (int i = 0; i < dataset.quantidadeCampos(); ++i) {
        auto* item = new QListWidgetItem(dataset.campo(i).rotulo());
        item->setData(kPapelCampo, i);
        LstCampos->addItem(item);
    }
    aplicarBotoes();
}

void TfExport::exportar(db::Dataset& dataset) {
    if (!dataset.ativo()) {
        m_contexto.dialogos.erro(
            QStringLiteral("Não há dados para exportar: o conjunto de dados está fechado."));
        return;
    }
    prepararPara(dataset);
    m_contexto.executor.exibirModal(static_cast<QDialog&>(*this));
    m_dataset = nullptr;
}

void TfExport::selecionarApos(QListWidget& lista, int indice) {
    lista.setFocus();
    if (lista.count() == 0) return;
    indice = std::clamp(indice, 0, lista.count() - 1);
    lista.setCurrentRow(indice, QItemSelectionModel::ClearAndSelect);
}

void TfExport::moverSelecionados(QListWidget& origem, QListWidget& destino) {
    int primeiro = -1;
    for (int i = 0; i < origem.count(); ++i) {
        if (origem.item(i)->isSelected()) {
            primeiro = i;
            break;
        }
    }
    // From the last selected to the first: several entries arrive in reverse order.
    for (int i = origem.count() - 1; i >= 0; --i) {
        if (origem.item(i)->isSelected()) {
            QListWidgetItem* item = origem.takeItem(i);
            item->setSelected(false);
            destino.addItem(item);
        }
    }
    selecionarApos(origem, std::max(primeiro, 0));
    aplicarBotoes();
}

void TfExport::moverTodos(QListWidget& origem, QListWidget& destino, bool doUltimo) {
    while (origem.count() > 0) {
        QListWidgetItem* item = origem.takeItem(doUltimo ? origem.count() - 1 : 0);
        item->setSelected(false);
        destino.addItem(item);
    }
    selecionarApos(origem, 0);
    aplicarBotoes();
}

void TfExport::BtnIncluirClick() {
    moverSelecionados(*LstCampos, *LstExportar);
}
void TfExport::BtnIncluirTodosClick() {
    moverTodos(*LstCampos, *LstExportar, false);
}
void TfExport::BtnExcluirClick() {
    moverSelecionados(*LstExportar, *LstCampos);
}
void TfExport::BtnExcluirTodosClick() {
    moverTodos(*LstExportar, *LstCampos, true);
}

void TfExport::BtnBuscaArquivoClick() {
    const QString escolhido = m_contexto.dialogos.salvarArquivo(
        QStringLiteral("Exportar para arquivo CSV"), pastaExportacao(),
        QStringLiteral("CSV (*.csv)"), QStringLiteral("csv"));
    if (!escolhido.isEmpty()) EdtNome->setText(escolhido);
}

QList<int> TfExport::camposEscolhidos() const {
    QList<int> campos;
    for (int i = 0; i < LstExportar->count(); ++i)
        campos.append(LstExportar->item(i)->data(kPapelCampo).toInt());
    return campos;
}

exportacao::FormatoExportacao TfExport::formato() const {
    switch (destino()) {
        case Destino::Excel:
            return exportacao::FormatoExportacao::Xlsx;
        case Destino::Word:
            return exportacao::FormatoExportacao::Odt;
        case Destino::Csv:
            break;
    }
    return exportacao::FormatoExportacao::Csv;
}

void TfExport::BtnOKClick() {
    if (!m_dataset) return;
    const QList<int> campos = camposEscolhidos();
    if (campos.isEmpty()) return;
    const QString nome = EdtNome->text().trimmed();
    if (nome.isEmpty()) {
        m_contexto.dialogos.aviso(destino() == Destino::Word
                                      ? QStringLiteral("Informe o título do documento.")
                                      : QStringLiteral("Informe o nome do arquivo."));
        EdtNome->setFocus();
        return;
    }

    DestinoExportacao alvo;
    alvo.formato = formato();
    alvo.caminho = exportacao::comExtensao(caminhoDoNome(nome), alvo.formato);
    // Checked: a new file each time; unchecked: the file of the same name is
    // replaced. The CSV text always replaces it.
    if (alvo.formato != exportacao::FormatoExportacao::Csv && ChkNovaPasta->isChecked()) {
        alvo.caminho = exportacao::nomeArquivoLivre(alvo.caminho);
    }
    alvo.titulo = QFileInfo(alvo.caminho).fileName();
    alvo.separador = EdtSeparador->text();

    AcompanhamentoExportacao acompanhamento;
    acompanhamento.aoContar = [this](int total) {
        BarraProgresso->setRange(0, std::max(total, 1));
        BarraProgresso->setValue(0);
    };
    acompanhamento.aoAvancar = [this](int feitos) { BarraProgresso->setValue(feitos); };
    try {
        auto escritor = criarEscritor(alvo);
        exportarDataset(*m_dataset, campos, *escritor, acompanhamento);
    } catch (const exportacao::ErroExportacao& e) {
        BarraProgresso->setValue(0);
        m_contexto.dialogos.erro(e.mensagem());
        return;
    } catch (const db::ErroBanco& e) {
        BarraProgresso->setValue(0);
        m_contexto.dialogos.erro(e.mensagem());
        return;
    }

    m_arquivoGerado = alvo.caminho;
    accept();
    m_contexto.dialogos.informacao(QStringLiteral("O ARQUIVO: ") + alvo.caminho +
                                   QStringLiteral(" FOI CRIADO COM SUCESSO."));
    if (alvo.formato == exportacao::FormatoExportacao::Odt && m_abertura &&
        !m_abertura(alvo.caminho)) {
        m_contexto.dialogos.aviso(QStringLiteral("Não foi possível abrir o documento ") +
                                  alvo.caminho +
                                  QStringLiteral(" com o programa padrão do computador."));
    }
}

}  // namespace rh::framework
