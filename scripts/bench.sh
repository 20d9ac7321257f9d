#!/usr/bin/env bash
# Runs the benchmarks of the build that ./test or ./run made in build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exec "$root/build/bench/evdrive_core_bench" --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true "$@"
