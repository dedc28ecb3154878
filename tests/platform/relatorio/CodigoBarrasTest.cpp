// Code 39 bar codes printed to PDF, rasterised like a scanner would see them
// and decoded back.
#include "platform/relatorio/FonteDadosMemoria.h"
#include "platform/relatorio/ItemCodigoBarras.h"
#include "platform/relatorio/Relatorio.h"
#include "platform/relatorio/Saida.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace rh::relatorio {
namespace {

QString executar(const QString& programa, const QStringList& argumentos) {
    QProcess processo;
    processo.start(programa, argumentos);
    if (!processo.waitForFinished(60000)) return QStringLiteral("<<%1 não terminou>>").arg(programa);
    return QString::fromUtf8(processo.readAllStandardOutput()).trimmed();
}

TEST(CodigoBarras39, ImpressoNoPdfEhLidoDeVoltaPeloLeitor) {
    const struct {
        const char* valor;
        double estreita, razao;
    } casos[] = {{"2012345603", 0.254, 3.0}, {"2123456712", 0.254, 2.5}, {"ABC-12.5", 0.3, 2.2}};
    for (const auto& caso : casos) {
        QTemporaryDir pasta;
        FonteDadosMemoria fonte({QStringLiteral("CODBARRA")}, {{QString::fromLatin1(caso.valor)}});
        Relatorio relatorio;
        relatorio.pagina().setTamanho(TamanhoPapel::JisB5);
        relatorio.pagina().setMargens({0, 0, 0.5, 0});
        relatorio.setFonteDados(&fonte);
        relatorio.detalhe().setAltura(59.7);
        auto& codigo = relatorio.detalhe().adicionar<ItemCodigoBarras>(QRectF(95, 40, 80, 14),
                                                                       QStringLiteral("CODBARRA"));
        codigo.setLarguraEstreita(caso.estreita);
        codigo.setRazaoLarga(caso.razao);
        codigo.setAltura(11.989);
        const QString pdf = pasta.filePath(QStringLiteral("cartao.pdf"));
        const ResultadoSaida resultado = renderizarPdf(relatorio, pdf);
        ASSERT_TRUE(resultado.ok) << resultado.erro.toStdString();
        EXPECT_TRUE(resultado.avisos.isEmpty());

        const QString png = pasta.filePath(QStringLiteral("cartao"));
        executar(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
                  QStringLiteral("-singlefile"), pdf, png});
        EXPECT_EQ(executar(QStringLiteral("zbarimg"),
                           {QStringLiteral("--raw"), QStringLiteral("-q"), QStringLiteral("-Scode39.enable=1"),
                            png + QStringLiteral(".png")}),
                  QString::fromLatin1(caso.valor))
            << "estreita " << caso.estreita << " razão " << caso.razao;
    }
}

TEST(CodigoBarras39, ValorQueNaoSeCodificaViraAvisoSemBarras) {
    QTemporaryDir pasta;
    FonteDadosMemoria fonte({QStringLiteral("CODBARRA")}, {{QStringLiteral("2012*5603")}, {QString()}});
    Relatorio relatorio;
    relatorio.setFonteDados(&fonte);
    relatorio.detalhe().setAltura(20);
    relatorio.detalhe().adicionar<ItemCodigoBarras>(QRectF(10, 2, 80, 14), QStringLiteral("CODBARRA"));
    const ResultadoSaida resultado = renderizarPdf(relatorio, pasta.filePath(QStringLiteral("r.pdf")));
    ASSERT_TRUE(resultado.ok) << resultado.erro.toStdString();
    ASSERT_EQ(resultado.avisos.size(), 1);  // the empty value simply prints nothing
    EXPECT_TRUE(resultado.avisos[0].startsWith(QStringLiteral("Código de barras \"2012*5603\" não impresso:")))
        << resultado.avisos[0].toStdString();
}

}  // namespace
}  // namespace rh::relatorio
