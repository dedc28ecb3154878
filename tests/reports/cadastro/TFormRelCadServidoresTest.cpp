// The general servant list printed to PDF and read back with poppler: the
// six layouts, the unit break, titles, captions and the running count.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "app/principal/RegistroJanelas.h"
#include "support/PdfTexto.h"
#include "reports/base/ComboLista.h"
#include "reports/base/FixtureRelatorios.h"
#include "reports/cadastro/JanelasRelatorios.h"
#include "reports/cadastro/TFormRelCadServidores.h"

namespace rh::teste {
namespace {

using reports::TFormRelCadServidores;
using Tipo = DialogosRoteirizados::Tipo;

QString normal(QString s) { return s.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")); }

struct Layout {
    TFormRelCadServidores::Tipo tipo;
    const char* titulo;
    QStringList colunas;
    QStringList ausentes;
    bool paisagem;
    double larguraOrd;
    bool paginaPorUnidadeSempre;
};

const QStringList kColunasCompletas = {"NOME DO SERVIDOR", "SIAPE", "ENDEREÇO", "BAIRRO", "CIDADE", "UF", "CEP", "TELEFONE",
                                       "CAR", "C.H.", "DT.ADMIS", "CPF", "UNIDADE", "SITUAÇÃO"};

const QList<Layout>& layouts() {
    static const QList<Layout> l = {
        {TFormRelCadServidores::ClasseNivelPadrao, "RELAÇÃO DOS SERVIDORES - TODAS AS UNIDADES",
         kColunasCompletas + QStringList{"CLASSE", "NÍVEL", "PADRÃO"}, {"MATRÍCULA"}, false, 5, false},
        {TFormRelCadServidores::Completa, "RELAÇÃO DOS SERVIDORES - TODAS AS UNIDADES", kColunasCompletas,
         {"CLASSE", "NÍVEL", "PADRÃO", "MATRÍCULA"}, true, 7, false},
        {TFormRelCadServidores::Resumida, "RELAÇÃO DOS SERVIDORES - TODAS AS UNIDADES", {"NOME DO SERVIDOR", "MATRÍCULA"},
         {"ASSINATURA", "SIAPE", "EMAIL"}, false, 10, false},
        {TFormRelCadServidores::ComAssinatura, "RELAÇÃO DOS SERVIDORES - TODAS AS UNIDADES",
         {"NOME DO SERVIDOR", "MATRÍCULA", "ASSINATURA"}, {"SIAPE"}, false, 10, false},
        {TFormRelCadServidores::Email, "RELAÇÃO DE EMAIL - TODAS AS UNIDADES",
         {"NOME DO SERVIDOR", "MATRÍCULA", "EMAIL CORPORATIVO", "EMAIL ALTERNATIVO"}, {"SIAPE", "CARGA"}, true, 10, true},
        {TFormRelCadServidores::CargaHoraria, "RELATÓRIO DE CARGA HORÁRIA TODAS AS UNIDADES",
         {"NOME DO SERVIDOR", "MATRÍCULA", "CARGA HORÁRIA"}, {"SIAPE", "EMAIL"}, false, 10, true},
    };
    return l;
}

class RelatorioGeral : public FixtureRelatorios {
protected:
    void SetUp() override {
        FixtureRelatorios::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        janela = std::make_unique<TFormRelCadServidores>(*contexto);
        janela->show();
    }
    void TearDown() override {
        janela.reset();
        FixtureRelatorios::TearDown();
    }
    QString imprimir(const QString& nome) {
        const QString pdf = arquivo(nome);
        salvarProximaPrevia(pdf);
        QTest::mouseClick(&janela->botaoImprimir(), Qt::LeftButton);
        EXPECT_TRUE(dialogos.planoConsumido()) << dialogos.textos().join('\n').toStdString();
        return pdf;
    }
    QStringList lista(const QString& sql) {
        QStringList r;
        auto q = conexao().executar(sql);
        while (q.next()) r << q.value(0).toString();
        return r;
    }
    // Sizes of the runs of equal values, in order.
    static QList<int> sequencias(const QStringList& valores) {
        QList<int> r;
        for (int i = 0; i < valores.size(); ++i) {
            if (i == 0 || valores.at(i) != valores.at(i - 1)) r << 0;
            ++r.last();
        }
        return r;
    }
    static QList<int> ate(int n) {
        QList<int> r;
        for (int i = 1; i <= n; ++i) r << i;
        return r;
    }
    static constexpr const char* kPadrao =
        "FROM VORK_VW_SERVIDORES_COM_PENS WHERE SITUACAO <> 'F' ";

    std::unique_ptr<TFormRelCadServidores> janela;
};

TEST_F(RelatorioGeral, SeisTiposSemQuebraComTitulosColunasLegendasENumeracao) {
    const QString ministerio = conexao().valor("SELECT NOMEMINISTERIO FROM VORK_UNIDADES WHERE CODUNIDADE = 1").toString();
    const QStringList unidadesPorNome = lista(QStringLiteral("SELECT UNIDADE ") + kPadrao + "ORDER BY NOME");
    const int total = int(unidadesPorNome.size());
    ASSERT_GT(total, 40);
    for (const Layout& l : layouts()) {
        SCOPED_TRACE(l.titulo);
        janela->escolherTipo(l.tipo);
        const QString pdf = imprimir(QStringLiteral("tipo%1.pdf").arg(int(l.tipo)));
        // RH_GUARDAR_PDF names a folder that keeps the six PDFs (pictures for the documentation).
        if (const QString guardar = qEnvironmentVariable("RH_GUARDAR_PDF"); !guardar.isEmpty())
            QFile::copy(pdf, guardar + QStringLiteral("/relatorio-geral-tipo%1.pdf").arg(int(l.tipo)));
        const QStringList paginas = relatorio::teste::paginasTextoPdf(pdf);
        ASSERT_FALSE(paginas.isEmpty());
        const QString primeira = normal(paginas.first());
        EXPECT_TRUE(primeira.contains(QString::fromUtf8(l.titulo))) << primeira.toStdString();
        if (!ministerio.isEmpty()) {
            EXPECT_TRUE(primeira.contains(normal(ministerio)));
        }
        for (const QString& legenda : {QStringLiteral("Categoria: TODAS AS CATEGORIAS (EXCETO PENSIONISTAS)"),
                                       QStringLiteral("Situação: << TODAS AS SITUAÇÕES >>"),
                                       QStringLiteral("Sexo: Ambos"), QStringLiteral("ORD"), QStringLiteral("Data:"),
                                       QStringLiteral("Pág.: 1")})
            EXPECT_TRUE(primeira.contains(legenda)) << legenda.toStdString();
        for (const QString& c : l.colunas) EXPECT_TRUE(primeira.contains(c)) << c.toStdString();
        for (const QString& c : l.ausentes) EXPECT_FALSE(primeira.contains(QLatin1Char(' ') + c + QLatin1Char(' '))) << c.toStdString();
        EXPECT_FALSE(primeira.contains(QStringLiteral("Unidade:")) && !l.paginaPorUnidadeSempre);

        std::vector<relatorio::teste::PaginaPdf> medidas;
        relatorio::teste::palavrasPdf(pdf, &medidas);
        EXPECT_NEAR(medidas.front().largura, l.paisagem ? 297 : 210, 1);

        const QList<QList<int>> ordens = ordensPorPagina(pdf, l.larguraOrd);
        if (!l.paginaPorUnidadeSempre) {
            // One list in name order, numbered 1 to n across the pages.
            QList<int> todas;
            for (const auto& p : ordens) todas += p;
            EXPECT_EQ(todas, ate(total));
        } else {
            // A page for every change of unit in name order, counting from 1 on each.
            const QList<int> runs = sequencias(unidadesPorNome);
            ASSERT_EQ(ordens.size(), runs.size());
            for (int i = 0; i < runs.size(); ++i) EXPECT_EQ(ordens.at(i), ate(runs.at(i))) << "página " << i + 1;
        }
    }
    EXPECT_TRUE(dialogos.textos(Tipo::Erro).isEmpty()) << dialogos.textos().join('\n').toStdString();
}

TEST_F(RelatorioGeral, QuebraPorUnidadeUmaPaginaPorUnidadeNumeracaoReiniciando) {
    janela->quebraPorUnidade().setChecked(true);
    for (const Layout& l : layouts()) {
        SCOPED_TRACE(l.titulo);
        janela->escolherTipo(l.tipo);
        const QString pdf = imprimir(QStringLiteral("quebra%1.pdf").arg(int(l.tipo)));
        const QString ordem = l.tipo == TFormRelCadServidores::CargaHoraria ? QStringLiteral("UNIDADE, CARGAHORARIA, NOME")
                                                                            : QStringLiteral("UNIDADE, NOME");
        ASSERT_TRUE(janela->ultimoComando());
        const QString sql = janela->ultimoComando()->sql;
        EXPECT_TRUE(sql.endsWith(l.tipo == TFormRelCadServidores::CargaHoraria
                                     ? QStringLiteral(" ORDER BY UNIDADE, CARGAHORARIA, NOME")
                                     : QStringLiteral(" ORDER BY UNIDADE, VORK_VW_SERVIDORES_COM_PENS.NOME")))
            << sql.toStdString();
        const QStringList unidades = lista(QStringLiteral("SELECT UNIDADE ") + kPadrao + "ORDER BY " + ordem);
        const QList<int> runs = sequencias(unidades);
        QStringList siglas = unidades;
        siglas.removeDuplicates();

        const QStringList paginas = relatorio::teste::paginasTextoPdf(pdf);
        const QList<QList<int>> ordens = ordensPorPagina(pdf, l.larguraOrd);
        ASSERT_EQ(paginas.size(), runs.size());
        for (int i = 0; i < runs.size(); ++i) {
            EXPECT_TRUE(normal(paginas.at(i)).contains(QStringLiteral("Unidade: ") + siglas.at(i))) << "página " << i + 1;
            EXPECT_EQ(ordens.at(i), ate(runs.at(i))) << "página " << i + 1;
        }
        // The ordering is put back for the next print.
        EXPECT_EQ(janela->comboOrdem().currentText(), QStringLiteral("Nome"));
    }
    // Without the option again: one list by name, no unit heads.
    janela->quebraPorUnidade().setChecked(false);
    janela->escolherTipo(TFormRelCadServidores::Completa);
    const QString pdf = imprimir(QStringLiteral("depois.pdf"));
    EXPECT_TRUE(janela->ultimoComando()->sql.endsWith(QStringLiteral("\n ORDER BY NOME")));
    EXPECT_FALSE(relatorio::teste::textoPdf(pdf).contains(QStringLiteral("Unidade:")));
}

TEST_F(RelatorioGeral, QuebraComOrdemPorMatriculaEUnidadeEscolhida) {
    const QString sigla = conexao().valor("SELECT SIGLA FROM VORK_UNIDADES WHERE CODUNIDADE = 2").toString();
    janela->quebraPorUnidade().setChecked(true);
    janela->comboOrdem().setCurrentText(QStringLiteral("Matrícula"));
    ASSERT_TRUE(janela->lookupUnidade().defineChave(2));
    janela->escolherTipo(TFormRelCadServidores::Resumida);
    const QString texto = normal(relatorio::teste::textoPdf(imprimir(QStringLiteral("matricula.pdf"))));
    EXPECT_TRUE(janela->ultimoComando()->sql.endsWith(QStringLiteral(" ORDER BY UNIDADE, VORK_VW_SERVIDORES_COM_PENS.NUMMATRIC")));
    EXPECT_TRUE(texto.contains(QStringLiteral("RELAÇÃO DOS SERVIDORES - ") + sigla));
    EXPECT_TRUE(texto.contains(QStringLiteral("Unidade: ") + sigla));
    // Matriculations in ascending order on the page.
    QList<qlonglong> impressas;
    for (const auto& m : QRegularExpression(QStringLiteral("\\b(1\\d{6})\\b")).globalMatch(texto)) impressas << m.captured(1).toLongLong();
    QList<qlonglong> ordenadas = impressas;
    std::sort(ordenadas.begin(), ordenadas.end());
    EXPECT_FALSE(impressas.isEmpty());
    EXPECT_EQ(impressas, ordenadas);
    EXPECT_EQ(janela->comboOrdem().currentText(), QStringLiteral("Matrícula"));
}

TEST_F(RelatorioGeral, SemTipoEscolhidoNadaImprime) {
    QTest::mouseClick(&janela->botaoImprimir(), Qt::LeftButton);
    EXPECT_EQ(dialogos.textos(Tipo::Informacao), QStringList{QStringLiteral("TIPO DO RELATÓRIO NÃO SELECIONADO")});
    EXPECT_EQ(previasAbertas(), 0);
    EXPECT_FALSE(janela->ultimoComando());
}

TEST_F(RelatorioGeral, ExportarEntregaTodasAsColunasSemPedirTipo) {
    QTest::mouseClick(&janela->botaoExportar(), Qt::LeftButton);
    ASSERT_EQ(exportacao.vezes, 1);
    ASSERT_FALSE(exportacao.linhas.isEmpty());
    const QStringList colunas = exportacao.linhas.first().keys();
    EXPECT_EQ(colunas.size(), 52);
    for (const char* c : {"NUMMATRIC", "EMAIL_ALTERNATIVO", "TIPOSANGUINEO", "CLASSE", "PADRAO", "NIVEL"})
        EXPECT_TRUE(colunas.contains(QString::fromLatin1(c))) << c;
    EXPECT_TRUE(dialogos.vazio());
}

TEST_F(RelatorioGeral, PensionistasNoLayoutDeServidores) {
    janela->comboCategoria().setCurrentText(reports::kPensionista);
    janela->escolherTipo(TFormRelCadServidores::Completa);
    const QString texto = normal(relatorio::teste::textoPdf(imprimir(QStringLiteral("pensionistas.pdf"))));
    EXPECT_TRUE(texto.contains(QStringLiteral("CARLOS D'ÁVILA PENSIONISTA")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Categoria: PENSIONISTA")));
    EXPECT_TRUE(dialogos.textos(Tipo::Erro).isEmpty());
}

TEST(JanelasRelatorios, RelatorioGeralNoMenu) {
    app::RegistroJanelas registro;
    reports::registrarJanelasRelatorios(registro);
    EXPECT_TRUE(registro.conhece(QStringLiteral("TFormRelCadServidores")));
}

}  // namespace
}  // namespace rh::teste
