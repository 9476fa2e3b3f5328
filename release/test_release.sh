#!/usr/bin/env bash
# Builds the release zip, unpacks it into an empty folder and checks what a user
# gets: the files, a guide Notepad opens, static stripped programs, samples the
# tool finds clean, and a program that passes the end-to-end shell cases when
# started from there.
#
#     test_release.sh CMAKE BUILD_DIR ZIP E2E_DRIVER OBJDUMP
set -u
cmake=$1 build=$2 zip=$3 driver=$4 objdump=$5
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
wine_run=$source_dir/tools/wine-run.sh
ok=0 bad=0
pass() { echo "ok: $1"; ok=$((ok + 1)); }
fail() { echo "bad: $1"; bad=$((bad + 1)); }
finish() {
    stop_display
    echo "tally $ok ok $bad bad"
    [ "$bad" -eq 0 ]
    exit
}

work=$(mktemp -d)
xvfb=
# A display this script started ends after Wine has let go of it.
stop_display() {
    if [ -n "$xvfb" ]; then
        (source "$source_dir/tools/wine-env.sh" && wineserver -w)
        kill "$xvfb" 2>/dev/null
        wait "$xvfb" 2>/dev/null
        xvfb=
    fi
}
cleanup() {
    stop_display
    rm -rf "$work"
}
trap cleanup EXIT

if ! "$cmake" --build "$build" --target release >"$work/build.log" 2>&1; then
    tail -n 20 "$work/build.log"
    fail "the release target builds"
    finish
fi
pass "the release target builds"

name=$(basename "$zip" .zip)
mkdir "$work/unpacked"
if ! unzip -q "$zip" -d "$work/unpacked"; then
    fail "unzip $name.zip"
    finish
fi
folder=$work/unpacked/$name

# Exactly the program, the tool, the guide and every sample, in one folder.
expected=$(
    printf '%s\n' "$name/tarnvel.exe" "$name/practice_tool.exe" "$name/README-zh.txt"
    for sample in "$source_dir"/samples/*.txt; do echo "$name/samples/$(basename "$sample")"; done
)
actual=$(cd "$work/unpacked" && find . -type f | sed 's|^\./||')
if [ "$(sort <<<"$expected")" = "$(sort <<<"$actual")" ]; then
    pass "the zip holds $(wc -l <<<"$actual") files in $name/"
else
    diff <(sort <<<"$expected") <(sort <<<"$actual")
    fail "the zip's files"
fi

guide=$folder/README-zh.txt
if [ "$(head -c 3 "$guide" | od -An -tx1 | tr -d ' ')" = "efbbbf" ] &&
    tail -c +4 "$guide" | iconv -f UTF-8 -t UTF-8 >/dev/null 2>&1 &&
    [ "$(tr -cd '\n' <"$guide" | wc -c)" -eq "$(grep -c $'\r$' "$guide")" ] &&
    ! grep -q '@PROJECT_VERSION@' "$guide"; then
    pass "the guide is UTF-8 with a byte-order mark and CR LF"
else
    fail "the guide is UTF-8 with a byte-order mark and CR LF"
fi

for program in tarnvel.exe practice_tool.exe; do
    dlls=$("$objdump" -p "$folder/$program" | awk '/DLL Name/ {print $3}' | tr '\n' ' ')
    if grep -qiE 'libstdc|libgcc|libwinpthread' <<<"$dlls"; then
        fail "$program is linked statically (imports: $dlls)"
    elif "$objdump" -t "$folder/$program" 2>&1 | grep -q '\[ *[0-9]*\]'; then
        fail "$program is stripped"
    else
        pass "$program is static and stripped (imports: $dlls)"
    fi
done

unclean=
for sample in "$folder"/samples/*.txt; do
    "$wine_run" "$folder/practice_tool.exe" check -q "$sample" >"$work/check.log" 2>&1 ||
        unclean="$unclean $(basename "$sample")"
done
if [ -z "$unclean" ]; then
    pass "the zipped tool finds every zipped sample clean"
else
    fail "the zipped tool warns about:$unclean"
fi

# The program needs a display; the test command gives one, a lone run makes one.
if [ -z "${DISPLAY:-}" ]; then
    # Xvfb picks a free display and writes its number to descriptor 3.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.2; done
    export DISPLAY=:$(head -n 1 "$work/display")
fi
if "$wine_run" "$driver" "$folder/tarnvel.exe" shell >"$work/shell.log" 2>&1; then
    pass "tarnvel.exe from the unpacked folder passes the end-to-end shell cases"
else
    grep -E '^(FAIL|   failed)' "$work/shell.log"
    fail "tarnvel.exe from the unpacked folder passes the end-to-end shell cases"
fi
finish
