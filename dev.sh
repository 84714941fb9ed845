#!/usr/bin/env bash
# Quivela's developer entry point. Installs what is missing from Debian's
# packages, builds, and runs the program, the tests, the benchmarks or the fuzzer.
#   ./dev.sh run            build and start Quivela
#   ./dev.sh test           build and run every test
#   ./dev.sh build          build only
#   ./dev.sh bench          build and run the benchmarks
#   ./dev.sh fuzz [seconds] build and run the fuzzer
#   ./dev.sh sanitize       build with ASan+UBSan (clang) and run every test
#   ./dev.sh monkey SEED N  N random user actions from SEED, under ASan+UBSan
#   ./dev.sh package        build the Debian package build-deb/main/quivela_<version>_<arch>.deb
#   ./dev.sh package_check  the package built, linted, hardening-checked, built
#                           again elsewhere and compared, installed, started, removed
#   ./dev.sh ci             everything CI checks: tests, sanitized tests, a long
#                           random user run, 60 s of fuzzing, tests under
#                           pt_PT.UTF-8, install + validate, and the package
#                           installed, started and removed
set -euo pipefail
cd "$(dirname "$0")"

BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins qt6-translations-l10n
                qt6-l10n-tools fonts-dejavu-core fonts-comic-neue fonts-urw-base35)
TEST_PACKAGES=(xvfb xauth xdotool x11-utils imagemagick openbox desktop-file-utils appstream
               locales)
# dpkg-buildpackage and dpkg-checkbuilddeps; the rest of what the package
# needs to build is in debian/control, installed by `apt-get build-dep`.
PACKAGE_PACKAGES=(dpkg-dev git)
# lintian; hardening-check (devscripts).
PACKAGE_CHECK_PACKAGES=(lintian devscripts)
BENCH_PACKAGES=(libbenchmark-dev libmuparser-dev libmatheval-dev)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)

ensure_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
    cmake --preset default "$@"
    cmake --build --preset default
}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"
    elif command -v sudo >/dev/null 2>&1; then sudo "$@"
    else return 1
    fi
}

has_locale() {
    locale -a 2>/dev/null | grep -qix "${1%%.*}.utf8"
}

# Generates a locale (pt_PT.UTF-8) when it is missing and we may.
ensure_locale() {
    has_locale "$1" && return 0
    echo "Generating the locale $1"
    if grep -q "^# *$1 UTF-8" /etc/locale.gen 2>/dev/null; then
        as_root sed -i "s/^# *$1 UTF-8/$1 UTF-8/" /etc/locale.gen || true
    elif ! grep -q "^$1 UTF-8" /etc/locale.gen 2>/dev/null; then
        echo "$1 UTF-8" | as_root tee -a /etc/locale.gen >/dev/null || true
    fi
    as_root locale-gen >/dev/null || true
    has_locale "$1"
}

default_tests() {
    build
    ctest --preset default
}

sanitize() {
    cmake --preset sanitize
    cmake --build --preset sanitize
    ctest --preset sanitize
}

# The random user of every window (tests/monkey), in the sanitized build and
# with the sanitize preset's settings: actions $2 drawn from seed $1.
monkey() {
    local seed=$1 actions=$2
    cmake --preset sanitize >/dev/null
    cmake --build --preset sanitize --target tst_monkey
    echo "random user: seed $seed, $actions actions; replay with ./dev.sh monkey $seed $actions"
    QUIVELA_MONKEY_SEED=$seed QUIVELA_MONKEY_ACTIONS=$actions \
        ctest --preset sanitize -R '^tst_monkey$'
}

# CI's run: a new seed each time, printed so that a failure can be replayed.
# 20,000 sanitized actions cost about 3 to 4 minutes of CPU on a 2-core AMD
# EPYC; MONKEY_SEED and MONKEY_ACTIONS override the seed and the count.
MONKEY_CI_ACTIONS=20000
monkey_ci() {
    monkey "${MONKEY_SEED:-$(((RANDOM << 15) | RANDOM))}" "${MONKEY_ACTIONS:-$MONKEY_CI_ACTIONS}"
}

# Installs into a scratch prefix and checks what a desktop needs is there: the
# check tests/app/CheckInstall.cmake makes as the test install_desktop_entry.
install_check() {
    ctest --preset default -R '^install_desktop_entry$' --no-tests=error
}

# The Debian package, built by the distribution's own tools from a copy of the
# files git knows (tracked, or new and not ignored) in build-deb/$1/src-$1:
# dpkg-buildpackage writes its results beside the source folder, so they land
# in build-deb/$1/, inside the clone. The copy's files take the time of the
# copy, as a fresh checkout's would. Installs the build dependencies that
# are missing (those of the tests too unless DEB_BUILD_OPTIONS has nocheck)
# and prints the .deb's path last.
package() {
    local name=${1:-main}
    local dir=build-deb/$name
    local src=$dir/src-$name profile=()
    rm -rf "$dir"
    mkdir -p "$src"
    git ls-files -z --cached --others --exclude-standard | tar --null -T - --ignore-failed-read -cf - | tar -xmf - -C "$src"
    [[ " ${DEB_BUILD_OPTIONS:-} " == *" nocheck "* ]] && profile=(-Pnocheck)
    if ! (cd "$src" && dpkg-checkbuilddeps "${profile[@]}"); then
        as_root apt-get update
        as_root env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y --no-install-recommends \
            "${profile[@]}" "./$src"
    fi
    (cd "$src" && dpkg-buildpackage -us -uc -b -jauto "${profile[@]}")
    ls "$PWD/$dir"/quivela_*.deb
}

# The package as Debian's checkers see it, then as a school computer gets it.
# Built (with its tests), then: lintian, every tag down to the pedantic ones,
# prints nothing; hardening-check finds every protection in the program that
# Debian 12 can give; a second build, from another folder at another time
# (without the tests, which the first ran), gives the same bytes in every .deb;
# installed with apt, the installed program started and ended from its menu
# under Xvfb, removed.
package_check() {
    local deb lint tmp status=0
    package main
    deb=$(ls "$PWD"/build-deb/main/quivela_*.deb)
    # Its one remark on who runs it is about CI's machine, not the package.
    lint=$(lintian -I --pedantic build-deb/main/quivela_*.changes 2>&1 |
        grep -vx 'running with root privileges is not recommended!') || true
    if [ -n "$lint" ]; then
        echo "lintian:"
        echo "$lint"
        return 1
    fi
    echo "lintian -I --pedantic: nothing to say"
    tmp=$(mktemp -d)
    dpkg-deb -x "$deb" "$tmp"
    # Control flow integrity is the marking no program linked on Debian 12 can
    # carry: the C library's start files lack it (debian/rules).
    hardening-check --nocfprotection "$tmp/usr/bin/quivela"
    rm -rf "$tmp"

    DEB_BUILD_OPTIONS=nocheck package again
    local f
    for f in build-deb/main/*.deb; do
        cmp "$f" "build-deb/again/${f##*/}" || status=1
    done
    [ "$status" -eq 0 ] || { echo "the second build differs" >&2; return 1; }
    echo "reproducible: build-deb/main/*.deb and build-deb/again/*.deb are identical"

    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$deb"
    tests/e2e/e2e_installed.sh /usr/bin/quivela || status=$?
    as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y quivela
    return "$status"
}

# Runs one CI stage, timed; a failing stage is recorded and the next one runs,
# so that one run reports every failure.
TIMINGS=()
FAILED=()
stage() {
    local name=$1 start=$SECONDS status=0
    shift
    echo "=== $name"
    # A subshell of its own, so that `set -e` stops the stage at its first
    # failing command (inside `cmd || ...` bash would ignore it).
    set +e
    (set -e; "$@")
    status=$?
    set -e
    [ "$status" -ne 0 ] && FAILED+=("$name")
    TIMINGS+=("$(printf '%-10s %4d s%s' "$name" $((SECONDS - start)) \
        "$([ "$status" -ne 0 ] && echo "  FAILED ($status)")")")
}

ci() {
    ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}" \
        "${PACKAGE_PACKAGES[@]}" "${PACKAGE_CHECK_PACKAGES[@]}"
    local locale_ok=1
    ensure_locale pt_PT.UTF-8 || locale_ok=0
    stage test default_tests
    stage sanitize sanitize
    stage monkey monkey_ci
    stage fuzz fuzz/run.sh 60
    if [ "$locale_ok" -eq 1 ]; then
        stage pt_PT env LC_ALL=pt_PT.UTF-8 LANG=pt_PT.UTF-8 ctest --preset default
    elif [ "${CI:-}" = true ]; then
        echo "the locale pt_PT.UTF-8 is missing and cannot be generated" >&2
        exit 1
    else
        echo "warning: pt_PT.UTF-8 missing (needs root or sudo); locale stage skipped" >&2
    fi
    stage install install_check
    stage package package_check
    echo "=== timings"
    printf '%s\n' "${TIMINGS[@]}"
    if [ ${#FAILED[@]} -ne 0 ]; then
        echo "failed: ${FAILED[*]}" >&2
        return 1
    fi
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
    sanitize)
        ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
        sanitize
        ;;
    package)
        ensure_packages "${PACKAGE_PACKAGES[@]}"
        package
        ;;
    package_check)
        ensure_packages "${TEST_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}" "${PACKAGE_CHECK_PACKAGES[@]}"
        package_check
        ;;
    monkey)
        if [ $# -ne 2 ]; then
            echo "usage: $0 monkey SEED ACTIONS" >&2
            exit 2
        fi
        ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
        monkey "$1" "$2"
        ;;
    ci)
        ci
        ;;
    *)
        echo "usage: $0 {run|test|build|bench|fuzz [seconds]|sanitize|monkey SEED N|package|package_check|ci}" >&2
        exit 2
        ;;
esac
