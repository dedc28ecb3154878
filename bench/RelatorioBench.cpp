// The general servant list ("Relação Completa", landscape) for N demo
// servants rendered to PDF by the program's report engine, beside
// LibreOffice headless converting the same rows (an HTML table) to PDF.
//
// Settings (environment):
//   RH_BENCH_SERVIDORES  demo servants (default 10000)
//   RH_BENCH_SQLITE      SQLite file (default /tmp/rh-bench-relatorio-<N>.db); created and filled when it
//                        has no servants
//   RH_BENCH_PASTA       folder for the PDF and HTML files (default a temporary folder)
// The LibreOffice comparison runs only when `soffice` is on the PATH; otherwise it says so.
// Pages per second are reported as the counter "paginas/s"; "paginas" is the page count.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUrl>
#include <cstdio>
#include <memory>

#include "app/demo/Demo.h"
#include "app/esquema/EsquemaCentral.h"
#include "app/nucleo/ContextoJanela.h"
#include "app/nucleo/TDM.h"
#include "platform/db/Dataset.h"
#include "platform/db/ErroBanco.h"
#include "platform/relatorio/FonteDataset.h"
#include "platform/relatorio/ItemTexto.h"
#include "platform/relatorio/Relatorio.h"
#include "platform/relatorio/Saida.h"
#include "platform/ui/Dialogos.h"
#include "platform/ui/ExecutorJanelas.h"
#include "reports/base/FiltroRelatorio.h"
#include "reports/base/TMasterRelatorio.h"
#include "reports/cadastro/TFormRelCadServidores.h"

using namespace rh;

namespace {

int servidores() {
    bool ok = false;
    const int v = qEnvironmentVariable("RH_BENCH_SERVIDORES").toInt(&ok);
    return ok && v > 0 ? v : 10000;
}

QString pasta() {
    static QTemporaryDir temporaria;
    const QString p = qEnvironmentVariable("RH_BENCH_PASTA");
    if (!p.isEmpty()) {
        QDir().mkpath(p);
        return p;
    }
    return temporaria.path();
}

class DialogosMudos : public ui::Dialogos {
protected:
    void mostrar(TipoMensagem, const QString& texto, const QString&) override { std::fprintf(stderr, "%s\n", qPrintable(texto)); }
    bool perguntarSimNao(const QString&, const QString&) override { return false; }
    Resposta perguntarSimNaoCancelar(const QString&, const QString&) override { return Resposta::Cancelar; }
    QString escolherArquivoParaSalvar(const QString&, const QString&, const QString&, const QString&) override { return {}; }
    QString escolherArquivoParaAbrir(const QString&, const QString&, const QString&) override { return {}; }
};

// The demo database, the data module and the report window, made once.
struct Ambiente {
    app::Configuracao cfg = app::Configuracao::padrao();
    std::unique_ptr<app::TDM> dm;
    app::Sessao sessao;
    QString campoNome;
    DialogosMudos dialogos;
    ui::ExecutorJanelas executor;
    std::unique_ptr<app::ContextoJanela> contexto;
    std::unique_ptr<reports::TFormRelCadServidores> janela;
    QString sql;
    db::Parametros parametros;

    Ambiente() {
        const int n = servidores();
        cfg.banco.driver = QStringLiteral("sqlite");
        cfg.banco.banco = qEnvironmentVariable("RH_BENCH_SQLITE",
                                               QStringLiteral("/tmp/rh-bench-relatorio-%1.db").arg(n));
        {
            db::Conexao c(cfg.banco, app::catalogoCentral());
            c.abrir();
            app::aplicarMigracoes(c);
            if (c.valor(QStringLiteral("SELECT COUNT(*) FROM VORK_SERVIDORES")).toInt() == 0) {
                std::fprintf(stderr, "preenchendo %d servidores em %s\n", n, qPrintable(cfg.banco.banco));
                app::preencherDemo(c, n);
            }
        }
        dm = std::make_unique<app::TDM>(cfg, app::catalogoCentral());
        sessao.Perfil = QStringLiteral("A");
        sessao.CodUnidade = 1;
        dm->abrirUnidadeSede(1);
        contexto = std::make_unique<app::ContextoJanela>(
            app::ContextoJanela{*dm, sessao, dialogos, executor, dm->configuracao(), campoNome, nullptr});
        janela = std::make_unique<reports::TFormRelCadServidores>(*contexto);
        reports::MolduraRelatorio& m = janela->relCompleto();
        m.aplicarUnidadeSede(dm->QryUnidadeSEDE);
        m.defineTitulo(QStringLiteral("RELAÇÃO DOS SERVIDORES - TODAS AS UNIDADES"));
        m.categoria()->setTexto(reports::kTodasCategorias);
        m.situacao()->setTexto(reports::kTodasSituacoes);
        m.sexo()->setTexto(reports::kAmbosSexos);
        // The filter's statement with every choice at its default.
        const auto r = reports::FiltroRelatorio::montar(
            {reports::FiltroRelatorio::comMarcadores(reports::TFormRelCadServidores::kSqlBase), {}, {}, {}, {}}, {},
            {sessao.Perfil, sessao.CodUnidade});
        sql = r.comando->sql;
        parametros = r.comando->parametros;
    }
};

// Made on first use, destroyed before the application object.
std::unique_ptr<Ambiente> g_ambiente;
Ambiente& ambiente() {
    if (!g_ambiente) g_ambiente = std::make_unique<Ambiente>();
    return *g_ambiente;
}

void BM_RelatorioGeralPdf(benchmark::State& state) {
    Ambiente& a = ambiente();
    const QString arquivo = pasta() + QStringLiteral("/relacao-completa.pdf");
    int paginas = 0, linhas = 0;
    double segundos = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        db::Dataset dados(a.dm->ADOConnecOracle());
        dados.defineSql(a.sql);
        for (auto it = a.parametros.constBegin(); it != a.parametros.constEnd(); ++it) dados.defineParametro(it.key(), it.value());
        dados.abrir();
        relatorio::FonteDataset fonte(dados);
        relatorio::Relatorio& r = a.janela->relCompleto().relatorio();
        r.setFonteDados(&fonte);
        const relatorio::ResultadoSaida saida = relatorio::renderizarPdf(r, arquivo);
        r.setFonteDados(nullptr);
        segundos = double(t.nsecsElapsed()) / 1e9;
        state.SetIterationTime(segundos);
        if (!saida.ok) {
            state.SkipWithError(qPrintable(saida.erro));
            return;
        }
        paginas = saida.paginas;
        linhas = dados.contagem();
    }
    state.counters["paginas"] = paginas;
    state.counters["linhas"] = linhas;
    state.counters["paginas/s"] = paginas / segundos;
    state.counters["linhas/s"] = linhas / segundos;
    state.counters["KiB"] = double(QFileInfo(arquivo).size()) / 1024.0;
}

QString escaparHtml(const QString& s) { return s.toHtmlEscaped(); }

// The same rows and columns as an HTML table (landscape A4 page rule).
QString escreverHtml(Ambiente& a, const QString& caminho, int& linhas) {
    static const QList<QPair<QString, QString>> colunas = {
        {"NOME DO SERVIDOR", "NOME"}, {"SIAPE", "NUMMATRIC"}, {"ENDEREÇO", "ENDERECO"}, {"BAIRRO", "BAIRRO"},
        {"CIDADE", "CIDADE"}, {"UF", "ESTADO"}, {"CEP", "CEP"}, {"TELEFONE", "FONERES"}, {"CAR", "CATEG"},
        {"C.H.", "CARGAHORARIA"}, {"DT.ADMIS", "DTADMISSAO"}, {"CPF", "CPF"}, {"UNIDADE", "UNIDADE"},
        {"SITUAÇÃO", "SITUACAOSERVIDOR"}};
    db::Dataset dados(a.dm->ADOConnecOracle());
    dados.defineSql(a.sql);
    for (auto it = a.parametros.constBegin(); it != a.parametros.constEnd(); ++it) dados.defineParametro(it.key(), it.value());
    dados.abrir();
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
    QTextStream out(&f);
    out << "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>RELAÇÃO DE SERVIDORES</title>"
           "<style>@page{size:A4 landscape;margin:10mm} body{font-family:Arial;font-size:6.5pt}"
           "table{border-collapse:collapse} th{text-align:left}</style></head><body>"
           "<h3>RELAÇÃO DOS SERVIDORES - TODAS AS UNIDADES</h3><table><thead><tr><th>ORD</th>";
    for (const auto& c : colunas) out << "<th>" << escaparHtml(c.first) << "</th>";
    out << "</tr></thead><tbody>\n";
    int ord = 0;
    for (dados.primeiro(); !dados.noFim(); dados.proximo()) {
        out << "<tr><td>" << ++ord << "</td>";
        for (const auto& c : colunas) {
            const QVariant v = dados.valor(c.second);
            const QString texto = v.typeId() == QMetaType::QDate ? v.toDate().toString(QStringLiteral("dd/MM/yyyy")) : v.toString();
            out << "<td>" << escaparHtml(texto) << "</td>";
        }
        out << "</tr>\n";
    }
    out << "</tbody></table></body></html>\n";
    linhas = ord;
    return caminho;
}

int paginasPdf(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    if (!p.waitForFinished(60000)) return 0;
    for (const QString& linha : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
        if (linha.startsWith(QLatin1String("Pages:"))) return linha.mid(6).trimmed().toInt();
    return 0;
}

void BM_LibreOfficeHtmlPdf(benchmark::State& state) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) {
        std::fprintf(stderr, "soffice não está instalado: comparação com o LibreOffice pulada\n");
        state.SkipWithError("soffice não instalado (comparação pulada)");
        for (auto _ : state) {
        }
        return;
    }
    Ambiente& a = ambiente();
    int linhas = 0;
    const QString html = escreverHtml(a, pasta() + QStringLiteral("/relacao-completa.html"), linhas);
    const QString perfil = QUrl::fromLocalFile(pasta() + QStringLiteral("/perfil-libreoffice")).toString();
    int paginas = 0;
    double segundos = 0;
    for (auto _ : state) {
        QDir(pasta() + QStringLiteral("/lo")).removeRecursively();
        QElapsedTimer t;
        t.start();
        QProcess p;
        p.start(soffice, {QStringLiteral("-env:UserInstallation=") + perfil, QStringLiteral("--headless"),
                          QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"),
                          pasta() + QStringLiteral("/lo"), html});
        if (!p.waitForFinished(30 * 60 * 1000) || p.exitCode() != 0) {
            state.SkipWithError("o LibreOffice não converteu o arquivo");
            return;
        }
        segundos = double(t.nsecsElapsed()) / 1e9;
        state.SetIterationTime(segundos);
        paginas = paginasPdf(pasta() + QStringLiteral("/lo/relacao-completa.pdf"));
    }
    state.counters["paginas"] = paginas;
    state.counters["linhas"] = linhas;
    state.counters["paginas/s"] = segundos > 0 ? paginas / segundos : 0;
    state.counters["linhas/s"] = segundos > 0 ? linhas / segundos : 0;
}

BENCHMARK(BM_RelatorioGeralPdf)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_LibreOfficeHtmlPdf)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    try {
        benchmark::RunSpecifiedBenchmarks();
        g_ambiente.reset();
    } catch (const db::ErroBanco& e) {
        std::fprintf(stderr, "%s\n%s\n", e.what(), qPrintable(e.comando()));
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
