#!/usr/bin/env bash
# Builds Tarnvel for 64-bit Windows and starts it under Wine in code page 936,
# in the 86 course's folder, so that the open-file dialog shows its lessons first.
# On the user's display when DISPLAY is set; otherwise on a private Xvfb
# display just long enough to save a screenshot of the main window, which is
# then closed the way its close box closes it. Exits with the program's code.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/tools/wine.sh"
source "$root/tools/build.sh"
build=$(tarnvel_tree win64)

"$root/tools/setup.sh"
echo "run: building $build"
tarnvel_build win64 tarnvel tarnvel_e2e || exit 1
program=$build/app/tarnvel.exe
driver=$build/tests/e2e/tarnvel_e2e.exe
tarnvel_make_prefix

if [ -n "${DISPLAY:-}" ]; then
    echo "run: starting $program on $DISPLAY"
    cd "$root/samples/86"
    tarnvel_wine "$program"
    exit
fi

tarnvel_start_display
trap tarnvel_stop_display EXIT
echo "run: no DISPLAY; starting $program on a private display $DISPLAY"
(cd "$root/samples/86" && tarnvel_wine "$program") &
tarnvel=$!
shot=$build/tarnvel.png
if tarnvel_wine "$driver" --await-main 60000; then
    import -window root "$shot"
    echo "run: screenshot of the main window: $shot"
else
    echo "run: the main window did not come up"
fi
tarnvel_wine "$driver" --close-main || echo "run: the program did not close"
status=0
wait "$tarnvel" || status=$?
echo "run: Tarnvel ended with exit code $status"
exit "$status"
