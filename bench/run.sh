#!/usr/bin/env bash
# Runs Tarnvel's benchmarks and prints their figures: the loader and the answer
# comparison natively; the start-up time of tarnvel.exe under Wine beside a
# minimal Win32 window, when the Windows build is there. Figures only: nothing
# here passes or fails.
#
# Usage: bench/run.sh [--random MEGABYTES] [--no-startup]
# Build trees: build/bench-native and build/bench-win64, or BENCH_BUILD_PREFIX-native/-win64.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
prefix=${BENCH_BUILD_PREFIX:-$root/build/bench}
native="$prefix-native"
win64="$prefix-win64"
random=256
startup=1
while [ $# -gt 0 ]; do
    case "$1" in
        --random) random=$2; shift 2 ;;
        --no-startup) startup=0; shift ;;
        *) echo "usage: $0 [--random MEGABYTES] [--no-startup]"; exit 2 ;;
    esac
done

cmake -S "$root" -B "$native" -DCMAKE_BUILD_TYPE=Release -DTARNVEL_TESTS=OFF >/dev/null &&
    cmake --build "$native" -j"$(nproc)" --target load_bench >/dev/null || exit 1
echo "== loader and comparison (native)"
"$native/bench/load_bench" --random "$random"

[ "$startup" = 1 ] || exit 0
echo
echo "== start-up under Wine"
if ! cmake -S "$root" -B "$win64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        -DTARNVEL_TESTS=OFF >/dev/null ||
    ! cmake --build "$win64" -j"$(nproc)" --target tarnvel minimal_window startup_bench >/dev/null; then
    echo "no Windows build: start-up not measured"
    exit 0
fi
exec bash "$root/bench/startup.sh" "$win64"
