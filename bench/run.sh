#!/usr/bin/env bash
# Runs Tarnvel's benchmarks and prints their figures: the loader and the answer
# comparison natively; the start-up time of tarnvel.exe under Wine beside a
# minimal Win32 window, when the Windows build is there. Figures only: nothing
# here passes or fails.
#
# Usage: bench/run.sh [--random MEGABYTES] [--no-startup]
# Build trees: the project's native and win64 trees (tools/build.sh).
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/tools/build.sh"
random=256
startup=1
while [ $# -gt 0 ]; do
    case "$1" in
        --random) random=$2; shift 2 ;;
        --no-startup) startup=0; shift ;;
        *) echo "usage: $0 [--random MEGABYTES] [--no-startup]"; exit 2 ;;
    esac
done

tarnvel_build native load_bench || exit 1
echo "== loader and comparison (native)"
"$(tarnvel_tree native)/bench/load_bench" --random "$random"

[ "$startup" = 1 ] || exit 0
echo
echo "== start-up under Wine"
if ! tarnvel_build win64 tarnvel minimal_window startup_bench; then
    echo "no Windows build: start-up not measured"
    exit 0
fi
exec bash "$root/bench/startup.sh" "$(tarnvel_tree win64)"
