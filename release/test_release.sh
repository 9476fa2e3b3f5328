#!/usr/bin/env bash
# Builds the release zip, unpacks it into an empty folder and checks what a user
# gets: the files, documents Notepad opens, the licences, static stripped
# programs, samples the tool finds clean, a tool that speaks the code page's
# language and makes practice files from a dropped article, and a program that
# passes the end-to-end shell cases when started from there.
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

# Exactly the program, the tool and its table, the documents and every sample,
# in one folder.
documents="README-zh.txt LICENSE.txt NOTICES.txt COPYING-wubi86.txt licenses/LGPL-3.0.txt
    licenses/GPL-3.0.txt"
expected=$(
    for file in tarnvel.exe practice_tool.exe wubi86-danzi.dict.yaml $documents; do
        echo "$name/$file"
    done
    for sample in "$source_dir"/samples/*.txt; do echo "$name/samples/$(basename "$sample")"; done
)
actual=$(cd "$work/unpacked" && find . -type f | sed 's|^\./||')
if [ "$(sort <<<"$expected")" = "$(sort <<<"$actual")" ]; then
    pass "the zip holds $(wc -l <<<"$actual") files in $name/"
else
    diff <(sort <<<"$expected") <(sort <<<"$actual")
    fail "the zip's files"
fi

for document in $documents; do
    file=$folder/$document
    if [ "$(head -c 3 "$file" | od -An -tx1 | tr -d ' ')" = "efbbbf" ] &&
        tail -c +4 "$file" | iconv -f UTF-8 -t UTF-8 >/dev/null 2>&1 &&
        [ "$(tr -cd '\n' <"$file" | wc -c)" -eq "$(grep -c $'\r$' "$file")" ] &&
        ! grep -q '@PROJECT_VERSION@' "$file"; then
        pass "$document is UTF-8 with a byte-order mark and CR LF"
    else
        fail "$document is UTF-8 with a byte-order mark and CR LF"
    fi
done

# Each licence where it belongs: Tarnvel's, the table's beside the table and in
# its own header, and one for every runtime piece the link map shows.
has() { grep -qF "$2" "$folder/$1" || { echo "    $1 lacks: $2"; return 1; }; }
if has LICENSE.txt "MIT License" && has licenses/LGPL-3.0.txt "GNU LESSER GENERAL PUBLIC LICENSE" &&
    has licenses/GPL-3.0.txt "GNU GENERAL PUBLIC LICENSE" &&
    has COPYING-wubi86.txt "https://github.com/rime/rime-wubi" &&
    has COPYING-wubi86.txt "GNU Lesser General Public License, version 3" &&
    has wubi86-danzi.dict.yaml "Licence: GNU LGPL version 3" &&
    has NOTICES.txt "GCC RUNTIME LIBRARY EXCEPTION" && has NOTICES.txt "Zope Public License 2.1" &&
    has NOTICES.txt "Lucent Technologies" && has NOTICES.txt "David M. Gay" &&
    has NOTICES.txt "Keith Marshall" && has NOTICES.txt "winpthreads" &&
    has NOTICES.txt "Lockless Inc."; then
    pass "the licences and notices of Tarnvel, the table, the samples and the runtime"
else
    fail "the licences and notices of Tarnvel, the table, the samples and the runtime"
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

# The zipped tool as a user starts it: code page 936 unless told, its input
# never a console (so that it never waits for a key).
tool() {
    tarnvel_wine "$folder/practice_tool.exe" "$@" </dev/null 2>&1 | iconv -f GBK -t UTF-8
    return "${PIPESTATUS[0]}"
}
help_zh=$(tool --help)
help_en=$(TARNVEL_LOCALE=en_US.UTF-8 tool --help)
if grep -q '^用法：practice_tool 命令' <<<"$help_zh" &&
    grep -q '^Usage: practice_tool COMMAND' <<<"$help_en"; then
    pass "practice_tool --help is Chinese in code page 936 and English in 1252"
else
    printf '    936: %s\n    1252: %s\n' "$(head -n 1 <<<"$help_zh")" "$(head -n 1 <<<"$help_en")"
    fail "practice_tool --help is Chinese in code page 936 and English in 1252"
fi

# The Chinese characters of a file, once each in order: of a UTF-8 text, or of
# the character lines of a practice file.
characters() {
    python3 - "$@" <<'EOF'
import sys
if sys.argv[2] == "text":
    text = open(sys.argv[1], encoding="utf-8").read()
else:
    text = "".join(open(sys.argv[1], encoding="gbk", newline="").read().split("\r\n")[0::3])
print("".join(dict.fromkeys(c for c in text if "\u4e00" <= c <= "\u9fff")))
EOF
}
sorted() { grep -o . | sort | tr -d '\n'; }

# Dropped on the tool in Explorer: the article is the only argument. Its
# practice file loads cleanly and holds its characters once each, in order; a
# second drop makes a second file and leaves the first alone.
mkdir "$work/drop"
cp "$source_dir/release/article-zh.txt" "$work/drop/课文.txt"
article=$(tarnvel_windows_path "$work/drop/课文.txt")
made=$work/drop/课文-wubi.txt
tool "$article" >"$work/drop.log"
cp "$made" "$work/first.txt" 2>/dev/null
if grep -q '^已生成练习文件：' "$work/drop.log" &&
    tool check -q "$(tarnvel_windows_path "$made")" >>"$work/drop.log" &&
    [ -n "$(characters "$made" practice)" ] &&
    [ "$(characters "$made" practice)" = "$(characters "$work/drop/课文.txt" text)" ] &&
    tool "$article" >>"$work/drop.log" && cmp -s "$made" "$work/first.txt" &&
    cmp -s "$made" "$work/drop/课文-wubi-2.txt"; then
    pass "a dropped article gives a clean practice file of its characters, none overwritten"
else
    sed 's/^/    /' "$work/drop.log" | head -n 10
    fail "a dropped article gives a clean practice file of its characters, none overwritten"
fi

# Shuffled: the same number gives the same file, another number another order
# of the same entries.
for run in 7a 7b 8; do
    tool make --order=shuffle --number="${run%[ab]}" "$article" \
        "$(tarnvel_windows_path "$work/drop/shuffled-$run.txt")" >"$work/shuffle.log" ||
        sed 's/^/    /' "$work/shuffle.log"
done
if [ -s "$work/drop/shuffled-7a.txt" ] &&
    cmp -s "$work/drop/shuffled-7a.txt" "$work/drop/shuffled-7b.txt" &&
    ! cmp -s "$work/drop/shuffled-7a.txt" "$work/drop/shuffled-8.txt" &&
    [ "$(characters "$work/drop/shuffled-8.txt" practice | sorted)" = \
        "$(characters "$made" practice | sorted)" ]; then
    pass "make --order=shuffle --number=N: the same file for the same N, another order for another"
else
    fail "make --order=shuffle --number=N: the same file for the same N, another order for another"
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
