#include "support/PdfTexto.h"

#include "platform/relatorio/FonteDadosMemoria.h"
#include "platform/relatorio/ItemCampo.h"
#include "platform/relatorio/JanelaVisualizacao.h"
#include "platform/relatorio/Relatorio.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace rh::relatorio {
namespace {

std::shared_ptr<Documento> documentoDeTresPaginas() {
    FonteDadosMemoria fonte({QStringLiteral("N")});
    for (int i = 1; i <= 3; ++i) fonte.adicionarLinha({i});
    Relatorio relatorio;
    relatorio.setNome(QStringLiteral("Lista de teste"));
    relatorio.setFonteDados(&fonte);
    relatorio.adicionarGrupo(QStringLiteral("n"), QStringLiteral("N")).setNovaPagina(true);
    relatorio.detalhe().setAltura(10);
    relatorio.detalhe().adicionar<ItemCampo>(QRectF(0, 0, 50, 6), QStringLiteral("N")).setPrefixo(QStringLiteral("página "));
    return relatorio.gerar();
}

TEST(JanelaVisualizacao, AbreMaximizadaA100PorCentoENavegaPeloTeclado) {
    JanelaVisualizacao janela(documentoDeTresPaginas());
    EXPECT_TRUE(janela.windowState() & Qt::WindowMaximized);
    EXPECT_DOUBLE_EQ(janela.zoom(), 1.0);
    EXPECT_EQ(janela.windowTitle(), QStringLiteral("Lista de teste"));
    janela.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));

    const struct {
        Qt::Key tecla;
        Qt::KeyboardModifiers modificadores;
        int pagina;
        double zoom;
    } passos[] = {
        {Qt::Key_PageDown, Qt::NoModifier, 1, 1.0}, {Qt::Key_PageDown, Qt::NoModifier, 2, 1.0},
        {Qt::Key_PageDown, Qt::NoModifier, 2, 1.0},  // stays on the last page
        {Qt::Key_Home, Qt::NoModifier, 0, 1.0},     {Qt::Key_PageUp, Qt::NoModifier, 0, 1.0},
        {Qt::Key_End, Qt::NoModifier, 2, 1.0},      {Qt::Key_Plus, Qt::NoModifier, 2, 1.25},
        {Qt::Key_Minus, Qt::NoModifier, 2, 1.0},    {Qt::Key_Minus, Qt::NoModifier, 2, 0.75},
    };
    for (const auto& passo : passos) {
        QTest::keyClick(&janela, passo.tecla, passo.modificadores);
        EXPECT_EQ(janela.paginaAtual(), passo.pagina) << "tecla " << passo.tecla;
        EXPECT_DOUBLE_EQ(janela.zoom(), passo.zoom) << "tecla " << passo.tecla;
    }
}

TEST(JanelaVisualizacao, SalvaPdfEImprimePeloQueOChamadorEscolhe) {
    QTemporaryDir pasta;
    JanelaVisualizacao janela(documentoDeTresPaginas());
    QStringList erros;
    janela.setAvisarErro([&](const QString& erro) { erros << erro; });
    janela.setEscolherArquivoPdf([&] { return pasta.filePath(QStringLiteral("copia")); });
    janela.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
    QTest::keyClick(&janela, Qt::Key_S, Qt::ControlModifier);
    const QStringList paginas = teste::paginasTextoPdf(pasta.filePath(QStringLiteral("copia.pdf")));
    ASSERT_EQ(paginas.size(), 3);
    EXPECT_TRUE(paginas[2].contains(QStringLiteral("página 3")));

    // The printer dialog's choice of pages 2 to 3, printing to a PDF file.
    janela.setPrepararImpressora([&](QPrinter& impressora) {
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(pasta.filePath(QStringLiteral("impresso.pdf")));
        impressora.setPrintRange(QPrinter::PageRange);
        impressora.setFromTo(2, 3);
        return true;
    });
    QTest::keyClick(&janela, Qt::Key_P, Qt::ControlModifier);
    const QStringList impressas = teste::paginasTextoPdf(pasta.filePath(QStringLiteral("impresso.pdf")));
    ASSERT_EQ(impressas.size(), 2);
    EXPECT_TRUE(impressas[0].contains(QStringLiteral("página 2")));

    janela.setEscolherArquivoPdf([&] { return pasta.filePath(QStringLiteral("nao/existe.pdf")); });
    janela.salvarPdf();
    ASSERT_EQ(erros.size(), 1);
    EXPECT_TRUE(erros[0].startsWith(QStringLiteral("Não foi possível criar o arquivo")));
}

}  // namespace
}  // namespace rh::relatorio
