// Database benchmarks: the demo fill rate, and reading the servant view
// through the program's dataset beside a bare QSqlQuery loop.
//
// Settings (environment):
//   RH_BENCH_BACKEND     sqlite (default) or postgres
//   RH_BENCH_SERVIDORES  servants in the database read by the view benchmarks (default 100000)
//   RH_BENCH_PREENCHER   servants written by the fill benchmark (default 20000)
//   RH_BENCH_SQLITE      SQLite file of the view benchmarks (default /tmp/rh-bench-<N>.db); created and
//                        filled when it has no servants
//   RH_BENCH_PG          libpq-style "host=... port=... user=... password=..." of a server where databases may
//                        be created; the view database is "rh_bench_<N>" (created and filled when missing)
//
// Peak memory is the process's peak resident set (getrusage ru_maxrss), reset before each
// measurement through /proc/self/clear_refs, less the resident set before it (the largest of
// the iterations).
#include <benchmark/benchmark.h>

#include "MedidasBench.h"
#include <malloc.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "app/demo/Demo.h"
#include "app/esquema/EsquemaCentral.h"
#include "platform/db/Conexao.h"
#include "platform/db/Dataset.h"
#include "platform/db/ErroBanco.h"

using namespace rh::db;
using namespace rh::app;

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

bool postgres() { return qEnvironmentVariable("RH_BENCH_BACKEND") == QLatin1String("postgres"); }


void criarBancoPg(const QString& nome, bool recriar) {
    Conexao manutencao(servidorPg("postgres"), catalogoCentral());
    manutencao.abrir();
    const bool existe =
        manutencao.valor("SELECT COUNT(*) FROM pg_database WHERE datname = :N", {{"N", nome}}).toInt() > 0;
    if (existe && !recriar) return;
    if (existe) manutencao.executar("DROP DATABASE " + nome + " WITH (FORCE)");
    manutencao.executar("CREATE DATABASE " + nome +
                        " TEMPLATE template0 ENCODING 'UTF8' LC_COLLATE 'C.UTF-8' LC_CTYPE 'C.UTF-8'");
}

std::unique_ptr<Conexao> abrir(const ConfiguracaoConexao& c) {
    auto conexao = std::make_unique<Conexao>(c, catalogoCentral());
    conexao->abrir();
    registrarFuncoesLocais(*conexao);
    aplicarMigracoes(*conexao);
    return conexao;
}

// The database of the view benchmarks, filled once.
Conexao& bancoDaVisao() {
    static std::unique_ptr<Conexao> conexao = [] {
        const int n = inteiroDoAmbiente("RH_BENCH_SERVIDORES", 100000);
        ConfiguracaoConexao c;
        if (postgres()) {
            const QString nome = QStringLiteral("rh_bench_%1").arg(n);
            criarBancoPg(nome, false);
            c = servidorPg(nome);
        } else {
            c.driver = "sqlite";
            c.banco = qEnvironmentVariable("RH_BENCH_SQLITE", QStringLiteral("/tmp/rh-bench-%1.db").arg(n));
        }
        auto cx = abrir(c);
        if (cx->valor("SELECT COUNT(*) FROM VORK_SERVIDORES").toInt() == 0) {
            QElapsedTimer t;
            t.start();
            preencherDemo(*cx, n);
            std::fprintf(stderr, "banco da visão: %d servidores preenchidos em %.1f s\n", n, t.elapsed() / 1000.0);
        }
        return cx;
    }();
    return *conexao;
}

const char* kSql = "SELECT * FROM VORK_VW_SERVIDORES";

void BM_PreencherDemo(benchmark::State& state) {
    const int n = inteiroDoAmbiente("RH_BENCH_PREENCHER", 20000);
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir pasta;
        ConfiguracaoConexao c;
        if (postgres()) {
            criarBancoPg(QStringLiteral("rh_bench_preencher"), true);
            c = servidorPg(QStringLiteral("rh_bench_preencher"));
        } else {
            c.driver = "sqlite";
            c.banco = pasta.filePath("demo.db");
        }
        auto cx = abrir(c);
        state.ResumeTiming();
        preencherDemo(*cx, n);
        state.PauseTiming();
        cx.reset();
        state.ResumeTiming();
    }
    state.counters["servidores_por_s"] = benchmark::Counter(double(n) * double(state.iterations()),
                                                            benchmark::Counter::kIsRate);
}

void BM_VisaoServidoresDataset(benchmark::State& state) {
    Conexao& c = bancoDaVisao();
    double primeira = 0, ultima = 0, linhas = 0, memoria = 0;
    for (auto _ : state) {
        zerarPico();
        const long antes = residenteKb();
        QElapsedTimer t;
        t.start();
        Dataset ds(c);
        ds.defineSql(QString::fromLatin1(kSql));
        ds.abrir();
        ds.primeiro();
        benchmark::DoNotOptimize(ds.valor("NOME"));
        primeira = t.nsecsElapsed() / 1e6;
        linhas = ds.contagem();
        ultima = t.nsecsElapsed() / 1e6;
        memoria = std::max(memoria, double(picoKb() - antes) / 1024.0);
        state.SetIterationTime(ultima / 1000.0);
    }
    state.counters["linhas"] = linhas;
    state.counters["primeira_linha_ms"] = primeira;
    state.counters["ultima_linha_ms"] = ultima;
    state.counters["pico_MB"] = memoria;
}

void BM_VisaoServidoresQSqlQuery(benchmark::State& state) {
    Conexao& c = bancoDaVisao();
    double primeira = 0, ultima = 0, linhas = 0, memoria = 0;
    for (auto _ : state) {
        zerarPico();
        const long antes = residenteKb();
        QElapsedTimer t;
        t.start();
        QSqlQuery q(c.banco());
        q.setForwardOnly(true);
        if (!q.exec(QString::fromLatin1(kSql))) state.SkipWithError("consulta falhou");
        const int colunas = q.record().count();
        int n = 0;
        while (q.next()) {
            for (int i = 0; i < colunas; ++i) benchmark::DoNotOptimize(q.value(i));
            if (n++ == 0) primeira = t.nsecsElapsed() / 1e6;
        }
        ultima = t.nsecsElapsed() / 1e6;
        linhas = n;
        memoria = std::max(memoria, double(picoKb() - antes) / 1024.0);
        state.SetIterationTime(ultima / 1000.0);
    }
    state.counters["linhas"] = linhas;
    state.counters["primeira_linha_ms"] = primeira;
    state.counters["ultima_linha_ms"] = ultima;
    state.counters["pico_MB"] = memoria;
}

BENCHMARK(BM_PreencherDemo)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_VisaoServidoresDataset)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_VisaoServidoresQSqlQuery)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    try {
        benchmark::RunSpecifiedBenchmarks();
    } catch (const ErroBanco& e) {
        std::fprintf(stderr, "%s\n%s\n", e.what(), qPrintable(e.comando()));
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
