#!/usr/bin/env bash
# Times tarnvel.exe from its start to its first painted main window under Wine,
# beside the minimal window program started the same way in the same run.
# Usage: bench/startup.sh WIN64_BUILD_DIR [RUNS]
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath "$1")
runs=${2:-15}
export TARNVEL_WINEPREFIX=${TARNVEL_WINEPREFIX:-/root/.wine-bench}
if [ -z "${DISPLAY:-}" ]; then
    export DISPLAY=:$((150 + RANDOM % 50))
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null' EXIT
    sleep 1
fi

# A Unix path as Wine's Z: drive sees it.
windows_path() { local path=${1//\//\\}; echo "Z:$path"; }

"$root/tools/wine-run.sh" "$build/bench/startup_bench.exe" "$runs" \
    "$(windows_path "$build/app/tarnvel.exe"):TARNVEL" \
    "$(windows_path "$build/bench/minimal_window.exe"):MINIMAL_WINDOW"
