#!/usr/bin/env bash
# Runs the resource-leak check of tests/e2e/leak_e2e.cpp under Wine: the driver
# reads the program's GDI count from Wine's gdi trace, which the program writes
# to the stderr it inherits, so the driver's stderr goes to a log it is told of.
# Usage: tools/leak_check.sh TARNVEL_LEAKS.exe TARNVEL.exe [LOG]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine.sh"
driver=$1
program=$2
log=$(realpath -m "${3:-${TMPDIR:-/tmp}/tarnvel-leaks-$$.log}")
tarnvel_wine "$driver" "$(tarnvel_windows_path "$program")" "$(tarnvel_windows_path "$log")" 2>"$log"
status=$?
# The trace is large: kept only when the check failed.
if [ $status -eq 0 ]; then rm -f "$log"; else echo "gdi trace kept in $log"; fi
exit $status
