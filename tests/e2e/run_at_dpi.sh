#!/usr/bin/env bash
# Runs the end-to-end driver while every Wine program of the prefix sees the
# given resolution, then puts the usual 96 back.
#   run_at_dpi.sh DPI DRIVER.exe ARGUMENTS...
set -u
if [ -z "${DISPLAY:-}" ]; then
    echo "DISPLAY is not set: these tests need an X display (start Xvfb and export DISPLAY)"
    echo "tally 0 ok 1 bad"
    exit 1
fi
dpi=$1
shift
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../tools/wine-env.sh"
tarnvel_set_dpi "$dpi"
"$(tarnvel_wine_for "$1")" "$@"
status=$?
tarnvel_set_dpi 96
exit "$status"
