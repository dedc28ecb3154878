#pragma once

// What the benchmarks measure besides time: resident and peak memory of the
// process, and the PostgreSQL server they are pointed at.

#include <malloc.h>
#include <sys/resource.h>

#include <QFile>

#include "platform/db/ConfiguracaoConexao.h"

namespace rh::bench {

inline long residenteKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& l : f.readAll().split('\n'))
        if (l.startsWith("VmRSS:")) return l.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

// Returns freed memory to the system and resets the peak, so that
// ru_maxrss reports the peak of what follows.
inline void zerarPico() {
    malloc_trim(0);
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly)) f.write("5");
}

inline long picoKb() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

// The database `banco` on the server named by RH_BENCH_PG.
inline db::ConfiguracaoConexao servidorPg(const QString& banco) {
    db::ConfiguracaoConexao c = db::ConfiguracaoConexao::postgresDePares(qEnvironmentVariable("RH_BENCH_PG"));
    c.banco = banco;
    return c;
}

}  // namespace rh::bench
