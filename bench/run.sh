#!/usr/bin/env bash
# Runs the benchmarks built in the given build directory (default: build),
# prints the tables and writes <build>/bench.json (the summary with the
# ratios) and <build>/bench-raw.json (every run of the engine, Google
# Benchmark's format) and <build>/bench-raw-plot.json (every run of the plots).
#   bench/run.sh [build-dir] [extra Google Benchmark options]
# Repetitions are interleaved at random, so that a change of load on the
# machine spreads over every engine instead of falling on one; each figure is
# the median of the repetitions. The whole run stays on one processor (the
# last one it may use, or QUIVELA_BENCH_CPU), so that the engines compared
# side by side are measured on the same one: on a shared virtual machine the
# processors are not equally busy, and a busy one made the interpreters up to
# 60% slower and native code 20%, on processor 0 one day and on 1 another.
set -euo pipefail
build=${1:-build}
shift || true
exe="$build/bin/quivela_bench"
if [ ! -x "$exe" ]; then
    echo "no $exe: configure with -DQUIVELA_BUILD_BENCH=ON and build first" >&2
    exit 1
fi
echo "machine: $(lscpu | sed -n 's/^Model name: *//p' | head -1), $(nproc) cores; load: $(cut -d' ' -f1-3 /proc/loadavg)"
cpu=${QUIVELA_BENCH_CPU:-$(taskset -cp $$ | grep -o '[0-9]*$')}
echo "pinned to processor $cpu"
QT_QPA_PLATFORM=offscreen exec taskset -c "$cpu" "$exe" \
    --summary="$build/bench.json" \
    --benchmark_repetitions=5 \
    --benchmark_enable_random_interleaving=true \
    --benchmark_display_aggregates_only=true \
    --benchmark_min_time=0.2 \
    --benchmark_out="$build/bench-raw.json" \
    --benchmark_out_format=json \
    "$@"
