#!/usr/bin/env bash
# Quivela's developer entry point. Installs what is missing from Debian's
# packages, builds, and runs the program, the tests, the benchmarks or the fuzzer.
#   ./dev.sh run            build and start Quivela
#   ./dev.sh test           build and run every test
#   ./dev.sh build          build only
#   ./dev.sh bench          build and run the benchmarks
#   ./dev.sh fuzz [seconds] build and run the fuzzer
set -euo pipefail
cd "$(dirname "$0")"

BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins qt6-translations-l10n
                fonts-dejavu-core fonts-comic-neue fonts-urw-base35)
TEST_PACKAGES=(xvfb xauth xdotool x11-utils imagemagick openbox desktop-file-utils locales)
BENCH_PACKAGES=(libbenchmark-dev libmuparser-dev libmatheval-dev)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)

ensure_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
    cmake --preset default "$@"
    cmake --build --preset default
}

cmd=${1:-run}
shift || true
case "$cmd" in
    run)
        ensure_packages "${BUILD_PACKAGES[@]}"
        build
        exec build/bin/quivela
        ;;
    build)
        ensure_packages "${BUILD_PACKAGES[@]}"
        build
        ;;
    test)
        ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
        build
        ctest --preset default
        ;;
    bench)
        ensure_packages "${BUILD_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"
        build -DQUIVELA_BUILD_BENCH=ON
        exec bench/run.sh build
        ;;
    fuzz)
        ensure_packages "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
        exec fuzz/run.sh "${1:-60}"
        ;;
    *)
        echo "usage: $0 {run|test|build|bench|fuzz [seconds]}" >&2
        exit 2
        ;;
esac
