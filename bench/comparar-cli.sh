#!/usr/bin/env bash
# Times the command-line clients running the servant view's statement over
# the benchmark databases, to set beside bench_banco's numbers.
#   RH_BENCH_SERVIDORES  servants of the benchmark databases (default 100000)
#   RH_BENCH_SQLITE      SQLite file (default /tmp/rh-bench-<N>.db), as bench_banco leaves it
#   RH_BENCH_PG          libpq settings "host=... port=... user=..." (the database is rh_bench_<N>)
set -euo pipefail
export LC_ALL=C
n="${RH_BENCH_SERVIDORES:-100000}"
sql="SELECT * FROM VORK_VW_SERVIDORES"
arquivo="${RH_BENCH_SQLITE:-/tmp/rh-bench-$n.db}"

medir() {  # label, command...
    local rotulo="$1"; shift
    local inicio fim
    inicio=$EPOCHREALTIME
    "$@" > /dev/null
    fim=$EPOCHREALTIME
    awk -v r="$rotulo" -v a="$inicio" -v b="$fim" 'BEGIN { printf "%-40s %8.3f s\n", r, b - a }' 
}

if [[ -f "$arquivo" ]]; then
    medir "sqlite3 ($n servidores)" sqlite3 "$arquivo" "$sql"
    medir "sqlite3, contagem ($n servidores)" sqlite3 "$arquivo" "SELECT COUNT(*) FROM ($sql) V"
else
    echo "sem arquivo SQLite $arquivo (rode bench_banco antes)"
fi
if [[ -n "${RH_BENCH_PG:-}" ]]; then
    medir "psql ($n servidores)" psql "$RH_BENCH_PG dbname=rh_bench_$n" -X -q -A -t -c "$sql"
    medir "psql, contagem ($n servidores)" psql "$RH_BENCH_PG dbname=rh_bench_$n" -X -q -A -t -c "SELECT COUNT(*) FROM ($sql) V"
else
    echo "RH_BENCH_PG não definido: psql não medido"
fi
