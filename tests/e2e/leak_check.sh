#!/usr/bin/env bash
# Runs the end-to-end driver's resource-leak cases (Leaks.*) under Wine. The
# driver reads the program's GDI count from Wine's gdi trace, which the program
# writes to the stderr it inherits, so the driver's stderr goes to a log it is
# told of. Usage: tests/e2e/leak_check.sh TARNVEL_E2E.exe TARNVEL.exe [LOG]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine.sh"
driver=$1
program=$2
log=$(realpath -m "${3:-${TMPDIR:-/tmp}/tarnvel-leaks-$$.log}")
mkdir -p "$(dirname "$log")"
TARNVEL_GDI_LOG=$(tarnvel_windows_path "$log") tarnvel_wine "$driver" "$program" \
    --gtest_filter='Leaks.*' 2>"$log"
status=$?
# The trace is large: kept only when the check failed.
if [ $status -eq 0 ]; then rm -f "$log"; else echo "gdi trace kept in $log"; fi
exit $status
