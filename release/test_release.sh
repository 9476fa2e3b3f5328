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
source "$source_dir/tools/wine.sh"
ok=0 bad=0
pass() { echo "ok: $1"; ok=$((ok + 1)); }
fail() { echo "bad: $1"; bad=$((bad + 1)); }
finish() {
    echo "$ok checks held, $bad failed"
    [ "$bad" -eq 0 ]
    exit
}

work=$(mktemp -d)
cleanup() {
    tarnvel_stop_display
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
    tarnvel_wine "$folder/practice_tool.exe" check -q "$sample" >"$work/check.log" 2>&1 ||
        { unclean="$unclean $(basename "$sample")"; sed 's/^/    /' "$work/check.log" | head -n 5; }
done
if [ -z "$unclean" ]; then
    pass "the zipped tool finds every zipped sample clean"
else
    fail "the zipped tool warns about:$unclean"
fi

# The program needs a display; the test command gives one, a lone run makes one.
if [ -z "${DISPLAY:-}" ]; then
    tarnvel_start_display || { fail "a display for the program"; finish; }
fi
if tarnvel_wine "$driver" "$folder/tarnvel.exe" --gtest_filter='Shell.*' >"$work/shell.log" 2>&1; then
    pass "tarnvel.exe from the unpacked folder passes the end-to-end shell cases"
else
    grep -E '^(FAIL|   failed)' "$work/shell.log"
    fail "tarnvel.exe from the unpacked folder passes the end-to-end shell cases"
fi
finish
