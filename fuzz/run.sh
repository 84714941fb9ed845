#!/usr/bin/env bash
# fuzz/run.sh SECONDS: build the engine's fuzz target (preset `fuzz`) and run it
# for SECONDS seconds. The growing corpus lives outside git in fuzz-corpus/,
# seeded from fuzz/corpus/; anything the fuzzer finds lands in fuzz-findings/
# and the script exits non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
work=${QUIVELA_FUZZ_CORPUS:-$PWD/fuzz-corpus}
findings=${QUIVELA_FUZZ_FINDINGS:-$PWD/fuzz-findings}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

mkdir -p "$work" "$findings"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

before=$(find "$findings" -type f | wc -l)
status=0
# -timeout: one input taking over 10 s is a hang; -rss_limit_mb guards against
# runaway memory; the dictionary steers towards the engine's call tokens.
build-fuzz/bin/fuzz_equation "$work" fuzz/corpus \
    -dict=fuzz/equation.dict \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -artifact_prefix="$findings/" -print_final_stats=1 || status=$?
after=$(find "$findings" -type f | wc -l)

echo "corpus: $(find "$work" -type f | wc -l) inputs in $work"
if [ "$status" -ne 0 ] || [ "$after" -gt "$before" ]; then
    echo "fuzzing found a fault (exit $status); inputs in $findings:" >&2
    ls -1 "$findings" >&2
    exit 1
fi
