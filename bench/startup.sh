#!/usr/bin/env bash
# Times tarnvel.exe from its start to its first painted main window under Wine,
# beside the minimal window program started the same way in the same run.
# Usage: bench/startup.sh WIN64_BUILD_DIR [RUNS]
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/tools/wine.sh"
build=$(realpath "$1")
runs=${2:-15}
if [ -z "${DISPLAY:-}" ]; then
    tarnvel_start_display || exit 1
    trap tarnvel_stop_display EXIT
fi
# The first start in a new prefix is slow: not a start-up to time.
tarnvel_make_prefix || exit 1
tarnvel_wine "$build/bench/startup_bench.exe" "$runs" \
    "$(tarnvel_windows_path "$build/app/tarnvel.exe"):TARNVEL" \
    "$(tarnvel_windows_path "$build/bench/minimal_window.exe"):MINIMAL_WINDOW"
