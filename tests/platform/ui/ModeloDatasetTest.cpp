#include <QAbstractItemModelTester>
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "TesteUi.h"
#include "platform/texto/FormatoExibicao.h"
#include "platform/ui/GradeDataset.h"
#include "platform/ui/ModeloDataset.h"

using namespace rh;
using rh::db::Dataset;
using rh::ui::ColunaGrade;
using rh::ui::GradeDataset;
using rh::ui::ModeloDataset;

namespace {

// Qt's model tester reports through warnings of its category; each one is a
// failure of the model under test.
class FalhasDoTestador {
public:
    FalhasDoTestador() { s_anterior = qInstallMessageHandler(&FalhasDoTestador::tratar); }
    ~FalhasDoTestador() { qInstallMessageHandler(s_anterior); }

private:
    static void tratar(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
        if (contexto.category && QByteArray(contexto.category) == "qt.modeltest" && tipo != QtDebugMsg)
            ADD_FAILURE() << "QAbstractItemModelTester: " << texto.toStdString();
        else if (s_anterior)
            s_anterior(tipo, contexto, texto);
    }
    static inline QtMessageHandler s_anterior = nullptr;
};

class ModeloDatasetTest : public teste::TesteUi {
protected:
    // Every row the model shows matches the dataset, cell by cell, and the
    // grid's current row is the dataset's current record.
    void conferir(const GradeDataset& grade, Dataset& ds) {
        const ModeloDataset& m = *grade.modelo();
        ASSERT_EQ(m.rowCount(), ds.linhasLidas());
        for (int l = 0; l < m.rowCount(); ++l)
            for (int c = 0; c < m.columnCount(); ++c)
                ASSERT_EQ(m.index(l, c).data().toString(),
                          texto::FormatoExibicao::formatar(ds.valorNaLinha(l, m.indiceCampo(c)),
                                            ds.campo(m.indiceCampo(c)).formatoExibicao()))
                    << "linha " << l << " coluna " << c;
        if (ds.linhaAtual() >= 0) {
            EXPECT_EQ(grade.currentIndex().row(), ds.linhaAtual());
        }
    }
    QPoint centroDaLinha(const GradeDataset& grade, int linha) {
        return grade.visualRect(grade.modelo()->index(linha, 0)).center();
    }
};

TEST_F(ModeloDatasetTest, GradeSobreTabelaGrandeLePorPaginas) {
    encher(2000);
    FalhasDoTestador falhas;
    auto ds = funcionarios();
    ModeloDataset modelo(*ds);
    QAbstractItemModelTester testador(&modelo, QAbstractItemModelTester::FailureReportingMode::Warning);

    // The first page is there at once; the rest only when asked for.
    const int primeiraPagina = modelo.rowCount();
    EXPECT_GT(primeiraPagina, 0);
    EXPECT_LT(primeiraPagina, 2000);
    ASSERT_TRUE(modelo.canFetchMore({}));
    modelo.defineTamanhoPagina(300);
    modelo.fetchMore({});
    EXPECT_EQ(modelo.rowCount(), primeiraPagina + 300);

    // A grid scrolled to its end asks for the next page by itself.
    GradeDataset grade;
    grade.vincular(*ds);
    grade.modelo()->defineTamanhoPagina(300);
    grade.resize(400, 300);
    grade.show();
    const int antes = grade.modelo()->rowCount();
    grade.verticalScrollBar()->setValue(grade.verticalScrollBar()->maximum());
    QApplication::processEvents();
    EXPECT_GT(grade.modelo()->rowCount(), antes);

    while (modelo.canFetchMore({})) modelo.fetchMore({});
    EXPECT_EQ(modelo.rowCount(), 2000);
    EXPECT_EQ(modelo.index(1999, 1).data().toString(), "F002000");
}

TEST_F(ModeloDatasetTest, ColunasTitulosFormatoEAlinhamento) {
    encher(120);
    auto ds = funcionarios();
    ds->campo("NOME").defineRotulo("Nome do servidor");
    ds->campo("CODFUNC").defineVisivel(false);

    ModeloDataset todos(*ds);
    EXPECT_EQ(todos.headerData(0, Qt::Horizontal).toString(), "Nome do servidor");
    EXPECT_EQ(todos.columnCount(), ds->quantidadeCampos() - 1);

    ModeloDataset escolhidas(*ds, {ColunaGrade{"SALARIO", "Salário", 90, {}, QStringLiteral("###,###.00")},
                                   ColunaGrade{"NOME"}, ColunaGrade{"NAOEXISTE"}});
    EXPECT_EQ(escolhidas.headerData(0, Qt::Horizontal).toString(), "Salário");
    EXPECT_EQ(escolhidas.headerData(1, Qt::Horizontal).toString(), "Nome do servidor");
    EXPECT_EQ(escolhidas.index(119, 0).data().toString(), "1.260,00");  // 120 * 10.5
    const auto alinhamento = escolhidas.index(0, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
    EXPECT_TRUE(alinhamento & Qt::AlignRight);
    EXPECT_TRUE(escolhidas.index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignLeft);
    EXPECT_EQ(escolhidas.index(0, 2).data().toString(), "");  // unknown field: an empty column, no crash
    EXPECT_FALSE(escolhidas.flags(escolhidas.index(0, 0)) & Qt::ItemIsEditable);

    // Reopening on another statement takes the new fields.
    ds->defineSql("SELECT CODFUNC, NOME FROM FUNCIONARIOS WHERE CODFUNC <= 3");
    ds->abrir();
    EXPECT_EQ(todos.rowCount(), 3);
    EXPECT_EQ(todos.columnCount(), 1);
    EXPECT_EQ(todos.index(2, 0).data().toString(), "F000003");
}

TEST_F(ModeloDatasetTest, GradeSegueInsercaoCancelamentoGravacaoExclusaoEReabertura) {
    encher(5);
    FalhasDoTestador falhas;
    auto ds = funcionarios();
    GradeDataset grade;
    grade.vincular(*ds, {ColunaGrade{"CODFUNC"}, ColunaGrade{"NOME"}, ColunaGrade{"SALARIO"}});
    QAbstractItemModelTester testador(grade.modelo(), QAbstractItemModelTester::FailureReportingMode::Warning);
    grade.resize(500, 300);
    grade.show();
    ASSERT_NO_FATAL_FAILURE(conferir(grade, *ds));

    ds->inserir();
    EXPECT_EQ(grade.modelo()->rowCount(), 6);
    EXPECT_EQ(grade.currentIndex().row(), 5);
    EXPECT_EQ(grade.modelo()->headerData(5, Qt::Vertical).toString(), "*");
    ds->campo("NOME").defineValor("Novo");
    EXPECT_EQ(grade.modelo()->index(5, 1).data().toString(), "Novo");
    ds->cancelar();
    ASSERT_NO_FATAL_FAILURE(conferir(grade, *ds));
    EXPECT_EQ(grade.modelo()->rowCount(), 5);

    ds->inserir();
    ds->campo("NOME").defineValor("Gravado");
    ds->gravar();
    ASSERT_NO_FATAL_FAILURE(conferir(grade, *ds));
    EXPECT_EQ(grade.modelo()->index(5, 1).data().toString(), "Gravado");
    EXPECT_NE(grade.modelo()->index(5, 0).data().toString(), "");  // the key the database gave

    ds->irPara(1);
    EXPECT_EQ(grade.currentIndex().row(), 1);
    ds->excluir();
    ASSERT_NO_FATAL_FAILURE(conferir(grade, *ds));
    EXPECT_EQ(grade.modelo()->index(1, 1).data().toString(), "F000003");

    ds->reabrir();
    ASSERT_NO_FATAL_FAILURE(conferir(grade, *ds));
    EXPECT_EQ(grade.modelo()->rowCount(), 5);
    ds->fechar();
    EXPECT_EQ(grade.modelo()->rowCount(), 0);
}

TEST_F(ModeloDatasetTest, LinhaDaGradeEDoDatasetAndamJuntas) {
    encher(6);
    auto ds = funcionarios();
    GradeDataset grade;
    grade.vincular(*ds);
    grade.resize(500, 300);
    grade.show();

    QTest::mouseClick(grade.viewport(), Qt::LeftButton, {}, centroDaLinha(grade, 3));
    EXPECT_EQ(ds->linhaAtual(), 3);
    QTest::keyClick(&grade, Qt::Key_Down);
    EXPECT_EQ(ds->linhaAtual(), 4);
    ds->primeiro();
    EXPECT_EQ(grade.currentIndex().row(), 0);
    EXPECT_EQ(grade.linhasSelecionadas(), QList<int>{0});

    // A record being edited keeps the grid on it; nothing is posted behind
    // the window's back.
    ds->editar();
    ds->campo("NOME").defineValor("Em edição");
    QTest::mouseClick(grade.viewport(), Qt::LeftButton, {}, centroDaLinha(grade, 2));
    EXPECT_EQ(ds->estado(), db::EstadoDataset::Editando);
    EXPECT_EQ(ds->linhaAtual(), 0);
    EXPECT_EQ(grade.currentIndex().row(), 0);
    ds->cancelar();

    grade.defineSelecao(GradeDataset::Selecao::Multipla);
    QTest::mouseClick(grade.viewport(), Qt::LeftButton, {}, centroDaLinha(grade, 4));
    QTest::mouseClick(grade.viewport(), Qt::LeftButton, Qt::ControlModifier, centroDaLinha(grade, 1));
    EXPECT_EQ(grade.linhasSelecionadas(), (QList<int>{1, 4}));
    EXPECT_EQ(ds->linhaAtual(), 1);

    int escolhida = -1;
    QObject::connect(&grade, &GradeDataset::linhaEscolhida, [&](int l) { escolhida = l; });
    QTest::keyClick(&grade, Qt::Key_Return);
    EXPECT_EQ(escolhida, 1);
}

}  // namespace
