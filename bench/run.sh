#!/usr/bin/env bash
# Conversion throughput of kadoro-cli next to cp and sync on the same files: on this machine's
# disk with and without deleting the sources, for many small files, and on loop images of ext4,
# xfs and btrfs; and the cost of many files sharing one base name. Run from the repository root
# after `make build` (or via `make bench`).
#
# Environment:
#   BENCH_N         files in cases 1, 2, 5, 6 and 7, 100-300 KB each (default 500)
#   BENCH_SAME_N    files in case 3, one base name (default 2000)
#   BENCH_MANY_N    files in case 4, many small files (default 20000)
#   BENCH_MANY_KB   size range of the case 4 files in KB (default 20-60)
#   BENCH_RUNS      timed runs per side; the median is reported (default 5)
#   BENCH_CASES     the cases to run, such as "1 2 4" (default: all, 1 to 7)
#   BENCH_DIR       folder on the disk to measure; a scratch folder is made inside it and removed
#                   afterwards (default $TMPDIR, or build/ when TMPDIR is unset or in memory)
#   BENCH_CLI       the kadoro-cli to measure (default build/bin/kadoro-cli)
#   BENCH_INSTALL   0: never apt-get install xfsprogs or btrfs-progs when mkfs.xfs or mkfs.btrfs
#                   is missing (default 1: install them when running as root)
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cli=${BENCH_CLI:-$repo/build/bin/kadoro-cli}
n=${BENCH_N:-500}
same_n=${BENCH_SAME_N:-2000}
many_n=${BENCH_MANY_N:-20000}
many_kb=${BENCH_MANY_KB:-20-60}
runs=${BENCH_RUNS:-5}
cases=${BENCH_CASES:-1 2 3 4 5 6 7}

die() {
    echo "bench: $*" >&2
    exit 1
}

is_root() { [ "$(id -u)" -eq 0 ]; }
have() { command -v "$1" > /dev/null 2>&1; }
wanted() { [[ " $cases " == *" $1 "* ]]; }

# mkfs.xfs and mkfs.btrfs come with these packages; only the loop-image cases need them.
declare -A mkfs_package=([xfs]=xfsprogs [btrfs]=btrfs-progs)

# Installs the mkfs of the loop-image cases that will run, where that is allowed, before anything
# is timed. A file system whose mkfs is still missing afterwards is reported as not available.
install_mkfs() {
    local fs missing=()
    for fs in "${!mkfs_package[@]}"; do
        if ! have "mkfs.$fs"; then missing+=("${mkfs_package[$fs]}"); fi
    done
    if [ ${#missing[@]} -eq 0 ] || [ "${BENCH_INSTALL:-1}" = 0 ] || ! is_root ||
        ! have apt-get; then
        return 0
    fi
    echo "bench: installing ${missing[*]} for the loop-image cases"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" > /dev/null 2>&1 ||
        { apt-get update -qq > /dev/null 2>&1 &&
            DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" \
                > /dev/null 2>&1; } ||
        echo "bench: could not install ${missing[*]}; those cases will be skipped" >&2
}

check_deps() {
    local tool
    [ -x "$cli" ] || die "$cli not found; run 'make build' first"
    for tool in python3 cp find du df mktemp sync; do
        have "$tool" || die "$tool is needed"
    done
    if wanted 6 || wanted 7; then install_mkfs; fi
}

fs_type() { df --output=fstype "$1" | tail -n 1 | tr -d ' '; }
in_memory() { case $(fs_type "$1") in tmpfs | ramfs) return 0 ;; *) return 1 ;; esac; }

# The folder whose disk is measured. One in memory would measure memory copies, not the disk the
# photos land on.
choose_parent() {
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
}

# The loop image mounted at the moment, if any.
mounted=""

cleanup() {
    if [ -n "$mounted" ]; then umount "$mounted" || true; fi
    rm -rf "$work"
    if [ -n "$made_parent" ]; then rmdir "$made_parent"; fi
}

# Every timed run starts with nothing left to write back and, where the kernel lets us, nothing
# of the input in the page cache, so that neither side inherits the other's work.
choose_settle() {
    if [ -w /proc/sys/vm/drop_caches ] && (echo 1 > /proc/sys/vm/drop_caches) 2> /dev/null; then
        cache_note="written back and dropped before every timed run"
        settle() { sync && echo 3 > /proc/sys/vm/drop_caches; }
    else
        cache_note="written back before every timed run (this user may not drop it)"
        settle() { sync; }
    fi
}

now_ns() { date +%s%N; }

# The measured sides. Each works on $place/in and $place/out, which run_side prepares.
run_kadoro() {
    if ! "$cli" convert "$@" "$place/in" "$place/out" > "$work/log"; then
        echo "bench: kadoro-cli convert $* failed; its log ends:" >&2
        tail -n 20 "$work/log" >&2
        exit 1
    fi
}

kadoro_copy() { run_kadoro --scheme 3; }
cp_copy() { cp -r --preserve=timestamps "$place/in/." "$place/out/" && sync; }
kadoro_delete() { run_kadoro --scheme 3 --delete; }
cp_delete() { cp_copy && find "$place/in" -mindepth 1 -maxdepth 1 -type f -delete; }
kadoro_same() { run_kadoro --scheme 5; }
kadoro_distinct() { run_kadoro --scheme 5; }

declare -A label=(
    [kadoro_copy]="kadoro-cli convert --scheme 3"
    [cp_copy]="cp --preserve=timestamps; sync"
    [kadoro_delete]="kadoro-cli convert --scheme 3 --delete"
    [cp_delete]="cp --preserve=timestamps; sync; rm"
    [kadoro_same]="kadoro-cli --scheme 5, one base name"
    [kadoro_distinct]="kadoro-cli --scheme 5, distinct names"
)
declare -A deletes_source=([kadoro_delete]=1 [cp_delete]=1)
# A file whose name shows the side really did its work, beyond the count of files.
declare -A expect_name=()
# The input of a side that does not take the case's $input.
declare -A input_of=()

count_files() { find "$1" -maxdepth 1 -type f | wc -l; }

# Fails when a side left other than the expected files, so that a run that failed on the way is
# never timed as fast.
check_side() {
    local side=$1 out_n in_n want_in=$files
    out_n=$(count_files "$place/out")
    in_n=$(count_files "$place/in")
    [ -z "${deletes_source[$side]:-}" ] || want_in=0
    if [ "$out_n" -ne "$files" ] || [ "$in_n" -ne "$want_in" ]; then
        die "$side left $out_n files in out/ and $in_n in in/; expected $files and $want_in"
    fi
    if [ -n "${expect_name[$side]:-}" ] && [ ! -e "$place/out/${expect_name[$side]}" ]; then
        die "$side did not write ${expect_name[$side]}"
    fi
}

# Times one side on a fresh copy of its input in $place, prints the time and leaves it in
# $elapsed (nanoseconds).
run_side() {
    local side=$1 note=$2 start
    rm -rf "$place/in" "$place/out"
    cp -a "${input_of[$side]:-$input}" "$place/in"
    mkdir "$place/out"
    settle
    start=$(now_ns)
    "$side"
    elapsed=$(($(now_ns) - start))
    check_side "$side"
    printf '  %-40s %8.3f s%s\n' "${label[$side]}" "$(python3 -c "print($elapsed / 1e9)")" "$note"
}

# Runs two sides $runs times each on $files files in $place, taking turns at going first, so
# that a slow spell of the machine falls on both alike, and appends the times to the results.
# A first untimed round lets the file system and the program settle in. kind says which ratio the
# summary works out: "throughput" (the second side's time over the first's) or "time" (the
# first side's over the second's).
compare() {
    local case_id=$1 where=$2 kind=$3 target=$4 a=$5 b=$6 i first second elapsed
    local -A times=([$a]="" [$b]="")
    run_side "$a" " (warm-up)"
    run_side "$b" " (warm-up)"
    for ((i = 1; i <= runs; i++)); do
        if ((i % 2)); then first=$a second=$b; else first=$b second=$a; fi
        run_side "$first" ""
        times[$first]+=" $elapsed"
        run_side "$second" ""
        times[$second]+=" $elapsed"
    done
    printf 'row\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$case_id" "$where" "${label[$a]}" \
        "${label[$b]}" "$files" "$(bytes_of "${input_of[$a]:-$input}")" "$kind" "$target" \
        "${times[$a]}" "${times[$b]}" >> "$results"
}

skip() {
    local case_id=$1 where=$2 reason=$3
    echo "  $reason"
    printf 'skip\t%s\t%s\t%s\n' "$case_id" "$where" "$reason" >> "$results"
}

bytes_of() { du -sb --apparent-size "$1" | cut -f 1; }

make_input() { python3 "$repo/bench/make_j6i_files.py" "$@"; }

# The 100-300 KB files of cases 1, 2, 5, 6 and 7, made once.
distinct_input() {
    [ -d "$work/distinct" ] || make_input "$work/distinct" "$n" --dates distinct --seed 1
    input=$work/distinct
    files=$n
}

case_disk_copy() {
    echo "1. $n files on $disk: copy"
    distinct_input
    place=$work
    compare 1 "$disk" throughput ">= 0.9" kadoro_copy cp_copy
}

case_disk_delete() {
    echo "2. the same files on $disk: copy, then delete the sources"
    distinct_input
    place=$work
    compare 2 "$disk" throughput ">= 0.9" kadoro_delete cp_delete
}

case_same_name() {
    echo "3. $same_n files with one base name against $same_n with distinct names (scheme 5)"
    # One seed for both folders: the same sizes, only the shooting minutes differ.
    make_input "$work/many-same" "$same_n" --dates same --seed 2
    make_input "$work/many-distinct" "$same_n" --dates distinct --seed 2
    files=$same_n
    place=$work
    # Every file was shot in the first minute, so the last one takes the highest suffix.
    expect_name[kadoro_same]=$(printf '1997-11-23 0000-%03d.j6i' $((same_n - 1)))
    input_of[kadoro_same]=$work/many-same
    input_of[kadoro_distinct]=$work/many-distinct
    compare 3 "$disk" time "<= 2.0" kadoro_same kadoro_distinct
    rm -rf "$work/many-same" "$work/many-distinct"
}

case_many_files() {
    echo "4. $many_n files of $many_kb KB on $disk: copy"
    make_input "$work/many" "$many_n" --dates distinct --seed 3 --size-kb "$many_kb"
    input=$work/many
    files=$many_n
    place=$work
    compare 4 "$disk" throughput ">= 0.8" kadoro_copy cp_copy
    rm -rf "$work/many"
}

# Makes an image file of file system $1 big enough for the input and its copy, and mounts it on
# $mnt. On failure it leaves the reason in $why and returns 1.
mount_image() {
    local fs=$1 image=$work/$1.img size
    mnt=$work/mnt-$fs
    if ! is_root; then why="skipped: mounting a loop image needs root"; return 1; fi
    if ! have "mkfs.$fs"; then why="not available: mkfs.$fs not found"; return 1; fi
    # Sparse, so the size costs nothing; xfs wants at least 300 MB.
    size=$(($(bytes_of "$input") * 3 + 512 * 1024 * 1024))
    truncate -s "$size" "$image"
    local -a mkfs_options=(-q)
    case $fs in
        # Initialise the inode tables and the journal now rather than in the background
        # while the runs are timed.
        ext4) mkfs_options+=(-E "lazy_itable_init=0,lazy_journal_init=0") ;;
        xfs | btrfs) mkfs_options+=(-f) ;;
    esac
    if ! "mkfs.$fs" "${mkfs_options[@]}" "$image" > "$work/log" 2>&1; then
        why="not available: mkfs.$fs failed: $(tail -n 1 "$work/log")"
        return 1
    fi
    mkdir -p "$mnt"
    if ! mount -o loop "$image" "$mnt" 2> "$work/log"; then
        why="not available: mount -o loop failed: $(tail -n 1 "$work/log")"
        return 1
    fi
    mounted=$mnt
}

unmount_image() {
    local fs=$1
    umount "$work/mnt-$fs"
    mounted=""
    rm -rf "$work/mnt-$fs" "$work/$fs.img"
}

case_loop_image() {
    local case_id=$1 fs=$2 target=$3
    echo "$case_id. $n files on a loop image of $fs: copy"
    distinct_input
    local why=""
    if ! mount_image "$fs"; then
        skip "$case_id" "$fs loop image" "$why"
        rm -f "$work/$fs.img"
        return 0
    fi
    place=$mnt
    compare "$case_id" "$fs loop image" throughput "$target" kadoro_copy cp_copy
    unmount_image "$fs"
}

summary() {
    python3 - "$runs" "$cache_note" "$results" <<'EOF'
import statistics
import sys

runs, cache_note, results = int(sys.argv[1]), sys.argv[2], sys.argv[3]

header = ("case", "side", "files", "median s", "files/s", "MB/s", "ratio", "target", "result")
rows, costs = [], []
for line in open(results, encoding="utf-8"):
    fields = line.rstrip("\n").split("\t")
    if fields[0] == "skip":
        _, case_id, where, reason = fields
        rows.append((case_id + " " + where, reason, "", "", "", "", "", "", ""))
        continue
    _, case_id, where, label_a, label_b, files, size, kind, target, times_a, times_b = fields
    files, size = int(files), int(size)
    a, b = (statistics.median(int(t) / 1e9 for t in v.split()) for v in (times_a, times_b))
    ratio = b / a if kind == "throughput" else a / b
    if target == "none":
        verdict = "figure"
    else:
        bound = float(target.split()[1])
        met = ratio >= bound if target.startswith(">=") else ratio <= bound
        verdict = "met" if met else "missed"
    def side(case, label, seconds, *verdict):
        return (case, label, str(files), "%.3f" % seconds, "%.0f" % (files / seconds),
                "%.1f" % (size / seconds / 1e6)) + verdict
    rows.append(side(case_id + " " + where, label_a, a, "%.2f" % ratio, target, verdict))
    rows.append(side("", label_b, b, "", "", ""))
    if kind == "throughput":
        costs.append("%s: %.3f" % (case_id, (a - b) / files * 1e3))

widths = [max(len(r[i]) for r in rows + [header]) for i in range(len(header))]
def line(r):
    cells = (c.ljust(w) if i < 2 else c.rjust(w) for i, (c, w) in enumerate(zip(r, widths)))
    return "  ".join(cells).rstrip()
print(line(header))
print("  ".join("-" * w for w in widths))
for r in rows:
    print(line(r))
print()
print("median s: median of %d runs, each on a fresh copy of the input into an empty folder;" % runs)
print("files/s, MB/s (10^6 bytes) and the ratios come from the medians. Ratio: kadoro's")
print("throughput over the other side's; in case 3, time per file with one base name over")
print("distinct names. Page cache: %s." % cache_note)
if costs:
    print("kadoro's extra time per file over the other side, ms: " + ", ".join(costs))
EOF
}

main() {
    check_deps
    choose_parent
    work=$(mktemp -d "$parent/kadoro-bench.XXXXXX")
    trap cleanup EXIT
    trap 'exit 130' INT TERM
    results=$work/results
    : > "$results"
    choose_settle
    disk="disk ($(fs_type "$work"))"
    local started=$SECONDS

    echo "Kadoro benchmark: $(date '+%Y-%m-%d %H:%M'), $(nproc) CPUs, load average" \
        "$(cut -d ' ' -f 1-3 /proc/loadavg), $cli"
    echo "work folder: $work"
    df -T "$work"
    echo

    if wanted 1; then case_disk_copy; fi
    if wanted 2; then case_disk_delete; fi
    if wanted 3; then case_same_name; fi
    if wanted 4; then case_many_files; fi
    if wanted 5; then case_loop_image 5 ext4 ">= 0.8"; fi
    # No target on the file systems that share blocks: there cp reads nothing, while kadoro must
    # still read every file's date; the figure shows what the system calls cost.
    if wanted 6; then case_loop_image 6 xfs none; fi
    if wanted 7; then case_loop_image 7 btrfs none; fi

    echo
    summary
    echo "Whole run: $((SECONDS - started)) s; load average at the end" \
        "$(cut -d ' ' -f 1-3 /proc/loadavg)."
}

main "$@"
