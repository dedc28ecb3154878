#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlQuery>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "LeitoresArquivo.h"
#include "app/demo/Demo.h"
#include "app/esquema/EsquemaCentral.h"
#include "app/nucleo/ContextoJanela.h"
#include "app/nucleo/TDM.h"
#include "framework/exportacao/TfExport.h"
#include "platform/db/Dataset.h"
#include "platform/ui/ExecutorJanelas.h"
#include "support/app/TesteComContexto.h"
#include "support/BancoDeTeste.h"
#include "support/DialogosRoteirizados.h"

using namespace rh;
using framework::TfExport;
using Destino = TfExport::Destino;
using Tipo = teste::DialogosRoteirizados::Tipo;

namespace {

constexpr const char* kSql = "SELECT NUMMATRIC, NOME, CEP, DTNASC, IDADE FROM VORK_VW_SERVIDORES";
const QStringList kRotulos = {"Matrícula", "Nome", "CEP", "Nascimento", "Idade"};

QStringList textos(const QListWidget& lista) {
    QStringList t;
    for (int i = 0; i < lista.count(); ++i) t << lista.item(i)->text();
    return t;
}

QStringList selecionados(const QListWidget& lista) {
    QStringList t;
    for (int i = 0; i < lista.count(); ++i)
        if (lista.item(i)->isSelected()) t << lista.item(i)->text();
    return t;
}

void selecionar(QListWidget& lista, std::initializer_list<int> linhas) {
    lista.clearSelection();
    for (int l : linhas) lista.item(l)->setSelected(true);
}

// What the buttons ">", ">>", "<", "<<", "&OK" allow, in that order.
QList<bool> botoes(const TfExport& j) {
    return {j.BtnIncluir->isEnabled(), j.BtnIncluirTodos->isEnabled(), j.BtnExcluir->isEnabled(),
            j.BtnExcluirTodos->isEnabled(), j.BtnOK->isEnabled()};
}

QStringList arquivosEm(const QString& pasta) {
    return QDir(pasta).entryList(QDir::Files, QDir::Name);
}

// The demo's servants (40 written); the first one's CEP is "007" (a text with leading zeros).
class TfExportTest : public teste::TesteComContexto {
protected:
    void prepararEsquema(db::Conexao& c) override {
        app::aplicarMigracoes(c);
        app::preencherDemo(c, 40);
        c.executar(
            "UPDATE VORK_USUARIOS SET CEP = '007' WHERE NUMMATRIC = (SELECT MIN(NUMMATRIC) FROM "
            "VORK_VW_SERVIDORES)");
    }

    void SetUp() override {
        TesteComContexto::SetUp();
        if (IsSkipped()) return;
        ASSERT_TRUE(m_pasta.isValid());
        m_config.textos.pastaExportacao = m_pasta.path();
        m_janela = std::make_unique<TfExport>(*m_contexto);
        m_janela->defineAberturaDocumento([this](const QString& caminho) {
            m_abertos << caminho;
            return true;
        });
        m_dados = abrirDados(QString::fromLatin1(kSql) + " ORDER BY NUMMATRIC");
    }

    void TearDown() override {
        m_dados.reset();
        m_janela.reset();
        TesteComContexto::TearDown();
    }

    std::unique_ptr<db::Dataset> abrirDados(const QString& sql) {
        auto ds = std::make_unique<db::Dataset>(m_dm->ADOConnecOracle());
        ds->setObjectName("QryRelServidores");
        ds->defineSql(sql);
        const QStringList campos = {"NUMMATRIC", "NOME", "CEP", "DTNASC", "IDADE"};
        for (int i = 0; i < campos.size(); ++i)
            ds->definirCampo(campos.at(i)).rotulo = kRotulos.at(i);
        ds->abrir();
        return ds;
    }

    // Runs the window modally for `ds`; `acao` acts inside the run. Returns
    // the window's result (Accepted when it closed after an export).
    int executar(db::Dataset& ds, const std::function<void(TfExport&)>& acao) {
        int resultado = -1;
        executor.defineInterceptador([&](QWidget& w) {
            auto& janela = dynamic_cast<TfExport&>(w);
            acao(janela);
            return resultado = janela.result();
        });
        m_janela->exportar(ds);
        executor.defineInterceptador({});
        return resultado;
    }

    // Exports the fields of `rotulos` (in that order, moved one at a time) to
    // `nome` in the export folder.
    int exportarCampos(Destino destino, const QString& nome, const QStringList& rotulos,
                       const std::function<void(TfExport&)>& ajuste = {}) {
        return executar(*m_dados, [&](TfExport& j) {
            j.defineDestino(destino);
            for (const QString& r : rotulos) {
                const auto itens = j.LstCampos->findItems(r, Qt::MatchExactly);
                ASSERT_EQ(itens.size(), 1) << r.toStdString();
                j.LstCampos->clearSelection();
                itens.first()->setSelected(true);
                j.BtnIncluirClick();
            }
            j.EdtNome->setText(nome);
            if (ajuste) ajuste(j);
            j.BtnOKClick();
        });
    }

    // The dataset's rows as the database gives them, as the user sees them:
    // matriculation, name, CEP, birth date (dd/mm/yyyy), age.
    QList<QStringList> linhasEsperadas() {
        QList<QStringList> linhas;
        QSqlQuery q(conexao().banco());
        EXPECT_TRUE(q.exec(QString::fromLatin1(kSql) + " ORDER BY NUMMATRIC"));
        while (q.next()) {
            const QVariant data = q.value(3);
            const QDate d = data.typeId() == QMetaType::QString
                                ? QDate::fromString(data.toString().left(10), Qt::ISODate)
                                : data.toDate();
            linhas.append(
                {q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                 data.isNull() ? QString() : d.toString("dd/MM/yyyy"),
                 q.value(4).isNull() ? QString() : QString::number(q.value(4).toLongLong())});
        }
        return linhas;
    }

    QString naPasta(const QString& nome) const { return m_pasta.path() + "/" + nome; }

    QTemporaryDir m_pasta;
    std::unique_ptr<TfExport> m_janela;
    std::unique_ptr<db::Dataset> m_dados;
    QStringList m_abertos;
};

TEST_F(TfExportTest, MoverCamposSegueAsRegrasDeOrdemSelecaoFocoEBotoes) {
    executar(*m_dados, [&](TfExport& j) {
        EXPECT_EQ(j.windowTitle(), "Exportação de dados");
        EXPECT_EQ(textos(*j.LstCampos), kRotulos);
        EXPECT_TRUE(textos(*j.LstExportar).isEmpty());
        EXPECT_EQ(botoes(j), (QList<bool>{true, true, false, false, false}));

        struct Passo {
            const char* descricao;
            std::function<void()> acao;
            QStringList disponiveis, escolhidos, selecaoNaOrigem;
            QListWidget* foco;
            QList<bool> habilitados;
        };
        const QList<Passo> passos = {
            {"três selecionados chegam na ordem inversa; fica selecionada a posição do primeiro",
             [&] {
                 selecionar(*j.LstCampos, {0, 2, 3});
                 j.BtnIncluirClick();
             },
             {"Nome", "Idade"},
             {"Nascimento", "CEP", "Matrícula"},
             {"Nome"},
             j.LstCampos,
             {true, true, true, true, true}},
            {"a lista encurtou: fica selecionada a última entrada",
             [&] {
                 selecionar(*j.LstCampos, {1});
                 j.BtnIncluirClick();
             },
             {"Nome"},
             {"Nascimento", "CEP", "Matrícula", "Idade"},
             {"Nome"},
             j.LstCampos,
             {true, true, true, true, true}},
            {"< devolve do último selecionado ao primeiro",
             [&] {
                 selecionar(*j.LstExportar, {1, 3});
                 j.BtnExcluirClick();
             },
             {"Nome", "Idade", "CEP"},
             {"Nascimento", "Matrícula"},
             {"Matrícula"},
             j.LstExportar,
             {true, true, true, true, true}},
            {"<< devolve todos a partir do último",
             [&] { j.BtnExcluirTodosClick(); },
             {"Nome", "Idade", "CEP", "Matrícula", "Nascimento"},
             {},
             {},
             j.LstExportar,
             {true, true, false, false, false}},
            {">> leva todos na ordem",
             [&] { j.BtnIncluirTodosClick(); },
             {},
             {"Nome", "Idade", "CEP", "Matrícula", "Nascimento"},
             {},
             j.LstCampos,
             {false, false, true, true, true}},
        };
        for (const Passo& p : passos) {
            SCOPED_TRACE(p.descricao);
            p.acao();
            EXPECT_EQ(textos(*j.LstCampos), p.disponiveis);
            EXPECT_EQ(textos(*j.LstExportar), p.escolhidos);
            EXPECT_EQ(selecionados(*p.foco), p.selecaoNaOrigem);
            EXPECT_EQ(j.focusWidget(), p.foco);
            EXPECT_EQ(botoes(j), p.habilitados);
        }
        j.BtnCancelar->click();
    });

    // Shown again: both lists start over, in field order.
    executar(*m_dados, [&](TfExport& j) {
        EXPECT_EQ(textos(*j.LstCampos), kRotulos);
        EXPECT_TRUE(textos(*j.LstExportar).isEmpty());
        EXPECT_FALSE(j.BtnOK->isEnabled());
    });
}

TEST_F(TfExportTest, DestinoMudaRotuloCaixaBuscaSeparadorENota) {
    struct Caso {
        Destino destino;
        QString rotulo;
        bool caixaVisivel;
        QString caixa;
        bool buscaESeparador;
        QString nota;
    };
    const QList<Caso> casos = {
        {Destino::Excel, "Nome do Arquivo:", true, "Nova pasta", false,
         "Microsoft Excel (planilha .xlsx: pode ser aberta com LibreOffice Calc, Excel, etc.)"},
        {Destino::Csv, "Nome do Arquivo:", false, "", true,
         "Texto CSV (Pode ser aberto com LibreOffice Calc, editor de texto, etc.)"},
        {Destino::Word, "Titulo:", true, "Novo Documento", false,
         "Microsoft Word (documento .odt: pode ser aberto com LibreOffice Writer, Word, etc.)"},
    };
    executar(*m_dados, [&](TfExport& j) {
        EXPECT_EQ(j.destino(), Destino::Csv);  // chosen at design
        EXPECT_TRUE(j.ChkNovaPasta->isChecked());
        EXPECT_EQ(j.EdtSeparador->text(), ";");
        EXPECT_EQ(j.BtnBuscaArquivo->toolTip(), "BUSCA ARQUIVO");
        for (const Caso& c : casos) {
            SCOPED_TRACE(c.rotulo.toStdString() + " " + c.nota.toStdString());
            j.defineDestino(c.destino);
            EXPECT_EQ(j.LblNome->text(), c.rotulo);
            EXPECT_EQ(!j.ChkNovaPasta->isHidden(), c.caixaVisivel);
            if (c.caixaVisivel) {
                EXPECT_EQ(j.ChkNovaPasta->text(), c.caixa);
            }
            EXPECT_EQ(!j.BtnBuscaArquivo->isHidden(), c.buscaESeparador);
            EXPECT_EQ(!j.EdtSeparador->isHidden(), c.buscaESeparador);
            EXPECT_EQ(!j.LblSeparador->isHidden(), c.buscaESeparador);
            EXPECT_EQ(j.PnlNota->text(), c.nota);
            EXPECT_EQ(j.LblExtensao->text(), "não colocar a extensão do arquivo");
        }
    });
}

TEST_F(TfExportTest, CsvTemOsBytesDoDatasetEmWindows1252ComCrLfNaOrdemEscolhida) {
    const int n = conexao().valor("SELECT COUNT(*) FROM VORK_VW_SERVIDORES").toInt();
    ASSERT_GT(n, 20);
    // Three fields moved at once arrive reversed, and the columns follow the list.
    const int resultado = executar(*m_dados, [&](TfExport& j) {
        j.defineDestino(Destino::Csv);
        selecionar(*j.LstCampos, {0, 1, 2});
        j.BtnIncluirClick();
        j.EdtNome->setText("servidores");
        j.BtnOKClick();
        EXPECT_EQ(j.BarraProgresso->maximum(), n);
        EXPECT_EQ(j.BarraProgresso->value(), n);
    });
    EXPECT_EQ(resultado, QDialog::Accepted);
    const QString arquivo = naPasta("servidores.csv");
    EXPECT_EQ(dialogos.textos(Tipo::Informacao),
              QStringList{"O ARQUIVO: " + arquivo + " FOI CRIADO COM SUCESSO."});
    EXPECT_TRUE(m_abertos.isEmpty());
    EXPECT_TRUE(m_dados->noFim());
    EXPECT_EQ(m_dados->linhaAtual(), n - 1);

    QFile f(arquivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QString esperado = "CEP;Nome;Matrícula\r\n";
    bool acentos = false;
    for (const QStringList& l : linhasEsperadas()) {
        esperado += l.at(2) + ";" + l.at(1) + ";" + l.at(0) + "\r\n";
        acentos = acentos || l.at(1).contains(QRegularExpression("[^\\x00-\\x7f]"));
    }
    ASSERT_TRUE(acentos) << "the demo names should hold accented letters";
    QStringDecoder cp1252("windows-1252");
    ASSERT_TRUE(cp1252.isValid());
    EXPECT_EQ(QString(cp1252(bytes)).toStdString(), esperado.toStdString());
    EXPECT_EQ(bytes.size(), esperado.size()) << "one byte per character";
    EXPECT_TRUE(
        bytes.startsWith("CEP;Nome;Matr\xED"
                         "cula\r\n007;"));
}

TEST_F(TfExportTest, PlanilhaEDocumentoLidosDeFora) {
    const QStringList ordem = {"Matrícula", "Nome", "CEP", "Nascimento", "Idade"};
    const QList<QStringList> linhas = linhasEsperadas();
    const int n = int(linhas.size());
    ASSERT_GT(n, 20);

    ASSERT_EQ(exportarCampos(Destino::Excel, "planilha", ordem), QDialog::Accepted);
    const QString planilha = naPasta("planilha.xlsx");
    {
        const QJsonObject lido = teste::lerPlanilha(planilha);
        const QJsonArray celulas = lido.value("linhas").toArray();
        ASSERT_EQ(celulas.size(), n + 1);
        for (int c = 0; c < ordem.size(); ++c) {
            const QJsonObject titulo = celulas.at(0).toArray().at(c).toObject();
            EXPECT_EQ(titulo.value("valor").toString(), ordem.at(c));
            EXPECT_TRUE(titulo.value("negrito").toBool());
        }
        for (int r = 0; r < linhas.size(); ++r) {
            const QJsonArray linha = celulas.at(r + 1).toArray();
            SCOPED_TRACE("linha " + std::to_string(r + 2));
            for (int c = 0; c < ordem.size(); ++c) {
                const QJsonObject celula = linha.at(c).toObject();
                const QString texto = linhas.at(r).at(c);
                EXPECT_FALSE(celula.value("negrito").toBool());
                if (texto.isEmpty()) {
                    EXPECT_EQ(celula.value("tipo").toString(), "NoneType") << c;
                } else if (c == 0 || c == 4) {  // numbers stay numbers
                    EXPECT_EQ(celula.value("tipo").toString(), "int") << c;
                    EXPECT_EQ(celula.value("valor").toInteger(), texto.toLongLong()) << c;
                } else {
                    EXPECT_EQ(celula.value("tipo").toString(), "str") << c;
                    EXPECT_EQ(celula.value("valor").toString(), texto) << c;
                }
            }
        }
        EXPECT_EQ(celulas.at(1).toArray().at(2).toObject().value("valor").toString(), "007");
    }

    ASSERT_EQ(exportarCampos(Destino::Word, "documento", ordem), QDialog::Accepted);
    const QString documento = naPasta("documento.odt");
    {
        const QJsonObject lido = teste::lerDocumento(documento);
        EXPECT_EQ(lido.value("antes").toArray(), (QJsonArray{"documento.odt", "", ""}));
        const QJsonArray tabela = lido.value("linhas").toArray();
        ASSERT_EQ(tabela.size(), n + 1);
        for (int r = 0; r <= linhas.size(); ++r) {
            const QJsonArray linha = tabela.at(r).toArray();
            ASSERT_EQ(linha.size(), ordem.size());
            for (int c = 0; c < ordem.size(); ++c) {
                const QJsonObject celula = linha.at(c).toObject();
                EXPECT_EQ(celula.value("texto").toString(),
                          r == 0 ? ordem.at(c) : linhas.at(r - 1).at(c))
                    << "linha " << r + 1 << ", coluna " << c + 1;
                EXPECT_EQ(celula.value("negrito").toBool(), r == 0) << r << "," << c;
            }
        }
        const QString texto = teste::textoDoDocumento(documento);
        for (const QString& t :
             {ordem.at(0), linhas.at(0).at(1), linhas.at(n - 1).at(1), QString("007")})
            EXPECT_TRUE(texto.contains(t)) << t.toStdString();
    }

    EXPECT_EQ(dialogos.textos(Tipo::Informacao),
              (QStringList{"O ARQUIVO: " + planilha + " FOI CRIADO COM SUCESSO.",
                           "O ARQUIVO: " + documento + " FOI CRIADO COM SUCESSO."}));
    EXPECT_EQ(m_abertos, QStringList{documento});  // only the document is opened
}

TEST_F(TfExportTest, DatasetVazioGravaSoOCabecalho) {
    auto vazio = abrirDados(QString::fromLatin1(kSql) + " WHERE NUMMATRIC < 0");
    for (Destino d : {Destino::Csv, Destino::Excel, Destino::Word}) {
        const int r = executar(*vazio, [&](TfExport& j) {
            j.defineDestino(d);
            selecionar(*j.LstCampos, {1});
            j.BtnIncluirClick();
            selecionar(*j.LstCampos, {0});
            j.BtnIncluirClick();
            j.EdtNome->setText("vazio");
            j.BtnOKClick();
        });
        EXPECT_EQ(r, QDialog::Accepted);
    }
    QFile csv(naPasta("vazio.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll(), QByteArray("Nome;Matr\xED"
                                        "cula\r\n"));
    const QJsonArray planilha = teste::lerPlanilha(naPasta("vazio.xlsx")).value("linhas").toArray();
    ASSERT_EQ(planilha.size(), 1);
    EXPECT_EQ(planilha.at(0).toArray().at(1).toObject().value("valor").toString(), "Matrícula");
    EXPECT_EQ(teste::lerDocumento(naPasta("vazio.odt")).value("linhas").toArray().size(), 1);
    EXPECT_EQ(dialogos.textos(Tipo::Informacao).size(), 3);
}

TEST_F(TfExportTest, NovoArquivoACadaVezOuSubstituido) {
    struct Caso {
        Destino destino;
        bool marcado;
        QStringList arquivos;
    };
    const QList<Caso> casos = {
        {Destino::Excel, true, {"x.xlsx", "x (2).xlsx"}},
        {Destino::Excel, false, {"x.xlsx"}},
        {Destino::Word, true, {"x.odt", "x (2).odt"}},
        {Destino::Word, false, {"x.odt"}},
        {Destino::Csv, true, {"x.csv"}},  // the box is hidden for CSV: the text is always replaced
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.arquivos.constLast().toStdString() +
                     (c.marcado ? " marcado" : " desmarcado"));
        QTemporaryDir pasta;
        m_config.textos.pastaExportacao = pasta.path();
        dialogos.limpar();
        const auto marcar = [&](TfExport& j) { j.ChkNovaPasta->setChecked(c.marcado); };
        ASSERT_EQ(exportarCampos(c.destino, "x", {"Matrícula"}, marcar), QDialog::Accepted);
        ASSERT_EQ(exportarCampos(c.destino, "x", {"Nome"}, marcar), QDialog::Accepted);
        QStringList esperados = c.arquivos;
        esperados.sort();
        EXPECT_EQ(arquivosEm(pasta.path()), esperados);
        const QString ultimo = pasta.path() + "/" + c.arquivos.constLast();
        EXPECT_EQ(dialogos.textos(Tipo::Informacao).value(1),
                  "O ARQUIVO: " + ultimo + " FOI CRIADO COM SUCESSO.");
        if (c.destino == Destino::Csv) {
            QFile f(ultimo);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_TRUE(
                f.readAll().startsWith("Nome\r\n"));  // the second export replaced the first
        } else if (c.destino == Destino::Excel) {
            const QJsonArray linhas = teste::lerPlanilha(ultimo).value("linhas").toArray();
            EXPECT_EQ(linhas.at(0).toArray().at(0).toObject().value("valor").toString(), "Nome");
        } else {
            const QJsonArray linhas = teste::lerDocumento(ultimo).value("linhas").toArray();
            EXPECT_EQ(linhas.at(0).toArray().at(0).toObject().value("texto").toString(), "Nome");
        }
    }
}

TEST_F(TfExportTest, RegrasDoNomeAoMostrar) {
    const QString pasta = m_pasta.path();
    struct Caso {
        QString pastaConfigurada;
        QString nomeAntes;
        QString esperado;
    };
    const QList<Caso> casos = {
        {pasta, "", pasta + "/QryRelServidores"},
        {pasta + "/", "", pasta + "/QryRelServidores"},
        {pasta, "maio", pasta + "/maio"},
        {pasta, "/var/tmp/relatorios/maio", "/var/tmp/relatorios/maio"},
        {pasta, pasta + "/maio",
         pasta + "/maio"},  // a second showing does not prepend the folder again
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.pastaConfigurada.toStdString() + " + '" + c.nomeAntes.toStdString() + "'");
        m_config.textos.pastaExportacao = c.pastaConfigurada;
        m_janela->EdtNome->setText(c.nomeAntes);
        executar(*m_dados, [&](TfExport& j) { EXPECT_EQ(j.EdtNome->text(), c.esperado); });
    }

    // After an export the name keeps its folder, once.
    ASSERT_EQ(exportarCampos(Destino::Csv, "junho", {"Nome"}), QDialog::Accepted);
    executar(*m_dados, [&](TfExport& j) { EXPECT_EQ(j.EdtNome->text(), pasta + "/junho"); });

    // A dataset without a name.
    m_janela->EdtNome->clear();
    db::Dataset semNome(m_dm->ADOConnecOracle());
    semNome.defineSql(QString::fromLatin1(kSql));
    semNome.abrir();
    executar(semNome, [&](TfExport& j) { EXPECT_EQ(j.EdtNome->text(), pasta + "/exportacao"); });
}

TEST_F(TfExportTest, BuscaArquivoPoeOCaminhoEscolhidoNoNome) {
    const QString escolhido = naPasta("escolhido.csv");
    dialogos.planejarArquivo(escolhido);
    dialogos.planejarArquivo("");  // gave up: the name stays
    const int r = executar(*m_dados, [&](TfExport& j) {
        j.defineDestino(Destino::Csv);
        j.BtnIncluirTodosClick();
        j.BtnBuscaArquivoClick();
        EXPECT_EQ(j.EdtNome->text(), escolhido);
        j.BtnBuscaArquivoClick();
        EXPECT_EQ(j.EdtNome->text(), escolhido);
        j.BtnOKClick();
    });
    EXPECT_EQ(r, QDialog::Accepted);
    EXPECT_EQ(arquivosEm(m_pasta.path()), QStringList{"escolhido.csv"});
    EXPECT_EQ(dialogos.textos(Tipo::Informacao),
              QStringList{"O ARQUIVO: " + escolhido + " FOI CRIADO COM SUCESSO."});
}

TEST_F(TfExportTest, FalhasMostramAMensagemENadaComoSucesso) {
    const QString semPasta = naPasta("nao-existe/arquivo");
    struct Caso {
        Destino destino;
        QString nome;
        QString separador;
        Tipo tipo;
        QString mensagemContem;
    };
    const QList<Caso> casos = {
        {Destino::Csv, semPasta, ";", Tipo::Erro,
         "Não foi possível criar o arquivo " + semPasta + ".csv"},
        {Destino::Excel, semPasta, ";", Tipo::Erro,
         "Não foi possível criar o arquivo " + semPasta + ".xlsx"},
        {Destino::Word, semPasta, ";", Tipo::Erro,
         "Não foi possível criar o arquivo " + semPasta + ".odt"},
        {Destino::Csv, "ok", "", Tipo::Erro, "Informe o separador de colunas."},
        {Destino::Csv, "  ", ";", Tipo::Aviso, "Informe o nome do arquivo."},
        {Destino::Word, "", ";", Tipo::Aviso, "Informe o título do documento."},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.mensagemContem.toStdString());
        dialogos.limpar();
        m_dados->primeiro();
        const int r = exportarCampos(c.destino, c.nome, {"Nome", "CEP"},
                                     [&](TfExport& j) { j.EdtSeparador->setText(c.separador); });
        // The window stays open with the user's choices.
        EXPECT_NE(r, QDialog::Accepted);
        EXPECT_EQ(textos(*m_janela->LstExportar), (QStringList{"Nome", "CEP"}));
        ASSERT_EQ(dialogos.registros().size(), 1);
        EXPECT_EQ(dialogos.registros().first().tipo, c.tipo);
        EXPECT_TRUE(dialogos.registros().first().texto.contains(c.mensagemContem))
            << dialogos.registros().first().texto.toStdString();
        EXPECT_TRUE(arquivosEm(m_pasta.path()).isEmpty());
    }
    EXPECT_TRUE(m_abertos.isEmpty());
}

TEST_F(TfExportTest, RegistroEmEdicaoNaoEGravadoPelaExportacao) {
    db::Dataset tabela(m_dm->ADOConnecOracle());
    tabela.setObjectName("QryCargos");
    tabela.defineSql("SELECT CODUSUARIO, NOME FROM VORK_USUARIOS ORDER BY CODUSUARIO");
    tabela.defineTabelaAtualizacao("VORK_USUARIOS", {"CODUSUARIO"});
    tabela.abrir();
    const QString nome = tabela.campo("NOME").texto();
    tabela.editar();
    tabela.campo("NOME").defineValor("Alterado sem gravar");
    const int r = executar(tabela, [&](TfExport& j) {
        j.BtnIncluirTodosClick();
        j.EdtNome->setText("edicao");
        j.BtnOKClick();
    });
    EXPECT_NE(r, QDialog::Accepted);
    EXPECT_EQ(dialogos.textos(Tipo::Erro),
              QStringList{"Grave ou cancele o registro em edição antes de exportar."});
    EXPECT_TRUE(tabela.editando());
    EXPECT_EQ(conexao()
                  .valor("SELECT NOME FROM VORK_USUARIOS WHERE CODUSUARIO = :C",
                         {{"C", tabela.campo("CODUSUARIO").valor()}})
                  .toString(),
              nome);
    EXPECT_TRUE(arquivosEm(m_pasta.path()).isEmpty());
    tabela.cancelar();
}

}  // namespace
