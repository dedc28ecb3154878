// Export benchmarks: every column of the servant view exported to a CSV text,
// an .xlsx workbook and an .odt document through the program's export path
// (the dataset walk of the export window feeding the platform writers,
// without the window), beside a bare libxlsxwriter program that reads the
// same statement with a forward-only QSqlQuery and writes the same cells in
// constant-memory mode.
//
// Settings (environment):
//   RH_BENCH_BACKEND     sqlite (default) or postgres
//   RH_BENCH_SERVIDORES  servants in the database (default 100000)
//   RH_BENCH_ODT         records of the .odt export (default 5000): the document writer keeps the
//   whole
//                        document in memory, so the view's 100 000 rows would need several
//                        gigabytes
//   RH_BENCH_SQLITE      SQLite file (default /tmp/rh-bench-<N>.db); created and filled when it has
//   no servants RH_BENCH_PG          libpq-style "host=... port=... user=... password=..." of a
//   server where databases may
//                        be created; the database is "rh_bench_<N>" (created and filled when
//                        missing)
//   RH_BENCH_PASTA       folder of the exported files (default: a temporary folder)
//
// Time is wall time from opening the dataset to the file in place ("total"), and the part after
// the dataset was read ("exportar_ms", what the user waits for after pressing OK). Peak memory is
// the process's peak resident set (getrusage ru_maxrss), reset before each measurement through
// /proc/self/clear_refs, less the resident set before it.
#include <benchmark/benchmark.h>

#include "MedidasBench.h"
#include <malloc.h>
#include <sys/resource.h>
#include <xlsxwriter.h>

#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "app/demo/Demo.h"
#include "app/esquema/EsquemaCentral.h"
#include "framework/exportacao/ExportacaoDataset.h"
#include "platform/db/Conexao.h"
#include "platform/db/Dataset.h"
#include "platform/db/Dialeto.h"
#include "platform/db/ErroBanco.h"
#include "platform/exportacao/ErroExportacao.h"

using namespace rh;
using exportacao::FormatoExportacao;
using exportacao::TipoColuna;

namespace {

using rh::bench::picoKb;
using rh::bench::residenteKb;
using rh::bench::servidorPg;
using rh::bench::zerarPico;

int inteiroDoAmbiente(const char* nome, int padrao) {
    bool ok = false;
    const int v = qEnvironmentVariable(nome).toInt(&ok);
    return ok && v > 0 ? v : padrao;
}

bool postgres() {
    return qEnvironmentVariable("RH_BENCH_BACKEND") == QLatin1String("postgres");
}


void criarBancoPg(const QString& nome) {
    db::Conexao manutencao(servidorPg("postgres"), app::catalogoCentral());
    manutencao.abrir();
    if (manutencao.valor("SELECT COUNT(*) FROM pg_database WHERE datname = :N", {{"N", nome}})
            .toInt() > 0)
        return;
    manutencao.executar(
        "CREATE DATABASE " + nome +
        " TEMPLATE template0 ENCODING 'UTF8' LC_COLLATE 'C.UTF-8' LC_CTYPE 'C.UTF-8'");
}

// The benchmark database, filled once (the same one bench_banco uses).
db::Conexao& banco() {
    static std::unique_ptr<db::Conexao> conexao = [] {
        const int n = inteiroDoAmbiente("RH_BENCH_SERVIDORES", 100000);
        db::ConfiguracaoConexao c;
        if (postgres()) {
            const QString nome = QStringLiteral("rh_bench_%1").arg(n);
            criarBancoPg(nome);
            c = servidorPg(nome);
        } else {
            c.driver = "sqlite";
            c.banco = qEnvironmentVariable("RH_BENCH_SQLITE",
                                           QStringLiteral("/tmp/rh-bench-%1.db").arg(n));
        }
        auto cx = std::make_unique<db::Conexao>(c, app::catalogoCentral());
        cx->abrir();
        app::registrarFuncoesLocais(*cx);
        app::aplicarMigracoes(*cx);
        if (cx->valor("SELECT COUNT(*) FROM VORK_SERVIDORES").toInt() == 0) {
            QElapsedTimer t;
            t.start();
            app::preencherDemo(*cx, n);
            std::fprintf(stderr, "banco: %d servidores preenchidos em %.1f s\n", n,
                         t.elapsed() / 1000.0);
        }
        return cx;
    }();
    return *conexao;
}

const QString& pastaSaida() {
    static QTemporaryDir temporaria;
    static const QString pasta = qEnvironmentVariable("RH_BENCH_PASTA", temporaria.path());
    return pasta;
}

QString sqlDaVisao(int limite) {
    const QString sql = QStringLiteral("SELECT * FROM VORK_VW_SERVIDORES");
    return limite > 0 ? banco().dialeto().limitarLinhas(sql, limite) : sql;
}

void exportarPeloPrograma(benchmark::State& state, FormatoExportacao formato, int limite) {
    db::Conexao& c = banco();
    const QString caminho = pastaSaida() + "/servidores" + exportacao::extensaoDe(formato);
    double total = 0, exportar = 0, memoria = 0, linhas = 0, colunas = 0;
    for (auto _ : state) {
        zerarPico();
        const long antes = residenteKb();
        QElapsedTimer t;
        t.start();
        db::Dataset ds(c);
        ds.defineSql(sqlDaVisao(limite));
        ds.abrir();
        ds.contagem();
        const double lido = t.nsecsElapsed() / 1e6;
        QList<int> campos;
        for (int i = 0; i < ds.quantidadeCampos(); ++i) campos.append(i);
        framework::DestinoExportacao destino{formato, caminho, QStringLiteral("servidores"),
                                             QStringLiteral(";")};
        int feitos = 0;
        try {
            auto escritor = framework::criarEscritor(destino);
            framework::exportarDataset(ds, campos, *escritor, {{}, [&](int n) { feitos = n; }});
        } catch (const exportacao::ErroExportacao& e) {
            state.SkipWithError(qPrintable(e.mensagem()));
            return;
        }
        total = t.nsecsElapsed() / 1e6;
        exportar = total - lido;
        memoria = std::max(memoria, double(picoKb() - antes) / 1024.0);
        linhas = feitos;
        colunas = campos.size();
        state.SetIterationTime(total / 1000.0);
    }
    state.counters["linhas"] = linhas;
    state.counters["colunas"] = colunas;
    state.counters["exportar_ms"] = exportar;
    state.counters["total_ms"] = total;
    state.counters["pico_MB"] = memoria;
    state.counters["arquivo_MB"] = double(QFileInfo(caminho).size()) / (1024.0 * 1024.0);
}

void BM_ExportarCsv(benchmark::State& state) {
    exportarPeloPrograma(state, FormatoExportacao::Csv, 0);
}
void BM_ExportarXlsx(benchmark::State& state) {
    exportarPeloPrograma(state, FormatoExportacao::Xlsx, 0);
}
void BM_ExportarOdt(benchmark::State& state) {
    exportarPeloPrograma(state, FormatoExportacao::Odt, inteiroDoAmbiente("RH_BENCH_ODT", 5000));
}

// The same cells written by libxlsxwriter straight from a forward-only
// query: numbers for the integer and decimal columns, texts for the others
// (dates as dd/mm/yyyy), the header in bold.
void BM_LibxlsxwriterPuro(benchmark::State& state) {
    db::Conexao& c = banco();
    // The columns' labels and kinds, as the program sees them.
    QList<exportacao::ColunaExportada> colunas;
    {
        db::Dataset tipos(c);
        tipos.defineSql(sqlDaVisao(0) + " WHERE 0=1");
        tipos.abrir();
        QList<int> campos;
        for (int i = 0; i < tipos.quantidadeCampos(); ++i) campos.append(i);
        colunas = framework::colunasDe(tipos, campos);
    }
    const QByteArray caminho = QFile::encodeName(pastaSaida() + "/puro.xlsx");
    double total = 0, memoria = 0, linhas = 0;
    for (auto _ : state) {
        zerarPico();
        const long antes = residenteKb();
        QElapsedTimer t;
        t.start();
        lxw_workbook_options opcoes{};
        opcoes.constant_memory = LXW_TRUE;
        lxw_workbook* livro = workbook_new_opt(caminho.constData(), &opcoes);
        lxw_worksheet* folha = workbook_add_worksheet(livro, "Planilha1");
        lxw_format* negrito = workbook_add_format(livro);
        format_set_bold(negrito);
        for (int i = 0; i < colunas.size(); ++i)
            worksheet_write_string(folha, 0, lxw_col_t(i),
                                   colunas.at(i).titulo.toUtf8().constData(), negrito);
        QSqlQuery q(c.banco());
        q.setForwardOnly(true);
        if (!q.exec(sqlDaVisao(0))) {
            state.SkipWithError("consulta falhou");
            workbook_close(livro);
            return;
        }
        lxw_row_t linha = 0;
        lxw_error erro = LXW_NO_ERROR;
        while (q.next()) {
            ++linha;
            for (int i = 0; i < colunas.size(); ++i) {
                const QVariant v = q.value(i);
                if (v.isNull()) continue;
                const TipoColuna tipo = colunas.at(i).tipo;
                if (tipo == TipoColuna::Inteiro || tipo == TipoColuna::Decimal) {
                    erro =
                        worksheet_write_number(folha, linha, lxw_col_t(i), v.toDouble(), nullptr);
                } else {
                    QString texto = v.toString();
                    if (tipo == TipoColuna::Data)
                        texto = (v.typeId() == QMetaType::QDate
                                     ? v.toDate()
                                     : QDate::fromString(texto.left(10), Qt::ISODate))
                                    .toString(QStringLiteral("dd/MM/yyyy"));
                    erro = worksheet_write_string(folha, linha, lxw_col_t(i),
                                                  texto.toUtf8().constData(), nullptr);
                }
                if (erro != LXW_NO_ERROR) break;
            }
            if (erro != LXW_NO_ERROR) break;
        }
        const lxw_error fim = workbook_close(livro);
        if (erro != LXW_NO_ERROR || fim != LXW_NO_ERROR) {
            state.SkipWithError(lxw_strerror(erro != LXW_NO_ERROR ? erro : fim));
            return;
        }
        total = t.nsecsElapsed() / 1e6;
        memoria = std::max(memoria, double(picoKb() - antes) / 1024.0);
        linhas = linha;
        state.SetIterationTime(total / 1000.0);
    }
    state.counters["linhas"] = linhas;
    state.counters["colunas"] = double(colunas.size());
    state.counters["total_ms"] = total;
    state.counters["pico_MB"] = memoria;
    state.counters["arquivo_MB"] =
        double(QFileInfo(QFile::decodeName(caminho)).size()) / (1024.0 * 1024.0);
}

BENCHMARK(BM_ExportarCsv)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_ExportarXlsx)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_ExportarOdt)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_LibxlsxwriterPuro)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    // The document writer needs a GUI application (fonts), not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    try {
        benchmark::RunSpecifiedBenchmarks();
    } catch (const db::ErroBanco& e) {
        std::fprintf(stderr, "%s\n%s\n", e.what(), qPrintable(e.comando()));
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
