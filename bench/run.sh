#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Draw dots developers
# SPDX-License-Identifier: MIT
# Runs the benchmarks of an existing build: bench/run.sh [draw] [build] [undo] [file] [memory] [startup]
# (all of them when none is named). BUILD names the build folder, build by default.
#   draw, build: Google Benchmark's own results (CSV), then each pair's ratio in this run, and
#                the 99th percentile of single presses and moves.
#   undo:        an undo and a redo among 1,000,000 points, the 99th percentile of each.
#   file:        opening and saving 1,000,000 points, each against the toolkit's XML stream
#                reader or writer merely reading or writing the same file.
#   memory:      peak resident memory of a process that presses Draw once or 1,000,000 times,
#                and of one that opens a drawing of 1 or of 1,000,000 points.
#   startup:     time to the first painted frame, processor time and peak resident memory of
#                the program and of the floor, started in turn on a private Xvfb display.
# Processes are measured with /usr/bin/time (peak resident memory in KiB, user time).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
[ $# -gt 0 ] || set -- draw build undo file memory startup
tmp=$(mktemp -d "${TMPDIR:-/tmp}/drawdots-bench.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
# Qt wants a private runtime folder; without one it complains on every start.
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$tmp}

# The median of the numbers on standard input, one a line.
median() {
    sort -g | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# in_process FILTER FIRST SECOND...: the benchmarks FILTER matches, 20 repetitions interleaved
# (REPETITIONS of them where set), then the median processor time of each SECOND over its FIRST.
in_process() {
    local filter=$1
    shift
    QT_QPA_PLATFORM=offscreen "$build/bench/bench_window" --benchmark_filter="$filter" \
        --benchmark_repetitions="${REPETITIONS:-20}" --benchmark_enable_random_interleaving=true \
        --benchmark_report_aggregates_only=true --benchmark_format=csv | tee "$tmp/results.csv"
    echo "Processor time, medians, second over first:"
    while [ $# -gt 1 ]; do
        awk -F, -v first="$1" -v second="$2" '
            { gsub(/"/, "", $1) } $1 == first "_median" { a = $4; unit = $5 } $1 == second "_median" { b = $4 }
            END { printf "  %s %.3g %s, %s %.3g %s, ratio %.3f\n", first, a, unit, second, b, unit, b / a }' \
            "$tmp/results.csv"
        shift 2
    done
    # The 99th percentile of single runs, where a benchmark reports it: the median over the repetitions.
    awk -F, 'NR == 1 { for (i = 1; i <= NF; i++) if ($i ~ /p99_us/) column = i }
             column && $1 ~ /_median"?$/ && $column != "" { gsub(/"/, "", $1); sub(/_median$/, "", $1)
                 if (!printed++) print "Wall-clock time of the slowest 1 % of single runs (p99), medians:"
                 printf "  %s %.3g us\n", $1, $column }' "$tmp/results.csv"
}

# measure KEY COMMAND...: runs the command under /usr/bin/time and appends "KEY KiB user-s".
measure() {
    local key=$1
    shift
    /usr/bin/time -f '%M %U' -o "$tmp/time" "$@" >"$tmp/output"
    echo "$key $(cat "$tmp/time")" >>"$tmp/samples"
}

# peak_per_point UNIT FEW MANY OPTION: peak resident memory of bench_window with OPTION ("%s" the
# count) for 1 and for 1,000,000 points, three of each in turn, so that whatever else the machine
# does weighs on both alike; prints the medians (FEW and MANY say what they are) and the cost of
# each UNIT.
peak_per_point() {
    local unit=$1 few_label=$2 many_label=$3 option=$4 run count order few many
    for run in 1 2 3; do
        order="1 1000000"
        [ $((run % 2)) -eq 1 ] || order="1000000 1"
        for count in $order; do
            # shellcheck disable=SC2059 # the option is the format
            QT_QPA_PLATFORM=offscreen measure "$unit-$count" "$build/bench/bench_window" "$(printf -- "$option" "$count")"
        done
    done
    few=$(column "$unit-1" 2 | median)
    many=$(column "$unit-1000000" 2 | median)
    echo "Peak resident memory, median of 3: $few_label $few KiB, $many_label $many KiB," \
        "$(apart "$few" "$many"), $(awk -v a="$few" -v b="$many" 'BEGIN { printf "%.1f", (b - a) * 1024 / 999999 }') bytes a $unit"
}

# column KEY N [FILE]: the Nth field of the samples measured under KEY.
column() {
    awk -v key="$1" -v n="$2" '$1 == key { print $n }' "${3:-$tmp/samples}"
}

# apart A B: how far B lies from A, in KiB.
apart() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%+.0f KiB apart", b - a }'
}

# milliseconds MICROSECONDS: as milliseconds with one decimal.
milliseconds() {
    printf '%d.%d' $(($1 / 1000)) $(($1 % 1000 / 100))
}

for which in "$@"; do
    rm -f "$tmp/samples" "$tmp/startup"
    case $which in
    draw)
        in_process 'BM_PressDraw|BM_MovePickedPoint|BM_FullRepaint' \
            BM_PressDraw/width:1/earlier:0 BM_PressDraw/width:1/earlier:1000000 \
            BM_MovePickedPoint/earlier:0 BM_MovePickedPoint/earlier:1000000 \
            BM_PressDraw/width:1/earlier:1000000 BM_MovePickedPoint/earlier:1000000 \
            BM_PressDraw/width:3/earlier:0 BM_PressDraw/width:3/earlier:1000000 \
            BM_PressDraw/width:50/earlier:0 BM_PressDraw/width:50/earlier:1000000 \
            BM_FullRepaint/points:1 BM_FullRepaint/points:1000000
        ;;
    build)
        in_process 'BM_DecodeStoredRecord|BM_Build' BM_BuildFloorWindow BM_BuildProgramWindow
        ;;
    undo)
        # The million points are drawn once a process; five processes' worth of 300 steps each.
        REPETITIONS=5 in_process 'BM_UndoRedo'
        echo "The 99th percentile of an undo and of a redo, medians of 5 runs (one frame is 16.7 ms):"
        awk -F, 'NR == 1 { for (i = 1; i <= NF; i++) column[$i] = i }
            $1 ~ /_median"?$/ { gsub(/"/, "", $1); sub(/_median$/, "", $1)
                printf "  %s: undo %.2f ms, redo %.2f ms\n", $1, $column["\"undo_p99_ms\""], $column["\"redo_p99_ms\""] }' \
            "$tmp/results.csv"
        ;;
    file)
        REPETITIONS=5 in_process 'Million' BM_ReadMillionFloor/iterations:2 BM_OpenMillion/iterations:2 \
            BM_WriteMillionFloor/iterations:2 BM_SaveMillion/iterations:2
        ;;
    memory)
        peak_per_point press "after 1 press" "after 1,000,000 presses" "--presses=%s"
        # The same drawings saved, then opened by a new process each.
        for presses in 1 1000000; do
            QT_QPA_PLATFORM=offscreen "$build/bench/bench_window" --presses="$presses" --save="$tmp/$presses.svg"
        done
        peak_per_point point "opening 1 point" "opening 1,000,000 points" "--open=$tmp/%s.svg"
        ;;
    startup)
        floor=${STARTUP_FLOOR:-$build/bench/startup_floor}
        program=${STARTUP_PROGRAM:-$build/bench/drawdots_probed}
        (
            source tests/e2e/xsession.sh
            trap xsession_stop EXIT
            xsession_start
            export QT_QPA_PLATFORM=xcb DRAWDOTS_EXIT_AT_FIRST_FRAME=1
            # Two rounds fill the file and font caches and are not counted; then 20 in turn first.
            for run in $(seq -1 20); do
                order="floor program"
                [ $((run % 2)) -eq 1 ] || order="program floor"
                for name in $order; do
                    key=$name
                    [ "$run" -gt 0 ] || key=warm-$name
                    sleep 0.1 # so that one run's ending does not overlap the next one's start
                    started=${EPOCHREALTIME/./}
                    measure "$key" "${!name}"
                    read -r _ frameNs cpuNs <"$tmp/output"
                    echo "$key $(milliseconds $((frameNs / 1000 - started))) $(milliseconds $((cpuNs / 1000)))" \
                        >>"$tmp/startup"
                done
            done
        )
        row() { # label, floor figure, program figure, how to compare them
            printf '%-30s floor %9s   drawdots %9s   %s\n' "$1" "$2" "$3" "$4"
        }
        fastest() { sort -g | head -1; }
        ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "ratio %.2f", b / a }'; }
        echo "From process creation to the first painted frame, 20 runs each:"
        f=$(column floor 2 "$tmp/startup" | median) p=$(column program 2 "$tmp/startup" | median)
        row "median (ms)" "$f" "$p" "$(ratio "$f" "$p")"
        f=$(column floor 2 "$tmp/startup" | fastest) p=$(column program 2 "$tmp/startup" | fastest)
        row "fastest (ms)" "$f" "$p" "$(ratio "$f" "$p")"
        f=$(column floor 3 "$tmp/startup" | median) p=$(column program 3 "$tmp/startup" | median)
        row "processor time, median (ms)" "$f" "$p" "$(ratio "$f" "$p")"
        f=$(column floor 2 | median) p=$(column program 2 | median)
        row "peak resident, median (KiB)" "$f" "$p" "$(apart "$f" "$p")"
        ;;
    *)
        echo "Unknown benchmark $which: choose from draw, build, undo, file, memory and startup." >&2
        exit 2
        ;;
    esac
done
