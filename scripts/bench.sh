#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the benchmarks of the build that ./test or ./run made in build/: the
# core's, then evdrive-batch's million rows against a bare loop of the
# calculation. Arguments go to the core's Google Benchmark run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/build/bench/evdrive_core_bench" --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true "$@"
"$root/build/bench/batch/evdrive_batch_bench"
