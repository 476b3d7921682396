#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Draw dots developers
# SPDX-License-Identifier: MIT
# Runs the benchmarks of an existing build: bench/run.sh [draw] [memory] [build] [startup]
# (all of them when none is named). BUILD names the build folder, build by default. Extra
# options for every benchmark binary go in BENCH_OPTIONS, e.g. --benchmark_out=results.json.
# The start-up benchmark gets a private Xvfb display with openbox.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
read -r -a options <<<"${BENCH_OPTIONS:-}"
[ $# -gt 0 ] || set -- draw memory build startup

# Qt wants a private runtime folder; without one it complains on every start.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/drawdots-bench.XXXXXX")
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

for which in "$@"; do
    case $which in
    draw)
        # Runs of both counts of earlier points are interleaved, so that their ratio is fair.
        QT_QPA_PLATFORM=offscreen "$build/bench/bench_draw" --benchmark_repetitions=20 \
            --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true "${options[@]}"
        ;;
    memory)
        QT_QPA_PLATFORM=offscreen "$build/bench/bench_memory" "${options[@]}"
        ;;
    build)
        QT_QPA_PLATFORM=offscreen "$build/bench/bench_build" --benchmark_repetitions=20 \
            --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true "${options[@]}"
        ;;
    startup)
        (
            source tests/e2e/xsession.sh
            trap xsession_stop EXIT
            xsession_start
            "$build/bench/bench_startup" "${options[@]}"
        )
        ;;
    *)
        echo "Unknown benchmark $which: choose from draw, memory, build and startup." >&2
        exit 2
        ;;
    esac
done
