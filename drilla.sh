#!/usr/bin/env bash
# Set-up, build, start and tests in one place; see README.md.
set -euo pipefail
cd "$(dirname "$0")"

PAKETE=(build-essential cmake qt6-base-dev qt6-multimedia-dev fonts-liberation2 fonts-comic-neue)
BUILD=${DRILLA_BUILD:-build}
JOBS=${DRILLA_JOBS:-$(nproc)}

pakete_installieren() {
    local fehlend=()
    for paket in "$@"; do
        dpkg -s "$paket" >/dev/null 2>&1 || fehlend+=("$paket")
    done
    [ ${#fehlend[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installiere: ${fehlend[*]}"
    $sudo apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
}

bauen() { # build dir, build type, extra cmake args...
    local ordner=$1 art=$2
    shift 2
    cmake -S . -B "$ordner" -DCMAKE_BUILD_TYPE="$art" "$@" >/dev/null
    cmake --build "$ordner" -j "$JOBS"
}

case "${1:-}" in
start)
    pakete_installieren "${PAKETE[@]}"
    bauen "$BUILD" Release
    exec "$BUILD/bin/drilla"
    ;;
test)
    pakete_installieren "${PAKETE[@]}"
    bauen "$BUILD" RelWithDebInfo
    ctest --test-dir "$BUILD" --output-on-failure -j "$JOBS"
    ;;
sanitizer)
    pakete_installieren "${PAKETE[@]}"
    bauen "$BUILD-asan" Debug -DDRILLA_SANITIZE=ON
    ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir "$BUILD-asan" --output-on-failure -j "$JOBS"
    ;;
bench)
    pakete_installieren "${PAKETE[@]}"
    bauen "$BUILD" Release
    for b in "$BUILD"/bench/bench_*; do
        [ -f "$b" ] && [ -x "$b" ] || continue
        QT_QPA_PLATFORM=offscreen "$b"
    done
    ;;
*)
    echo "Aufruf: $0 start | test | sanitizer | bench" >&2
    exit 2
    ;;
esac
