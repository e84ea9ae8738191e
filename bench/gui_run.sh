#!/usr/bin/env bash
# A conversion run through the main window against the same run through kadoro-cli, on the same
# files: prints the median seconds of each and the window's cost over the command line. Run after
# `make build`; as root the page cache is dropped before every run.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
n=${BENCH_GUI_N:-5000}
runs=${BENCH_RUNS:-5}
bin=$repo/build/bin
work=$(mktemp -d "${BENCH_DIR:-$repo/build}/kadoro-gui-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

settle() {
    sync
    if [ -w /proc/sys/vm/drop_caches ]; then echo 3 > /proc/sys/vm/drop_caches; fi
}

# Times one side on a fresh copy of the input; prints seconds.
run_side() {
    rm -rf "$work/in" "$work/out"
    cp -a "$work/input" "$work/in"
    mkdir "$work/out"
    settle
    case $1 in
        window) "$bin/kadoro_gui_run_bench" 3 "$work/in" "$work/out" 2> /dev/null ;;
        cli)
            local start end
            start=$(date +%s%N)
            "$bin/kadoro-cli" convert --scheme 3 "$work/in" "$work/out" > /dev/null
            end=$(date +%s%N)
            python3 -c "print(($end - $start) / 1e9)"
            ;;
    esac
}

median() { python3 -c "import statistics,sys; print('%.3f' % statistics.median(map(float, sys.argv[1:])))" "$@"; }

cmake --build "$repo/build" --target kadoro_gui_run_bench kadoro-cli > /dev/null
python3 "$repo/bench/make_j6i_files.py" "$work/input" "$n" --size-kb 20-60
window=() cli=()
for ((i = 0; i < runs; i++)); do
    if ((i % 2)); then
        cli+=("$(run_side cli)")
        window+=("$(run_side window)")
    else
        window+=("$(run_side window)")
        cli+=("$(run_side cli)")
    fi
done
w=$(median "${window[@]}")
c=$(median "${cli[@]}")
echo "$n files of 20-60 KB, median of $runs runs"
echo "window run (click to closing box): $w s"
echo "kadoro-cli convert:                $c s"
python3 -c "print('window over command line: %+.1f%% (target at most +5%%)' % (($w / $c - 1) * 100))"
