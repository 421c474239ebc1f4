# Shared by scripts/run and scripts/test: installs missing Debian packages and configures a build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
JOBS="$(nproc 2>/dev/null || echo 2)"

# ensure_packages PKG...: installs the packages that are not installed yet.
ensure_packages() {
    local missing=()
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing Debian packages: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

BUILD_PACKAGES=(cmake g++ make pkg-config qt6-base-dev libgl-dev libjpeg-dev libzip-dev libxlsxwriter-dev
                libzxing-dev fonts-liberation2 libxkbcommon-dev qt6-svg-dev libqt6svg6 librsvg2-bin help2man
                libcsv-dev libdeflate-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev libpng-dev libfreetype-dev libfontconfig-dev
                libdmtx-dev libqrencode-dev libzint-dev)
# dpkg-dev and file: cpack reads the programs' library dependencies with them.
PACKAGE_PACKAGES=(dpkg-dev file)
TEST_PACKAGES=(googletest libgtest-dev libgmock-dev poppler-utils libbenchmark-dev desktop-file-utils appstream
               lintian man-db python3 glabels-data
               "${PACKAGE_PACKAGES[@]}")
# Timing the command line against zint: scripts/bench-cli.
BENCH_PACKAGES=(zint hyperfine)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# configure_and_build DIR [CMAKE ARGS...]
configure_and_build() {
    local dir="$1"
    shift
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$dir" -j "$JOBS"
}

# bench_setup NAME: the benchmarks' common start. Sets RUNS (default 10), RENDER (the built
# quillmark-render of BUILD_DIR, default build) and WORK, a fresh folder on tmpfs removed on exit.
bench_setup() {
    BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
    RUNS="${RUNS:-10}"
    RENDER="$(realpath -m "$BUILD_DIR/bin/quillmark-render")"
    [ -x "$RENDER" ] || { echo "build $RENDER first (scripts/run or cmake --build)" >&2; exit 2; }
    local shm=/dev/shm
    [ -d "$shm" ] || shm="${TMPDIR:-/tmp}"
    WORK="$(mktemp -d "$shm/quillmark-$1.XXXXXX")"
    trap 'rm -rf "$WORK"' EXIT
}
