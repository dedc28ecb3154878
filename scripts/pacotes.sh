# Debian packages the build, the program and the tests need, and the
# function that installs the missing ones. Sourced by ./scripts/run and
# ./scripts/test.

PACOTES_PROGRAMA=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql libgl-dev
  libsqlite3-dev libzint-dev libxlsxwriter-dev libcurl4-openssl-dev
  fonts-liberation2 fonts-dejavu-core
)
PACOTES_TESTES=(
  libgtest-dev libgmock-dev libbenchmark-dev
  postgresql-15 postgresql-client-15 sqlite3
  poppler-utils zbar-tools python3-openpyxl odt2txt xvfb
)
# Only for ./scripts/bench: the office suite the report benchmark compares
# against.
PACOTES_BENCH=(libreoffice-writer-nogui)

instalar_pacotes() {
  local faltando=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || faltando+=("$p")
  done
  [ ${#faltando[@]} -eq 0 ] && return 0
  echo "== instalando pacotes Debian: ${faltando[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${faltando[@]}"
}

# Compiler cache shared by every checkout of the project on this machine:
# paths are hashed relative to the checkout, so a fresh clone in another
# folder (CI) reuses what an earlier build compiled.
usar_ccache_entre_copias() {
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$1}
  export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
}

# Prints how long a stage took: etapa "name" command...
etapa() {
  local nome=$1; shift
  local inicio=$SECONDS
  echo "== $nome"
  "$@"
  local rc=$?
  echo "== $nome: $((SECONDS - inicio)) s"
  return $rc
}
