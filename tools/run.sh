#!/usr/bin/env bash
# Builds Tarnvel for 64-bit Windows and starts it under Wine in code page 936,
# in the samples folder, so that the open-file dialog shows them first.
# On the user's display when DISPLAY is set; otherwise on a private Xvfb
# display just long enough to save a screenshot of the main window, which is
# then closed the way its close box closes it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build=build/run-win64

"$root/tools/setup.sh"
echo "run: building $build"
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >"$root/build/run-configure.log" 2>&1 ||
    { cat "$root/build/run-configure.log"; exit 1; }
cmake --build "$build" -j"$(nproc)" --target tarnvel tarnvel_e2e >"$root/build/run-build.log" 2>&1 ||
    { tail -n 40 "$root/build/run-build.log"; exit 1; }
program=$root/$build/app/tarnvel.exe
driver=$root/$build/tests/e2e/tarnvel_e2e.exe

if [ -n "${DISPLAY:-}" ]; then
    echo "run: starting $program on $DISPLAY"
    cd "$root/samples"
    exec "$root/tools/wine-run.sh" "$program"
fi

# No display: a private one, the size of Wine's virtual desktop.
number=90
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
    number=$((number + 1))
done
export DISPLAY=:$number
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$number" ] && break
    sleep 0.1
done

echo "run: no DISPLAY; starting $program on a private display $DISPLAY"
(cd "$root/samples" && exec "$root/tools/wine-run.sh" "$program") &
tarnvel=$!
shot="$root/$build/tarnvel.png"
if "$root/tools/wine-run.sh" "$driver" --await-main 60000; then
    sleep 1 # the last paint reaches the X server a moment after it is done
    import -window root "$shot"
    echo "run: screenshot of the main window: $shot"
else
    echo "run: the main window did not come up"
fi
"$root/tools/wine-run.sh" "$driver" --close-main || echo "run: the program did not close"
status=0
wait "$tarnvel" || status=$?
echo "run: Tarnvel ended with exit code $status"
# Wine's desktop process lets go of the display once Wine has shut down.
(source "$root/tools/wine-env.sh" && wineserver -w)
exit "$status"
