#!/usr/bin/env bash
# Conversion throughput of kadoro-cli next to cp on the same disk, and the cost of many files
# sharing one base name. Run from the repository root after `make build` (or via `make bench`).
#
# Environment:
#   BENCH_N         files in the throughput cases (default 500)
#   BENCH_SAME_N    files in the same-name case (default 2000)
#   BENCH_RUNS      timed runs per measurement; the median is reported (default 5)
#   BENCH_DIR       folder on the disk to measure; a scratch folder is made inside it and removed
#                   afterwards (default $TMPDIR, or build/ when TMPDIR is unset or in memory)
#   BENCH_CLI       the kadoro-cli to measure (default build/bin/kadoro-cli)
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cli=${BENCH_CLI:-$repo/build/bin/kadoro-cli}
n=${BENCH_N:-500}
same_n=${BENCH_SAME_N:-2000}
runs=${BENCH_RUNS:-5}

if [ ! -x "$cli" ]; then
    echo "bench: $cli not found; run 'make build' first" >&2
    exit 1
fi

fs_type() { df --output=fstype "$1" | tail -n 1 | tr -d ' '; }
in_memory() { case $(fs_type "$1") in tmpfs | ramfs) return 0 ;; *) return 1 ;; esac; }

# A folder in memory would measure memory copies, not the disk the photos land on.
if [ -n "${BENCH_DIR:-}" ]; then
    parent=$BENCH_DIR
elif [ -n "${TMPDIR:-}" ] && [ -d "$TMPDIR" ] && ! in_memory "$TMPDIR"; then
    parent=$TMPDIR
else
    parent=$repo/build
fi
made_parent=""
if [ ! -d "$parent" ]; then
    mkdir -p "$parent"
    made_parent=$parent
fi
if in_memory "$parent"; then
    echo "bench: warning: $parent is $(fs_type "$parent"), the figures will not be the disk's" >&2
fi
work=$(mktemp -d "$parent/kadoro-bench.XXXXXX")
trap 'rm -rf "$work"; if [ -n "$made_parent" ]; then rmdir "$made_parent"; fi' EXIT
trap 'exit 130' INT TERM

# Every timed run starts with nothing left to write back and, where the kernel lets us, nothing
# of the input in the page cache, so that neither side inherits the other's work.
if [ -w /proc/sys/vm/drop_caches ] && (echo 1 > /proc/sys/vm/drop_caches) 2>/dev/null; then
    cache_note="written back and dropped before every timed run"
    settle() { sync && echo 3 > /proc/sys/vm/drop_caches; }
else
    cache_note="written back before every timed run (this user may not drop it)"
    settle() { sync; }
fi

now_ns() { date +%s%N; }

# Each measured side is a function named after it, with its input folder and the number of files
# expected in out/ and in/ afterwards, so that a run that fails on the way is never timed as fast.
declare -A input_of expect_out expect_in expect_name samples

run_kadoro() {
    if ! "$cli" convert "$@" "$work/in" "$work/out" > "$work/log"; then
        echo "bench: kadoro-cli convert $* failed; its log ends:" >&2
        tail -n 20 "$work/log" >&2
        exit 1
    fi
}

kadoro_copy() { run_kadoro --scheme 3; }
cp_copy() { cp --preserve=timestamps "$work/in"/* "$work/out"/ && sync; }
kadoro_delete() { run_kadoro --scheme 3 --delete; }
cp_delete() { cp_copy && rm -f "$work/in"/*; }
kadoro_same() { run_kadoro --scheme 5; }
kadoro_distinct() { run_kadoro --scheme 5; }

count_files() { find "$1" -maxdepth 1 -type f | wc -l; }

# Times one side on a fresh copy of its input and adds the time to its samples, unless the run
# is only a warm-up.
run_side() {
    local side=$1 warm_up=${2:-} start elapsed
    rm -rf "$work/in" "$work/out"
    cp -a "${input_of[$side]}" "$work/in"
    mkdir "$work/out"
    settle
    start=$(now_ns)
    "$side"
    elapsed=$(($(now_ns) - start))
    if [ "$(count_files "$work/out")" -ne "${expect_out[$side]}" ] ||
        [ "$(count_files "$work/in")" -ne "${expect_in[$side]}" ]; then
        echo "bench: $side left $(count_files "$work/out") files in out/ and" \
            "$(count_files "$work/in") in in/;" \
            "expected ${expect_out[$side]} and ${expect_in[$side]}" >&2
        exit 1
    fi
    if [ -n "${expect_name[$side]:-}" ] && [ ! -e "$work/out/${expect_name[$side]}" ]; then
        echo "bench: $side did not write ${expect_name[$side]}" >&2
        exit 1
    fi
    [ -n "$warm_up" ] || samples[$side]+=" $elapsed"
    printf '  %-16s %8.3f s%s\n' "$side" "$(python3 -c "print($elapsed / 1e9)")" "$warm_up"
}

# Runs two sides $runs times each, taking turns at going first, so that a slow spell of the
# machine falls on both alike. A first untimed round lets the disk finish writing the input.
compare() {
    local i first second
    run_side "$1" " (warm-up)"
    run_side "$2" " (warm-up)"
    for ((i = 1; i <= runs; i++)); do
        if ((i % 2)); then first=$1 second=$2; else first=$2 second=$1; fi
        run_side "$first"
        run_side "$second"
    done
}

bytes_of() { du -sb --apparent-size "$1" | cut -f 1; }

echo "Kadoro benchmark: $(date '+%Y-%m-%d %H:%M'), $(nproc) CPUs, load average" \
    "$(cut -d ' ' -f 1-3 /proc/loadavg), $cli"
echo "work folder: $work"
df -T "$work"
echo

make_input() { python3 "$repo/bench/make_j6i_files.py" "$@"; }

for side in kadoro_copy cp_copy kadoro_delete cp_delete; do
    input_of[$side]=$work/distinct
    expect_out[$side]=$n
    expect_in[$side]=$n
done
expect_in[kadoro_delete]=0
expect_in[cp_delete]=0
input_of[kadoro_same]=$work/many-same
input_of[kadoro_distinct]=$work/many-distinct
for side in kadoro_same kadoro_distinct; do
    expect_out[$side]=$same_n
    expect_in[$side]=$same_n
done
# Every file was shot in the first minute, so the last one takes the highest suffix.
expect_name[kadoro_same]=$(printf '1997-11-23 0000-%03d.j6i' $((same_n - 1)))

make_input "$work/distinct" "$n" --dates distinct --seed 1
bytes_n=$(bytes_of "$work/distinct")
echo "1. $n files with distinct names: copy"
compare kadoro_copy cp_copy
echo "2. the same files: copy, then delete the source"
compare kadoro_delete cp_delete
rm -rf "$work/distinct"

# One seed for both folders: the same sizes, only the shooting minutes differ.
make_input "$work/many-same" "$same_n" --dates same --seed 2
make_input "$work/many-distinct" "$same_n" --dates distinct --seed 2
bytes_same=$(bytes_of "$work/many-same")
echo "3. $same_n files with one base name against $same_n with distinct names (scheme 5)"
compare kadoro_same kadoro_distinct

echo
python3 - "$n" "$same_n" "$runs" "$bytes_n" "$bytes_same" "$cache_note" \
    "${samples[kadoro_copy]}" "${samples[cp_copy]}" "${samples[kadoro_delete]}" \
    "${samples[cp_delete]}" "${samples[kadoro_same]}" "${samples[kadoro_distinct]}" <<'EOF'
import statistics
import sys

n, same_n, runs, bytes_n, bytes_same = (int(v) for v in sys.argv[1:6])
cache_note = sys.argv[6]
samples = [[int(t) / 1e9 for t in v.split()] for v in sys.argv[7:13]]
kc, cc, kd, cd, ks, kdist = (statistics.median(s) for s in samples)
best = iter(min(s) for s in samples)

rows = []
def rate(label, files, size, seconds):
    rows.append((label, str(files), "%.3f" % seconds, "%.3f" % next(best),
                 "%.1f" % (files / seconds), "%.1f" % (size / seconds / 1e6),
                 "%.3f" % (seconds / files * 1e3), "", ""))
def ratio(label, value, target=None, met=True):
    rows.append((label, "", "", "", "", "", "", "%.2f" % value,
                 (target + (" met" if met else " MISSED")) if target else ""))

rate("1 kadoro-cli convert --scheme 3", n, bytes_n, kc)
rate("  cp --preserve=timestamps; sync", n, bytes_n, cc)
ratio("  kadoro throughput / cp", cc / kc, ">= 0.8", cc / kc >= 0.8)
rate("2 kadoro-cli convert --scheme 3 --delete", n, bytes_n, kd)
rate("  cp --preserve=timestamps; sync; rm", n, bytes_n, cd)
ratio("  kadoro throughput / cp", cd / kd)
rate("3 kadoro-cli, one base name (scheme 5)", same_n, bytes_same, ks)
rate("  kadoro-cli, distinct names (scheme 5)", same_n, bytes_same, kdist)
ratio("  one name / distinct, time per file", ks / kdist, "<= 2.0", ks / kdist <= 2.0)

header = ("case", "files", "time s", "best s", "files/s", "MB/s", "ms/file", "ratio", "target")
widths = [max(len(r[i]) for r in rows + [header]) for i in range(len(header))]
def line(r):
    cells = (c.ljust(w) if i == 0 else c.rjust(w) for i, (c, w) in enumerate(zip(r, widths)))
    return "  ".join(cells).rstrip()
print(line(header))
print("  ".join("-" * w for w in widths))
for r in rows:
    print(line(r))
print()
print("time s: median of %d runs, each on a fresh copy of the input; best s: the fastest"
      % runs)
print("run. files/s, MB/s (10^6 bytes), ms/file and the ratios come from the medians.")
print("Page cache: %s." % cache_note)
print("Flushing each file before it gets its name costs %.3f ms per file over cp with one sync"
      % ((kc - cc) / n * 1e3))
print("at the end (case 1: fsync of the file, one folder fsync per run); with deletion, where the")
print("folder is flushed too before each source goes, %.3f ms (case 2)." % ((kd - cd) / n * 1e3))
EOF
