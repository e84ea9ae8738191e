#!/usr/bin/env bash
# Time from process start to the main window mapped on the X server, for kadoro and for a bare Qt
# window of the same size on the same machine. Runs under xvfb-run when there is no DISPLAY. Run
# from the repository root after `make build` (or via `make bench`).
#
# Environment:
#   BENCH_RUNS   starts per program; the median and the fastest are reported (default 10)
#   BUILD_DIR    the build folder (default build)
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-build}
runs=${BENCH_RUNS:-10}
cd "$repo"

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

cmake --build "$build" --target kadoro bench_bare_window bench_window_shown > /dev/null
# A settings file or a viewer from this user's desktop must not change what is measured.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME=$scratch XDG_RUNTIME_DIR=$scratch
chmod 700 "$scratch"

echo "window start, process start to window mapped ($runs runs each):"
printf '  %-16s ' "bare Qt window"
"$build/bin/bench_window_shown" "$runs" "$build/bin/bench_bare_window"
printf '  %-16s ' "kadoro"
"$build/bin/bench_window_shown" "$runs" "$build/bin/kadoro"
