// The identity card window against a real database: the list, new copies,
// the printed cards (positions read back from the PDF, bar codes decoded
// from a rendered image) and the print connection.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QImage>
#include <QItemSelectionModel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <memory>

#include "app/demo/Demo.h"
#include "app/esquema/EsquemaCentral.h"
#include "app/nucleo/ContextoJanela.h"
#include "app/nucleo/TDM.h"
#include "platform/db/ErroBanco.h"
#include "platform/relatorio/JanelaVisualizacao.h"
#include "support/PdfTexto.h"
#include "platform/ui/ExecutorJanelas.h"
#include "platform/ui/GradeDataset.h"
#include "servants/carteira/JanelasServidores.h"
#include "servants/carteira/TFormImpCarteiraServ.h"
#include "support/app/TesteComContexto.h"
#include "support/BancoDeTeste.h"
#include "support/DialogosRoteirizados.h"

using namespace rh;
using rh::relatorio::teste::PalavraPdf;
using Tipo = teste::DialogosRoteirizados::Tipo;

namespace {

struct Pessoa {
    int codigo;
    const char* categoria;
    QVariant matricula;
    const char* nome;
    QVariant via;
    bool vinculo;  // has an employment row
    const char* categServidor;
    const char* situacao;
};

// Listed (category "S" with an employment row), by name: ANA, BRUNO, CARLA,
// DANIEL, EDUARDO, HELENA, IVO. IVO is a pension institutor: listed, but not
// in the servants' view the cards are printed from.
const Pessoa kPessoas[] = {
    {101, "S", 1234567, "ANA CLARA", 12, true, "P", "A"},
    {102, "S", 123456, "BRUNO LIMA", 3, true, "T", "A"},
    {103, "S", 42, "CARLA SOUZA", QVariant(), true, "T", "L"},
    {104, "S", 7654321, "DANIEL REIS", 1, true, "P", "A"},
    {105, "S", 2000001, "EDUARDO PINTO", 0, true, "T", "A"},
    {106, "P", 3000001, "FABIANA PENSIONISTA", 0, false, "", ""},
    {107, "S", 3000002, "GUSTAVO SEM VINCULO", 0, false, "", ""},
    {108, "S", 12345678, "HELENA OITO", 5, true, "P", "A"},
    {109, "S", 9000001, "IVO INSTITUIDOR", 2, true, "I", "B"},
};

const QStringList kLista = {"ANA CLARA",     "BRUNO LIMA",  "CARLA SOUZA",    "DANIEL REIS",
                            "EDUARDO PINTO", "HELENA OITO", "IVO INSTITUIDOR"};

// Cards on the page: the page header and the top margin come first.
constexpr double kTopoPrimeiroCartao = 0.5 + 5.556;
constexpr double kAlturaCartao = 59.7;

QString executar(const QString& programa, const QStringList& argumentos) {
    QProcess processo;
    processo.start(programa, argumentos);
    if (!processo.waitForFinished(60000))
        return QStringLiteral("<<%1 não terminou>>").arg(programa);
    return QString::fromUtf8(processo.readAllStandardOutput()).trimmed();
}

class CarteiraTest : public teste::TesteComContexto {
protected:
    void prepararEsquema(db::Conexao& c) override {
        app::aplicarMigracoes(c);
        app::preencherReferencias(c);
        for (const Pessoa& p : kPessoas) {
            c.executar(
                QStringLiteral(
                    "INSERT INTO VORK_USUARIOS (CODUSUARIO, CATEGORIA, NUMMATRIC, NOME, VIAATUAL, "
                    "DTNASC, IDENTIDADE, CPF) VALUES (:C, :CAT, :M, :N, :V, :DN, :RG, :CPF)"),
                {{"C", p.codigo},
                 {"CAT", QString::fromLatin1(p.categoria)},
                 {"M", p.matricula},
                 {"N", QString::fromLatin1(p.nome)},
                 {"V", p.via},
                 {"DN", QDate(1980, 1, p.codigo - 100)},
                 {"RG", QStringLiteral("RG%1").arg(p.codigo)},
                 {"CPF", QStringLiteral("000000%1").arg(p.codigo)}});
            if (!p.vinculo) continue;
            c.executar(QStringLiteral("INSERT INTO VORK_SERVIDORES (CODSERVIDOR, DTADMISSAO, "
                                      "TITELEITOR, CATEGSERVIDOR, "
                                      "SITUACAO, CODCARGO) VALUES (:C, :DA, :T, :CS, :S, :CG)"),
                       {{"C", p.codigo},
                        {"DA", QDate(2010, 3, p.codigo - 100)},
                        {"T", QStringLiteral("TE%1").arg(p.codigo)},
                        {"CS", QString::fromLatin1(p.categServidor)},
                        {"S", QString::fromLatin1(p.situacao)},
                        {"CG", 1}});
        }
    }

    void SetUp() override {
        TesteComContexto::SetUp();
        if (IsSkipped()) return;
        janela = std::make_unique<servants::TFormImpCarteiraServ>(*m_contexto);
        janela->show();
        ASSERT_TRUE(janela->qrServidores().ativo());
        ASSERT_EQ(pasta.isValid(), true);
        pdf = pasta.filePath(QStringLiteral("carteiras.pdf"));
    }
    void TearDown() override {
        janela.reset();
        TesteComContexto::TearDown();
    }

    int linhaDe(const QString& nome) {
        auto& ds = janela->qrServidores();
        const int indice = ds.campo(QStringLiteral("NOME")).indice();
        for (int i = 0; i < ds.linhasLidas(); ++i)
            if (ds.valorNaLinha(i, indice).toString() == nome) return i;
        ADD_FAILURE() << "fora da lista: " << nome.toStdString();
        return -1;
    }
    // Selects exactly these servants, as a click and then Ctrl+clicks
    // would, the last one current.
    void selecionar(const QStringList& nomes) {
        auto* grade = janela->dbgServidores();
        QItemSelectionModel::SelectionFlags modo = QItemSelectionModel::ClearAndSelect;
        for (const QString& nome : nomes) {
            const QModelIndex i = grade->modelo()->index(linhaDe(nome), 0);
            grade->selectionModel()->setCurrentIndex(i, modo | QItemSelectionModel::Rows);
            modo = QItemSelectionModel::Select;
        }
    }
    QStringList nomesDaLista() {
        QStringList nomes;
        auto& ds = janela->qrServidores();
        for (int i = 0; i < ds.linhasLidas(); ++i)
            nomes << ds.valorNaLinha(i, ds.campo(QStringLiteral("NOME")).indice()).toString();
        return nomes;
    }
    QString naLista(const QString& nome, const QString& campo) {
        auto& ds = janela->qrServidores();
        const int linha = linhaDe(nome);
        if (ds.campo(campo).calculado()) {
            const int atual = ds.linhaAtual();
            ds.irPara(linha);
            const QString v = ds.campo(campo).comoTexto();
            ds.irPara(atual);
            return v;
        }
        return ds.valorNaLinha(linha, ds.campo(campo).indice()).toString();
    }
    QVariant via(int codigo) {
        return conexao().valor(
            QStringLiteral("SELECT VIAATUAL FROM VORK_USUARIOS WHERE CODUSUARIO = :C"),
            {{"C", codigo}});
    }
    QString atual() { return janela->qrServidores().campo(QStringLiteral("NOME")).comoTexto(); }

    std::unique_ptr<servants::TFormImpCarteiraServ> janela;
    QTemporaryDir pasta;
    QString pdf;
};

TEST_F(CarteiraTest, ListaServidoresPorNomeComCodigoDeBarrasEVia) {
    EXPECT_EQ(janela->windowTitle(), "Cadastro de Usuários");
    EXPECT_EQ(nomesDaLista(), kLista);  // no pensioner, no person without employment row
    auto* modelo = janela->dbgServidores()->modelo();
    QStringList titulos;
    for (int c = 0; c < modelo->columnCount(); ++c)
        titulos << modelo->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(titulos, (QStringList{"NUMMATRIC", "NOME", "VIAATUAL"}));

    const struct {
        const char* nome;
        const char* codigo;
        const char* descricao;
    } casos[] = {{"ANA CLARA", "2123456712", "12ª VIA"},
                 {"BRUNO LIMA", "2012345603", "3ª VIA"},
                 {"CARLA SOUZA", "2000004200", "ª VIA"},
                 {"HELENA OITO", "2123456780", "5ª VIA"}};
    for (const auto& c : casos) {
        EXPECT_EQ(naLista(c.nome, "CODBARRA"), c.codigo) << c.nome;
        EXPECT_EQ(naLista(c.nome, "DESCRVIA"), QString::fromUtf8(c.descricao)) << c.nome;
    }

    // Choosing a name makes that servant current, and the grid follows.
    janela->cbNome()->setCurrentIndex(linhaDe("DANIEL REIS"));
    Q_EMIT janela->cbNome()->activated(linhaDe("DANIEL REIS"));
    EXPECT_EQ(atual(), "DANIEL REIS");
    EXPECT_EQ(janela->dbgServidores()->currentIndex().row(), linhaDe("DANIEL REIS"));
    EXPECT_TRUE(dialogos.vazio());
}

TEST_F(CarteiraTest, MenuCriaAJanelaPeloNomeDaClasse) {
    app::RegistroJanelas registro;
    servants::registrarJanelasServidores(registro);
    std::unique_ptr<QWidget> criada(registro.criar("TFormImpCarteiraServ", *m_contexto));
    EXPECT_NE(qobject_cast<servants::TFormImpCarteiraServ*>(criada.get()), nullptr);
}

TEST_F(CarteiraTest, AlteraViaSomaUmaViaAExatamenteOsSelecionados) {
    selecionar({"BRUNO LIMA", "CARLA SOUZA", "HELENA OITO"});
    janela->btnAlteraVia()->click();
    EXPECT_TRUE(dialogos.vazio()) << dialogos.textos().join('\n').toStdString();

    const QHash<int, QVariant> esperadas = {{101, 12}, {102, 4}, {103, 1}, {104, 1}, {105, 0},
                                            {106, 0},  {107, 0}, {108, 6}, {109, 2}};
    for (auto it = esperadas.constBegin(); it != esperadas.constEnd(); ++it)
        EXPECT_EQ(via(it.key()).toInt(), it.value().toInt()) << it.key();

    // The list was read again: nothing selected, first by name current, new copies shown.
    auto* grade = janela->dbgServidores();
    EXPECT_TRUE(grade->selectionModel()->selectedRows().isEmpty());
    EXPECT_EQ(atual(), "ANA CLARA");
    EXPECT_EQ(grade->modelo()->data(grade->modelo()->index(linhaDe("BRUNO LIMA"), 2)).toString(),
              "4");
    EXPECT_EQ(naLista("CARLA SOUZA", "DESCRVIA"), QString::fromUtf8("1ª VIA"));
    EXPECT_EQ(naLista("HELENA OITO", "CODBARRA"), "2123456780");
    EXPECT_FALSE(m_dm->ADOConnecOracle().emTransacao());
}

TEST_F(CarteiraTest, AlteraViaQueFalhaNaoAlteraNenhumaEAvisa) {
    // A second person of category "S" with BRUNO's matriculation: the new-copy
    // operation refuses an ambiguous matriculation.
    conexao().executar(
        QStringLiteral("INSERT INTO VORK_USUARIOS (CODUSUARIO, CATEGORIA, NUMMATRIC, NOME) "
                       "VALUES (120, 'S', 123456, 'BRUNO DUPLICADO')"));
    db::Conexao& principal = m_dm->ADOConnecOracle();
    const QString falha = QStringLiteral(
        "Não foi possível registrar a nova via da carteira de BRUNO LIMA "
        "(matrícula 0123456). Nenhuma via foi alterada.");

    for (const bool outraEdicao : {false, true}) {
        SCOPED_TRACE(outraEdicao ? "com a transação de outra janela" : "sem transação aberta");
        dialogos.limpar();
        // Another window editing on the shared connection holds a transaction.
        if (outraEdicao) {
            principal.iniciarNivel();
            principal.executar(QStringLiteral(
                "UPDATE VORK_USUARIOS SET NOME = 'EDUARDO PINTO JR' WHERE CODUSUARIO = 105"));
        }
        selecionar(
            {"ANA CLARA", "BRUNO LIMA"});  // ANA's copy is recorded first, then BRUNO's fails
        janela->btnAlteraVia()->click();
        ASSERT_EQ(dialogos.textos(Tipo::Erro).size(), 1);
        EXPECT_TRUE(dialogos.textos(Tipo::Erro).at(0).startsWith(falha))
            << dialogos.textos().at(0).toStdString();
        EXPECT_EQ(
            principal
                .valor(QStringLiteral("SELECT VIAATUAL FROM VORK_USUARIOS WHERE CODUSUARIO = 101"))
                .toInt(),
            12);
        EXPECT_EQ(
            principal
                .valor(QStringLiteral("SELECT VIAATUAL FROM VORK_USUARIOS WHERE CODUSUARIO = 102"))
                .toInt(),
            3);
        // The user can try again: the selection stays.
        EXPECT_EQ(janela->dbgServidores()->linhasSelecionadas(), (QList<int>{0, 1}));
        if (outraEdicao) {
            // The other window's transaction is intact and still its own to end.
            EXPECT_TRUE(principal.emTransacao());
            EXPECT_EQ(
                principal
                    .valor(QStringLiteral("SELECT NOME FROM VORK_USUARIOS WHERE CODUSUARIO = 105"))
                    .toString(),
                "EDUARDO PINTO JR");
            // A selection that succeeds inside it is recorded with it.
            selecionar({"ANA CLARA"});
            janela->btnAlteraVia()->click();
            EXPECT_EQ(dialogos.textos(Tipo::Erro).size(), 1);
            EXPECT_TRUE(principal.emTransacao());
            principal.confirmarNivel();
            EXPECT_EQ(via(101).toInt(), 13);
            EXPECT_EQ(
                conexao()
                    .valor(QStringLiteral("SELECT NOME FROM VORK_USUARIOS WHERE CODUSUARIO = 105"))
                    .toString(),
                "EDUARDO PINTO JR");
        } else {
            EXPECT_FALSE(principal.emTransacao());
        }
    }
}

TEST_F(CarteiraTest, SemSelecaoAvisaENaoImprimeNemAltera) {
    janela->defineSaidaPdf(pdf);
    janela->dbgServidores()->clearSelection();
    janela->btnImprimir()->click();
    janela->btnAlteraVia()->click();
    EXPECT_EQ(dialogos.textos(Tipo::Informacao),
              (QStringList{"Selecione os servidores cujas carteiras serão impressas.",
                           "Selecione os servidores cuja via da carteira será alterada."}));
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(via(101).toInt(), 12);
}

TEST_F(CarteiraTest, CartoesEmJisB5QuatroPorPaginaEmOrdemDeMatricula) {
    janela->defineSaidaPdf(pdf);
    // Selected in name order; printed in matriculation order.
    selecionar(
        {"HELENA OITO", "ANA CLARA", "BRUNO LIMA", "CARLA SOUZA", "DANIEL REIS", "EDUARDO PINTO"});
    const QList<int> selecao = janela->dbgServidores()->linhasSelecionadas();
    janela->btnImprimir()->click();
    ASSERT_TRUE(dialogos.vazio()) << dialogos.textos().join('\n').toStdString();
    ASSERT_TRUE(QFile::exists(pdf));

    std::vector<relatorio::teste::PaginaPdf> paginas;
    const auto palavras = relatorio::teste::palavrasPdf(pdf, &paginas);
    ASSERT_EQ(paginas.size(), 2u);
    for (const auto& p : paginas) {
        EXPECT_NEAR(p.largura, 182.0, 0.5);
        EXPECT_NEAR(p.altura, 257.0, 0.5);
    }
    // Each card's matriculation line: page, card slot, value, copy caption.
    const struct {
        const char* primeiroNome;
        const char* matricula;
        const char* via;
        int pagina, posicao;
    } cartoes[] = {{"CARLA", "0000042", "ª", 0, 0},   {"BRUNO", "0123456", "3ª", 0, 1},
                   {"ANA", "1234567", "12ª", 0, 2},   {"EDUARDO", "2000001", "0ª", 0, 3},
                   {"DANIEL", "7654321", "1ª", 1, 0}, {"HELENA", "12345678", "5ª", 1, 1}};
    const auto rotulos = relatorio::teste::encontrar(palavras, QStringLiteral("MATRÍCULA"));
    ASSERT_EQ(rotulos.size(), 6u);
    for (std::size_t i = 0; i < std::size(cartoes); ++i) {
        const auto& c = cartoes[i];
        SCOPED_TRACE(c.primeiroNome);
        const double topoCartao = kTopoPrimeiroCartao + c.posicao * kAlturaCartao;
        const PalavraPdf& rotulo = rotulos.at(i);
        EXPECT_EQ(rotulo.pagina, c.pagina);
        EXPECT_GT(rotulo.topo, topoCartao);
        EXPECT_LT(rotulo.base, topoCartao + kAlturaCartao);
        EXPECT_GT(rotulo.esquerda, 91.0);  // the labels are on the right half

        const auto valores =
            relatorio::teste::encontrar(palavras, QString::fromLatin1(c.matricula));
        ASSERT_EQ(valores.size(), 1u);
        EXPECT_EQ(valores[0].pagina, c.pagina);
        EXPECT_NEAR(valores[0].topo, rotulo.topo, 0.3);  // same line
        EXPECT_GT(valores[0].esquerda, rotulo.direita);  // beside its label

        const auto nomes =
            relatorio::teste::encontrar(palavras, QString::fromLatin1(c.primeiroNome));
        ASSERT_EQ(nomes.size(), 1u);
        EXPECT_EQ(nomes[0].pagina, c.pagina);
        EXPECT_LT(nomes[0].direita, 91.0);  // the name is on the left half, below the labels' top
        EXPECT_GT(nomes[0].topo, rotulo.topo + 20);
        EXPECT_LT(nomes[0].base, topoCartao + kAlturaCartao);

        // The copy caption ends the matriculation line.
        bool achouVia = false;
        for (const PalavraPdf& p : palavras) {
            if (p.pagina == c.pagina && p.texto == QString::fromUtf8(c.via) &&
                std::abs(p.topo - rotulo.topo) < 1.5 && p.esquerda > valores[0].direita)
                achouVia = true;
        }
        EXPECT_TRUE(achouVia) << c.via;
    }
    // Values of one card, formatted; the situation's description.
    const QString texto = relatorio::teste::textoPdf(pdf);
    for (const char* esperado : {"RG103", "000000103", "TE103", "01/03/2010", "03/03/2010",
                                 "03/01/1980", "LICENCIADO", "ATIVO", "DT. ADMIS.", "DT. NASC.",
                                 "R.G.", "CPF.", "TIT. ELEIT.", "SITUAÇÃO", "PROFESSOR EBTT"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado;

    // Afterwards the highest matriculation printed is current and the selection is as it was.
    EXPECT_EQ(atual(), "HELENA OITO");
    EXPECT_EQ(janela->dbgServidores()->linhasSelecionadas(), selecao);
}

TEST_F(CarteiraTest, CodigoDeBarrasImpressoEhLidoDeVolta) {
    janela->defineSaidaPdf(pdf);
    selecionar({"ANA CLARA", "BRUNO LIMA", "CARLA SOUZA", "HELENA OITO"});
    janela->btnImprimir()->click();
    ASSERT_TRUE(dialogos.vazio()) << dialogos.textos().join('\n').toStdString();
    // RH_GUARDAR_PDF names a folder that keeps the card page (a picture for the documentation).
    if (const QString guardar = qEnvironmentVariable("RH_GUARDAR_PDF"); !guardar.isEmpty())
        QFile::copy(pdf, guardar + QStringLiteral("/carteiras.pdf"));
    const QString png = pasta.filePath(QStringLiteral("pagina"));
    executar(QStringLiteral("pdftoppm"),
             {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
              QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("1"),
              QStringLiteral("-l"), QStringLiteral("1"), pdf, png});
    ASSERT_TRUE(QFile::exists(png + ".png"));

    // Cut one card at a time, so that each image holds one code.
    const QImage pagina(png + ".png");
    ASSERT_FALSE(pagina.isNull());
    const double pixelsPorMm = 300 / 25.4;
    const char* esperados[] = {"2000004200", "2012345603", "2123456712",
                               "2123456780"};  // by matriculation
    for (int i = 0; i < 4; ++i) {
        const int topo = int((kTopoPrimeiroCartao + i * kAlturaCartao) * pixelsPorMm);
        const QString recorte = pasta.filePath(QStringLiteral("cartao%1.png").arg(i));
        ASSERT_TRUE(
            pagina.copy(0, topo, pagina.width(), int(kAlturaCartao * pixelsPorMm)).save(recorte));
        EXPECT_EQ(
            executar(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"),
                                                 QStringLiteral("-Scode39.enable=1"), recorte}),
            QString::fromLatin1(esperados[i]))
            << "cartão " << i;
    }
}

TEST_F(CarteiraTest, VisualizacaoMostraOsCartoesESalvaPdf) {
    selecionar({"DANIEL REIS", "ANA CLARA"});
    int paginas = -1;
    executor.defineInterceptador([&](QWidget& w) {
        auto* previa = qobject_cast<relatorio::JanelaVisualizacao*>(&w);
        if (!previa) {
            ADD_FAILURE() << "não é a visualização";
            return 0;
        }
        paginas = previa->quantidadePaginas();
        dialogos.planejarArquivo(pdf);
        previa->salvarPdf();
        return 0;
    });
    janela->btnImprimir()->click();
    EXPECT_EQ(paginas, 1);
    EXPECT_EQ(dialogos.textos(Tipo::SalvarArquivo), QStringList{"Salvar como PDF"});
    const QString texto = relatorio::teste::textoPdf(pdf);
    EXPECT_LT(texto.indexOf("ANA CLARA"), texto.indexOf("DANIEL REIS"));
    EXPECT_EQ(atual(), "DANIEL REIS");
}

TEST_F(CarteiraTest, InstituidorListadoNaoTemCartaoEOUsuarioEhAvisado) {
    janela->defineSaidaPdf(pdf);
    selecionar({"IVO INSTITUIDOR"});
    janela->btnImprimir()->click();
    EXPECT_EQ(
        dialogos.textos(Tipo::Aviso),
        QStringList{
            "Nenhum dos servidores selecionados foi encontrado para a impressão da carteira."});
    EXPECT_FALSE(QFile::exists(pdf));

    dialogos.limpar();
    selecionar({"IVO INSTITUIDOR", "BRUNO LIMA"});
    janela->btnImprimir()->click();
    EXPECT_EQ(dialogos.textos(Tipo::Aviso),
              QStringList{"1 dos 2 servidores selecionados não foram encontrados para a impressão "
                          "e ficam sem carteira."});
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(
        relatorio::teste::encontrar(relatorio::teste::palavrasPdf(pdf), QStringLiteral("MATRÍCULA"))
            .size(),
        1u);
}

TEST_F(CarteiraTest, ImpressaoPelaConexaoConfiguradaDasCarteiras) {
    janela->defineSaidaPdf(pdf);
    m_config.carteiraUsaBancoPrincipal = false;
    m_config.carteira = banco().configuracao();
    EXPECT_NE(&janela->conexaoImpressao(), &m_dm->ADOConnecOracle());
    selecionar({"ANA CLARA"});
    janela->btnImprimir()->click();
    EXPECT_TRUE(dialogos.vazio()) << dialogos.textos().join('\n').toStdString();
    EXPECT_TRUE(relatorio::teste::textoPdf(pdf).contains("ANA CLARA"));
}

TEST_F(CarteiraTest, ConexaoDasCarteirasSemOsDadosExplicaENaoImprime) {
    m_config.carteiraUsaBancoPrincipal = false;
    m_config.carteira = db::ConfiguracaoConexao{};
    m_config.carteira.banco = pasta.filePath(QStringLiteral("vazio.sqlite"));
    janela->defineSaidaPdf(pdf);
    selecionar({"ANA CLARA"});
    janela->btnImprimir()->click();
    ASSERT_EQ(dialogos.textos(Tipo::Erro).size(), 1);
    EXPECT_TRUE(dialogos.textos(Tipo::Erro)
                    .at(0)
                    .startsWith("Não foi possível ler os dados das carteiras.\n"));
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(janela->dbgServidores()->linhasSelecionadas(), QList<int>{0});
}

}  // namespace
