// The report filter window against a real database: the statement of each
// run, what reaches the export and the preview, and the messages.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "FixtureRelatorios.h"
#include "support/PdfTexto.h"
#include "platform/relatorio/Relatorio.h"
#include "reports/base/ComboLista.h"
#include "reports/base/MolduraRelatorio.h"
#include "reports/base/TMasterRelatorio.h"

namespace rh::teste {
namespace {

using reports::TMasterRelatorio;
using Tipo = DialogosRoteirizados::Tipo;

const QString kSemRegistros = QStringLiteral("NÃO EXISTEM REGISTRO NESTAS CONDIÇÕES");

// A report window as small as they come: the servants' name list.
class JanelaFiltro : public TMasterRelatorio {
public:
    explicit JanelaFiltro(app::ContextoJanela& c) : TMasterRelatorio(c), m_moldura(opcoes()) {
        Query.defineSql(QStringLiteral("select NUMMATRIC, NOME, SITUACAO, SEXO, CATEGSERVIDOR, CODUNIDADE, UNIDADE, "
                                       "DTADMISSAO from VORK_VW_SERVIDORES where 0 = 0"));
        ppReport = &m_moldura.relatorio();
        ppLabelCategoriaX = m_moldura.categoria();
        ppLabelSituacaoX = m_moldura.situacao();
        ppLabelSexoX = m_moldura.sexo();
        m_moldura.defineTitulo(QStringLiteral("LISTA DE TESTE"));
    }
    using TMasterRelatorio::sqlORIG;

private:
    static reports::OpcoesMoldura opcoes() {
        reports::OpcoesMoldura o;
        o.nome = QStringLiteral("LISTA DE TESTE");
        o.colunas = {{QStringLiteral("ORD"), {}, 10, relatorio::Alinhamento::Direita, {}, true},
                     {QStringLiteral("NOME DO SERVIDOR"), QStringLiteral("NOME"), 100},
                     {QStringLiteral("MATRÍCULA"), QStringLiteral("NUMMATRIC"), 25}};
        return o;
    }
    reports::MolduraRelatorio m_moldura;
};

class MasterRelatorio : public FixtureRelatorios {
protected:
    std::unique_ptr<JanelaFiltro> abrirJanela() {
        auto j = std::make_unique<JanelaFiltro>(*contexto);
        j->show();
        return j;
    }
    // Runs "&Exportar" and answers the matriculations handed to the export.
    QList<qlonglong> exportar(JanelaFiltro& j) {
        exportacao.linhas.clear();
        QTest::mouseClick(&j.botaoExportar(), Qt::LeftButton);
        QList<qlonglong> r;
        for (const auto& l : exportacao.linhas) r << l.value("NUMMATRIC").toLongLong();
        return r;
    }
    QList<qlonglong> matriculas(const QString& sql, const db::Parametros& p = {}) {
        QList<qlonglong> r;
        auto q = conexao().executar(sql, p);
        while (q.next()) r << q.value(0).toLongLong();
        return r;
    }
};

TEST_F(MasterRelatorio, PadroesDeixamDeForaSituacaoFEUsamAVisaoComPensoes) {
    auto j = abrirJanela();
    EXPECT_TRUE(j->sqlORIG.endsWith(QStringLiteral("/* AND NOME LIKE */\n/* AND ALGUMA COISA */")));
    EXPECT_EQ(j->comboCategoria().currentText(), reports::kTodasCategorias);
    EXPECT_EQ(j->lookupSituacao().texto(), reports::kTodasSituacoes);
    EXPECT_EQ(j->lookupUnidade().texto(), reports::kTodasUnidades);
    EXPECT_EQ(j->nomeInicial().texto(), reports::kTodosServidores);
    EXPECT_EQ(j->nomeFinal().texto(), reports::kTodosServidores);
    EXPECT_EQ(j->paginasNome().currentIndex(), 0);

    const QList<qlonglong> exportadas = exportar(*j);
    EXPECT_EQ(exportacao.vezes, 1);
    // Institutors of a pension (category "I") are in, situation "F" is out.
    EXPECT_EQ(exportadas, matriculas(QStringLiteral("SELECT NUMMATRIC FROM VORK_VW_SERVIDORES_COM_PENS WHERE "
                                                    "SITUACAO <> 'F' ORDER BY NOME")));
    EXPECT_GT(conexao().valor("SELECT COUNT(*) FROM VORK_VW_SERVIDORES_COM_PENS WHERE CATEGSERVIDOR = 'I' AND SITUACAO <> 'F'").toInt(), 0);
    ASSERT_TRUE(j->ultimoComando());
    EXPECT_TRUE(j->ultimoComando()->parametros.isEmpty());
    EXPECT_TRUE(dialogos.vazio()) << dialogos.textos().join('\n').toStdString();
}

TEST_F(MasterRelatorio, PerfilUVeSoASuaUnidadeMesmoComOLookupEmBranco) {
    entrarComo(QStringLiteral("U"), 2);
    auto j = abrirJanela();
    EXPECT_EQ(j->lookupUnidade().count(), 1);
    j->lookupUnidade().setCurrentIndex(-1);
    const QList<qlonglong> exportadas = exportar(*j);
    EXPECT_FALSE(exportadas.isEmpty());
    EXPECT_EQ(exportadas, matriculas(QStringLiteral("SELECT NUMMATRIC FROM VORK_VW_SERVIDORES_COM_PENS WHERE "
                                                    "SITUACAO <> 'F' AND CODUNIDADE = 2 ORDER BY NOME")));
    EXPECT_EQ(j->siglaUnidadeEscolhida(),
              conexao().valor("SELECT SIGLA FROM VORK_UNIDADES WHERE CODUNIDADE = 2").toString());
}

TEST_F(MasterRelatorio, NomesComApostrofoEHostisSaoSoValores) {
    const int usuarios = conexao().valor("SELECT COUNT(*) FROM VORK_USUARIOS").toInt();
    auto j = abrirJanela();
    // Range from and to the name with an apostrophe.
    ASSERT_TRUE(j->nomeInicial().defineChave(kMatriculaApostrofo));
    ASSERT_TRUE(j->nomeFinal().defineChave(kMatriculaApostrofo));
    EXPECT_EQ(exportar(*j), QList<qlonglong>{kMatriculaApostrofo});

    // The individual list, filled with F8 and Enter on the name lookup.
    j->paginasNome().setCurrentIndex(1);
    ASSERT_TRUE(j->nomeIndividual().defineChave(kMatriculaHostil));
    QTest::keyClick(&j->nomeIndividual(), Qt::Key_F8);
    ASSERT_TRUE(j->nomeIndividual().defineChave(kMatriculaApostrofo));
    QTest::keyClick(&j->nomeIndividual(), Qt::Key_Return);
    ASSERT_EQ(j->listaNomes().rowCount(), 2);
    EXPECT_EQ(j->listaNomes().item(0, 1)->text(), kNomeHostil);
    const QList<qlonglong> exportadas = exportar(*j);
    EXPECT_EQ(QSet<qlonglong>(exportadas.begin(), exportadas.end()),
              (QSet<qlonglong>{kMatriculaApostrofo, kMatriculaHostil}));
    EXPECT_FALSE(j->ultimoComando()->sql.contains(QStringLiteral("OR 1=1")));
    EXPECT_EQ(conexao().valor("SELECT COUNT(*) FROM VORK_USUARIOS").toInt(), usuarios);
    EXPECT_TRUE(dialogos.vazio()) << dialogos.textos().join('\n').toStdString();
}

TEST_F(MasterRelatorio, ListaIndividualComTeclasEBotoes) {
    auto j = abrirJanela();
    QTableWidget& lista = j->listaNomes();
    // F8 on the range page switches to the list page first.
    j->nomeIndividual().defineChave(kMatriculaApostrofo);
    QTest::keyClick(&j->nomeInicial(), Qt::Key_F8);
    EXPECT_EQ(j->paginasNome().currentIndex(), 1);
    ASSERT_EQ(lista.rowCount(), 1);
    EXPECT_EQ(lista.item(0, 0)->text(), QString::number(kMatriculaApostrofo));
    j->nomeIndividual().defineChave(kMatriculaHostil);
    QTest::keyClick(&j->nomeIndividual(), Qt::Key_F8);
    QTest::keyClick(&j->nomeIndividual(), Qt::Key_F8);  // a name may be listed twice
    ASSERT_EQ(lista.rowCount(), 3);
    lista.setCurrentCell(0, 0);
    QTest::keyClick(&j->nomeIndividual(), Qt::Key_F9);
    ASSERT_EQ(lista.rowCount(), 2);
    EXPECT_EQ(lista.item(0, 1)->text(), kNomeHostil);
    QTest::keyClick(&j->nomeIndividual(), Qt::Key_F10);
    EXPECT_EQ(lista.rowCount(), 1);  // never fewer than one row
    EXPECT_EQ(lista.item(0, 1), nullptr);

    // Nothing listed: told, nothing runs.
    exportar(*j);
    EXPECT_EQ(dialogos.textos(Tipo::Informacao), QStringList{QStringLiteral("Infome os nomes dos servidores.")});
    EXPECT_EQ(exportacao.vezes, 0);
    EXPECT_FALSE(j->ultimoComando());
}

TEST_F(MasterRelatorio, PensionistaListaATabelaDePensionistas) {
    auto j = abrirJanela();
    j->comboCategoria().setCurrentText(reports::kPensionista);
    EXPECT_TRUE(j->lookupSituacao().isHidden());
    EXPECT_FALSE(j->comboSituacaoPensionista().isHidden());
    // The name lookups list the pensioners now, back on "all".
    EXPECT_EQ(j->nomeInicial().count(), 4);
    EXPECT_EQ(j->nomeInicial().texto(), reports::kTodosServidores);
    EXPECT_EQ(j->nomeFinal().itemText(1), QStringLiteral("DORA PENSIONISTA ANTIGA"));
    EXPECT_EQ(exportar(*j), (QList<qlonglong>{5001, 5002, 5003}));

    j->comboSituacaoPensionista().setCurrentText(QStringLiteral("Ativo"));
    j->comboSexo().setCurrentText(QStringLiteral("Masculino"));
    EXPECT_EQ(exportar(*j), QList<qlonglong>{5002});

    // And back to the servants.
    j->comboCategoria().setCurrentIndex(0);
    EXPECT_FALSE(j->lookupSituacao().isHidden());
    EXPECT_GT(j->nomeInicial().count(), 50);
}

TEST_F(MasterRelatorio, SemTabelaDePensionistasAvisaENaoCai) {
    conexao().executar(QStringLiteral("DROP TABLE RECH_PENSIONISTAS"));
    auto j = abrirJanela();
    const int servidores = j->nomeInicial().count();
    j->comboCategoria().setCurrentText(reports::kPensionista);
    ASSERT_EQ(dialogos.textos(Tipo::Erro).size(), 1);
    EXPECT_TRUE(dialogos.textos(Tipo::Erro).first().startsWith(QStringLiteral("Não foi possível abrir a lista de pensionistas.")));
    EXPECT_EQ(j->nomeInicial().count(), servidores);
    exportar(*j);
    EXPECT_EQ(dialogos.textos(Tipo::Erro).size(), 2);
    EXPECT_EQ(exportacao.vezes, 0);
}

TEST_F(MasterRelatorio, DuasExecucoesSaoIndependentes) {
    auto j = abrirJanela();
    j->comboCategoria().setCurrentText(QStringLiteral("PROFESSOR"));
    j->comboSexo().setCurrentText(QStringLiteral("Feminino"));
    j->admissaoInicial().setText(QStringLiteral("01/01/2000"));
    j->nomeFinal().defineChave(kMatriculaApostrofo);
    const QList<qlonglong> primeira = exportar(*j);
    EXPECT_EQ(primeira, matriculas(QStringLiteral(
                            "SELECT NUMMATRIC FROM VORK_VW_SERVIDORES_COM_PENS WHERE SITUACAO <> 'F' AND "
                            "CATEGSERVIDOR = 'P' AND SEXO = 'F' AND DTADMISSAO >= :D AND UPPER(NOME) BETWEEN "
                            "'TODOS OS SERVIDORES' AND :N ORDER BY NOME"),
                                              {{"D", QDate(2000, 1, 1)}, {"N", kNomeApostrofo}}));

    j->comboCategoria().setCurrentIndex(0);
    j->comboSexo().setCurrentIndex(0);
    j->admissaoInicial().clear();
    j->nomeFinal().defineChave(-1);
    exportar(*j);
    auto nova = abrirJanela();
    exportar(*nova);
    EXPECT_EQ(j->ultimoComando()->sql, nova->ultimoComando()->sql);
    EXPECT_TRUE(j->ultimoComando()->parametros.isEmpty());
}

TEST_F(MasterRelatorio, PeriodoInvalidoOuSemResultado) {
    auto j = abrirJanela();
    j->admissaoInicial().setText(QStringLiteral("31/02/2020"));
    exportar(*j);
    EXPECT_EQ(dialogos.textos(Tipo::Aviso), QStringList{QStringLiteral("A data 31/02/2020 não é válida.")});
    EXPECT_FALSE(j->ultimoComando());

    dialogos.limpar();
    j->admissaoInicial().setText(QStringLiteral("01/01/1900"));
    j->admissaoFinal().setText(QStringLiteral("31/12/1900"));
    exportar(*j);
    QTest::mouseClick(&j->botaoImprimir(), Qt::LeftButton);
    EXPECT_EQ(dialogos.textos(Tipo::Informacao), (QStringList{kSemRegistros, kSemRegistros}));
    EXPECT_EQ(exportacao.vezes, 0);
    EXPECT_EQ(previasAbertas(), 0);
    // The statement box shows the last statement, with its dates.
    EXPECT_TRUE(j->caixaComando().isHidden());
    QTest::keyClick(j.get(), Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_FALSE(j->caixaComando().isHidden());
    EXPECT_TRUE(j->caixaComando().toPlainText().contains(QStringLiteral("DTADMISSAO BETWEEN :FILTRO_ADMISSAO_DE_")));
    EXPECT_TRUE(j->caixaComando().toPlainText().contains(QStringLiteral("= 31/12/1900")));
    QTest::keyClick(j.get(), Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_TRUE(j->caixaComando().isHidden());
}

TEST_F(MasterRelatorio, ImprimirAbreAPreviaComAsLegendasDoFiltro) {
    auto j = abrirJanela();
    j->comboSexo().setCurrentText(QStringLiteral("Feminino"));
    ASSERT_TRUE(j->lookupSituacao().defineChave(QStringLiteral("A")));
    const QString pdf = arquivo(QStringLiteral("lista.pdf"));
    salvarProximaPrevia(pdf);
    QTest::mouseClick(&j->botaoImprimir(), Qt::LeftButton);
    EXPECT_EQ(previasAbertas(), 1);
    EXPECT_TRUE(dialogos.planoConsumido());
    const QString texto = relatorio::teste::textoPdf(pdf);
    EXPECT_TRUE(texto.contains(QStringLiteral("LISTA DE TESTE")));
    EXPECT_TRUE(texto.contains(QStringLiteral("TODAS AS CATEGORIAS (EXCETO PENSIONISTAS)")));
    EXPECT_TRUE(texto.contains(QStringLiteral("ATIVO")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Feminino")));
    const int mulheres =
        conexao().valor("SELECT COUNT(*) FROM VORK_VW_SERVIDORES_COM_PENS WHERE SITUACAO = 'A' AND SEXO = 'F'").toInt();
    QList<int> esperadas;
    for (int i = 1; i <= mulheres; ++i) esperadas << i;
    QList<int> impressas;
    for (const auto& pagina : ordensPorPagina(pdf, 10)) impressas += pagina;
    EXPECT_EQ(impressas, esperadas);

    // Pensioners printed in a servants' layout: their rows, fields they lack blank.
    j->comboCategoria().setCurrentText(reports::kPensionista);
    salvarProximaPrevia(pdf);
    QTest::mouseClick(&j->botaoImprimir(), Qt::LeftButton);
    EXPECT_TRUE(relatorio::teste::textoPdf(pdf).contains(QStringLiteral("BEATRIZ PENSIONISTA")));
    EXPECT_TRUE(dialogos.textos(Tipo::Erro).isEmpty()) << dialogos.textos().join('\n').toStdString();
}

TEST_F(MasterRelatorio, ErroDoBancoAparecePeloServicoEAJanelaContinua) {
    auto j = abrirJanela();
    j->comboOrdem().setCurrentText(QStringLiteral("Matrícula"));
    // A report statement that does not accept an appended condition.
    j->sqlORIG = QStringLiteral("select NUMMATRIC from VORK_VW_SERVIDORES order by NOME");
    j->admissaoInicial().setText(QStringLiteral("01/01/2000"));
    exportar(*j);
    ASSERT_EQ(dialogos.textos(Tipo::Erro).size(), 1);
    EXPECT_TRUE(dialogos.textos(Tipo::Erro).first().startsWith(QStringLiteral("Não foi possível ler os dados do relatório.")));
    EXPECT_TRUE(j->isVisible());
    EXPECT_EQ(exportacao.vezes, 0);
}

}  // namespace
}  // namespace rh::teste
