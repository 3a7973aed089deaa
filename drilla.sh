#!/usr/bin/env bash
# Set-up, build, start and tests in one place; see README.md.
set -euo pipefail
cd "$(dirname "$0")"

# qt6-charts-dev does not pull in the OpenGL development files its CMake package needs.
PAKETE=(build-essential cmake qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n fonts-liberation2 fonts-comic-neue)
# The tests read the printed PDFs back with pdftotext.
TEST_PAKETE=(poppler-utils)
# Making the Debian package: dpkg-shlibdeps computes its dependencies.
PAKET_PAKETE=(dpkg-dev file)
BUILD=${DRILLA_BUILD:-build}
JOBS=${DRILLA_JOBS:-$(nproc)}
# One build type for start, test and bench: switching types in one folder rebuilds everything.
ART=RelWithDebInfo
# What a build makes; empty: everything.
ZIELE=()

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
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${fehlend[@]}" </dev/null
}

bauen() { # build dir, build type, extra cmake args...
    local ordner=$1 art=$2
    shift 2
    cmake -S . -B "$ordner" -DCMAKE_BUILD_TYPE="$art" "$@" >/dev/null &&
        cmake --build "$ordner" -j "$JOBS" ${ZIELE[@]+"${ZIELE[@]}"}
}

# The user's build. It takes the folder as the tests left it (warnings as errors or not), so
# nothing is compiled twice; only if that build fails with warnings as errors on is it redone
# without them, so a newer compiler's new warning never stops the program from starting.
nutzer_bauen() {
    if bauen "$BUILD" "$ART"; then
        return 0
    fi
    grep -q '^DRILLA_WERROR:BOOL=ON' "$BUILD/CMakeCache.txt" 2>/dev/null || return 1
    echo "Erneuter Bau ohne -Werror" >&2
    bauen "$BUILD" "$ART" -DDRILLA_WERROR=OFF
}

case "${1:-}" in
start)
    pakete_installieren "${PAKETE[@]}"
    nutzer_bauen
    exec "$BUILD/bin/drilla"
    ;;
test)
    pakete_installieren "${PAKETE[@]}" "${TEST_PAKETE[@]}"
    bauen "$BUILD" "$ART" -DDRILLA_WERROR=ON
    ctest --test-dir "$BUILD" --output-on-failure -j "$JOBS"
    ;;
sanitizer)
    pakete_installieren "${PAKETE[@]}" "${TEST_PAKETE[@]}"
    bauen "$BUILD-asan" Debug -DDRILLA_SANITIZE=ON -DDRILLA_WERROR=ON
    ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 \
    LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp":print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir "$BUILD-asan" --output-on-failure -j "$JOBS"
    # The file readers' fuzz targets, a few seconds each, under the same sanitizers.
    for ziel in "$BUILD-asan"/fuzz/fuzz_*; do
        ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 \
        LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp":print_suppressions=0 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            "$ziel" 5 tests/data data
    done
    ;;
paket)
    pakete_installieren "${PAKETE[@]}" "${PAKET_PAKETE[@]}"
    # Only what the package holds; tests and benchmarks are left for `test`.
    ZIELE=(--target drilla drilla_doku)
    nutzer_bauen
    rm -f "$BUILD"/paket/drilla_*.deb
    cpack --config "$BUILD/CPackConfig.cmake" -B "$BUILD/paket" >/dev/null
    ls "$BUILD"/paket/drilla_*.deb
    ;;
bench)
    # The start-up is also timed in a real X server, an Xvfb of the benchmark's own.
    pakete_installieren "${PAKETE[@]}" xvfb xauth
    nutzer_bauen
    for b in "$BUILD"/bench/bench_*; do
        [ -f "$b" ] && [ -x "$b" ] || continue
        # The floor is started by bench_start, beside the trainer.
        [ "$(basename "$b")" = bench_boden ] && continue
        QT_QPA_PLATFORM=offscreen "$b"
    done
    ;;
desktop)
    # The scripted check in a real X server, with openbox and without a window manager.
    pakete_installieren "${PAKETE[@]}" xvfb xauth xdotool x11-utils openbox imagemagick
    nutzer_bauen
    tests/desktop/pruefen.sh "$BUILD/bin"
    ;;
*)
    echo "Aufruf: $0 start | test | sanitizer | bench | paket | desktop" >&2
    exit 2
    ;;
esac
