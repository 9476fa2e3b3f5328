#!/usr/bin/env bash
# One check of the unpacked release, as a user gets it; each is a CTest test of
# its own (release/CMakeLists.txt) and passes or fails by its exit code.
#
#     check.sh CHECK FOLDER [ARGUMENTS...]
#
# FOLDER is the release folder of the unpacked zip (tarnvel-1.0-win64/). CHECK:
#   files OBJDUMP      exactly the expected files (the key charts too); the programs
#                      static and stripped
#   documents          the documents Notepad opens: UTF-8 with a byte-order mark, CR LF
#   licences           Tarnvel's, the tables' and the runtime's notices
#   samples            the zipped tool finds every lesson of the course clean
#   help               the tool's help in Chinese in code page 936, English in 1252
#   drop               a dropped article gives a practice file of its characters
#   drop98             dropped on practice_tool98.cmd, it gives one with 98 codes
#   review             dropped on review86.cmd / review98.cmd, a spaced file of each version
#   shuffle            the same number gives the same order, another another
#   shell E2E_DRIVER   the program passes the end-to-end shell cases from there
set -u
check=$1 folder=$2
shift 2
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$source_dir/tools/wine.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

documents="README-zh.txt LICENSE.txt NOTICES.txt COPYING-samples.txt licenses/LGPL-3.0.txt
    licenses/GPL-3.0.txt licenses/MIT-radical-data.txt licenses/Unlicense.txt
    licenses/Unicode-DFS-2016.txt"
data="wubi86-danzi.dict.yaml wubi98-danzi.dict.yaml wubi86-zigen.txt wubi98-zigen.txt strokes.txt
    hanzi-frequency.txt"
scripts="practice_tool98.cmd review86.cmd review98.cmd"
charts="keys-86.html keys-98.html"

# The zipped tool as a user starts it: code page 936 unless told, its input
# never a console (so that it never waits for a key).
tool() {
    tarnvel_wine "$folder/practice_tool.exe" "$@" </dev/null 2>&1 | iconv -f GBK -t UTF-8
    return "${PIPESTATUS[0]}"
}

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

# The article, dropped on the tool in Explorer: the only argument.
drop_article() {
    mkdir -p "$work/drop"
    cp "$source_dir/release/article-zh.txt" "$work/drop/课文.txt"
    article=$(tarnvel_windows_path "$work/drop/课文.txt")
}

check_files() {
    local objdump=$1 name expected actual
    name=$(basename "$folder")
    expected=$(
        for file in tarnvel.exe practice_tool.exe $scripts $data $charts $documents; do
            echo "$name/$file"
        done
        (cd "$source_dir" && ls samples/86/*.txt samples/98/*.txt) | sed "s|^|$name/|"
    )
    actual=$(cd "$(dirname "$folder")" && find . -type f | sed 's|^\./||')
    diff <(sort <<<"$expected") <(sort <<<"$actual") || return 1
    local program dlls
    for program in tarnvel.exe practice_tool.exe; do
        dlls=$("$objdump" -p "$folder/$program" | awk '/DLL Name/ {print $3}' | tr '\n' ' ')
        echo "$program imports: $dlls"
        ! grep -qiE 'libstdc|libgcc|libwinpthread' <<<"$dlls" || return 1
        ! "$objdump" -t "$folder/$program" 2>&1 | grep -q '\[ *[0-9]*\]' || {
            echo "$program is not stripped"
            return 1
        }
    done
}

check_documents() {
    local document file status=0
    for document in $documents; do
        file=$folder/$document
        if [ "$(head -c 3 "$file" | od -An -tx1 | tr -d ' ')" != "efbbbf" ] ||
            ! tail -c +4 "$file" | iconv -f UTF-8 -t UTF-8 >/dev/null 2>&1 ||
            [ "$(tr -cd '\n' <"$file" | wc -c)" -ne "$(grep -c $'\r$' "$file")" ] ||
            grep -q '@PROJECT_VERSION@' "$file"; then
            echo "$document is not UTF-8 with a byte-order mark and CR LF throughout"
            status=1
        fi
    done
    return $status
}

# Each licence where it belongs: Tarnvel's, the table's beside the table and in
# its own header, and one for every runtime piece the link map shows.
check_licences() {
    has() { grep -qF "$2" "$folder/$1" || { echo "$1 lacks: $2"; return 1; }; }
    has LICENSE.txt "MIT License" && has licenses/LGPL-3.0.txt "GNU LESSER GENERAL PUBLIC LICENSE" &&
        has licenses/GPL-3.0.txt "GNU GENERAL PUBLIC LICENSE" &&
        has licenses/MIT-radical-data.txt "Copyright (c) 2019 qwertyyb" &&
        has licenses/Unlicense.txt "released into the public domain" &&
        has licenses/Unicode-DFS-2016.txt "UNICODE, INC. LICENSE AGREEMENT" &&
        has strokes.txt "Unicode licence" && has NOTICES.txt "Unicode, Inc." &&
        has COPYING-samples.txt "https://github.com/rime/rime-wubi" &&
        has COPYING-samples.txt "GNU Lesser General Public License, version 3" &&
        has COPYING-samples.txt "https://github.com/yanhuacuo/98wubi-tables" &&
        has COPYING-samples.txt "https://github.com/qwertyyb/Fire" &&
        has COPYING-samples.txt "kHanyuPinlu" && has NOTICES.txt "hanzi-frequency.txt" &&
        has hanzi-frequency.txt "Unicode licence" &&
        has wubi86-danzi.dict.yaml "Licence: GNU LGPL version 3" &&
        has wubi98-danzi.dict.yaml "the Unlicense" && has wubi86-zigen.txt "under the MIT licence" &&
        has wubi98-zigen.txt "under the MIT licence" && has NOTICES.txt "qwertyyb" &&
        has NOTICES.txt "public domain" &&
        has NOTICES.txt "GCC RUNTIME LIBRARY EXCEPTION" && has NOTICES.txt "Zope Public License 2.1" &&
        has NOTICES.txt "Lucent Technologies" && has NOTICES.txt "David M. Gay" &&
        has NOTICES.txt "Keith Marshall" && has NOTICES.txt "winpthreads" &&
        has NOTICES.txt "Lockless Inc."
}

# One cmd run checks every lesson: a Wine start for each would take minutes.
# (Wine's cmd runs "||" after a success too, so errorlevel is asked.)
check_samples() {
    local sample version script=$work/check-course.cmd
    {
        printf '@echo off\r\n'
        for sample in "$folder"/samples/86/*.txt "$folder"/samples/98/*.txt; do
            version=$(basename "$(dirname "$sample")")
            printf '"%s" check -q --wubi=%s "%s"\r\nif errorlevel 1 echo the zipped tool warns about %s\r\n' \
                "$(tarnvel_windows_path "$folder/practice_tool.exe")" "$version" \
                "$(tarnvel_windows_path "$sample")" "$version/$(basename "$sample")"
        done
        printf 'echo checked\r\n'
    } >"$script"
    tarnvel_wine cmd /c "$(tarnvel_windows_path "$script")" </dev/null 2>&1 |
        iconv -f GBK -t UTF-8 >"$work/course.log"
    grep -E '警告：|warns about' "$work/course.log"
    grep -q '^checked' "$work/course.log" && ! grep -q 'warns about' "$work/course.log"
}

check_help() {
    local chinese english
    chinese=$(tool --help)
    english=$(TARNVEL_LOCALE=en_US.UTF-8 tool --help)
    printf '936: %s\n1252: %s\n' "$(head -n 1 <<<"$chinese")" "$(head -n 1 <<<"$english")"
    grep -qF '用法：practice_tool [--wubi=86|98] 命令' <<<"$chinese" &&
        grep -qF 'Usage: practice_tool [--wubi=86|98] COMMAND' <<<"$english"
}

# Its practice file loads cleanly and holds its characters once each, in
# order; a second drop makes a second file and leaves the first alone.
check_drop() {
    drop_article
    local made=$work/drop/课文-wubi.txt
    tool "$article" | tee "$work/drop.log"
    grep -q '^已生成练习文件：' "$work/drop.log" || return 1
    cp "$made" "$work/first.txt" || return 1
    tool check -q "$(tarnvel_windows_path "$made")" || return 1
    [ -n "$(characters "$made" practice)" ] &&
        [ "$(characters "$made" practice)" = "$(characters "$work/drop/课文.txt" text)" ] || {
        echo "the practice file does not hold the article's characters in order"
        return 1
    }
    tool "$article" && cmp "$made" "$work/first.txt" && cmp "$made" "$work/drop/课文-wubi-2.txt"
}

# The same article dropped on the script for Wubi 98, run as Explorer runs it:
# the same characters, checked clean as 98 codes, and not all codes 86's.
check_drop98() {
    drop_article
    local made=$work/drop/课文-wubi.txt
    tarnvel_wine cmd /c "$(tarnvel_windows_path "$folder/practice_tool98.cmd")" "$article" \
        </dev/null 2>&1 | iconv -f GBK -t UTF-8 | tee "$work/drop.log"
    grep -q '^已生成练习文件：' "$work/drop.log" || return 1
    tool check -q --wubi=98 "$(tarnvel_windows_path "$made")" || return 1
    [ "$(characters "$made" practice)" = "$(characters "$work/drop/课文.txt" text)" ] || return 1
    tool make "$article" "$(tarnvel_windows_path "$work/made86.txt")" || return 1
    ! cmp "$made" "$work/made86.txt" && ! tool check -q "$(tarnvel_windows_path "$made")"
}

# The article dropped on each review script: a spaced file of its version,
# clean, each character four times, never twice in a row.
check_review() {
    drop_article
    local made=$work/drop/课文-wubi.txt version
    for version in 86 98; do
        rm -f "$made"
        tarnvel_wine cmd /c "$(tarnvel_windows_path "$folder/review$version.cmd")" "$article" \
            </dev/null 2>&1 | iconv -f GBK -t UTF-8 | tee "$work/review.log"
        grep -q '^已生成练习文件：' "$work/review.log" || return 1
        tool check -q --wubi=$version "$(tarnvel_windows_path "$made")" || return 1
        python3 - "$made" <<'EOF' || return 1
import collections, sys
lines = open(sys.argv[1], encoding="gbk", newline="").read().split("\r\n")[0::3][:-1]
counts = collections.Counter(lines)
assert lines and set(counts.values()) == {4}, "not each four times"
assert all(a != b for a, b in zip(lines, lines[1:])), "twice in a row"
EOF
    done
}

# Of the same entries as the article's own order.
check_shuffle() {
    drop_article
    local run
    for run in 7a 7b 8; do
        tool make --order=shuffle --number="${run%[ab]}" "$article" \
            "$(tarnvel_windows_path "$work/shuffled-$run.txt")" || return 1
    done
    tool make "$article" "$(tarnvel_windows_path "$work/in-order.txt")" || return 1
    sorted() { characters "$1" practice | grep -o . | sort | tr -d '\n'; }
    cmp "$work/shuffled-7a.txt" "$work/shuffled-7b.txt" &&
        ! cmp -s "$work/shuffled-7a.txt" "$work/shuffled-8.txt" &&
        [ -n "$(sorted "$work/in-order.txt")" ] &&
        [ "$(sorted "$work/shuffled-8.txt")" = "$(sorted "$work/in-order.txt")" ]
}

# The program needs a display; the test command gives one, a lone run makes one.
check_shell() {
    local driver=$1
    if [ -z "${DISPLAY:-}" ]; then
        tarnvel_start_display || return 1
        trap 'tarnvel_stop_display; rm -rf "$work"' EXIT
    fi
    tarnvel_wine "$driver" "$folder/tarnvel.exe" --gtest_filter='Shell.*'
}

case $check in
files | documents | licences | samples | help | drop | drop98 | review | shuffle | shell) "check_$check" "$@" ;;
*)
    echo "check.sh: no check named $check" >&2
    exit 2
    ;;
esac
