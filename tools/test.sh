#!/usr/bin/env bash
# Sets up, builds and runs every test suite of Tarnvel: the core natively, under
# sanitizers and under Wine in three code pages; the Windows program end to end
# under Wine and Xvfb; the fuzzers for a short while; the release zips. Every
# tree's tests run and are counted by tools/ctest.sh, from CTest's and
# GoogleTest's own reports; a failed build or check, or a run that counts no
# test, counts as one failure. Ends with "Total: N passed, M failed".
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
source "$root/tools/wine.sh"
source "$root/tools/build.sh"
source "$root/tools/ctest.sh"
logs=$root/build/test-logs
mkdir -p "$logs"

"$root/tools/setup.sh" || { echo "setup failed"; echo "Total: 0 passed, 1 failed"; exit 1; }

passed=0
failed=0

# One check of the test command itself.
check() {
    local what=$1
    shift
    if "$@" >"$logs/check.log" 2>&1; then
        echo "== $what: ok"
        passed=$((passed + 1))
    else
        echo "== $what: FAILED"
        sed 's/^/   /' "$logs/check.log" | head -n 20
        failed=$((failed + 1))
    fi
}

# Builds one configuration's tree; a failed build counts as one failure.
build_tree() {
    local name=$1
    echo "== building $name"
    local start=$SECONDS
    if ! tarnvel_build "$name" 2>&1 | sed 's/^/   /'; then
        echo "== $name: the build FAILED"
        failed=$((failed + 1))
        return 1
    fi
    echo "   built in $((SECONDS - start)) s"
}

# Runs a tree's CTest suites and adds what their reports count.
run_tree() {
    local name=$1
    shift
    local tree
    tree=$(tarnvel_tree "$name")
    echo "== testing $name"
    local start=$SECONDS counted
    tarnvel_ctest "$tree" "$@" >"$logs/$name-ctest.log" 2>&1
    counted=$(tarnvel_count "$tree" "ctest wrote no report (log: $logs/$name-ctest.log)")
    head -n -1 <<<"$counted"
    add_figures "$name" "$(tail -n 1 <<<"$counted")" "$start" "$logs/$name-ctest.log"
}

# Adds a suite's "N passed, M failed" (tarnvel_count's last line; anything
# else, from a runner that died first, counts as one failure) and says how
# long it took since START and where its LOG is.
add_figures() {
    local name=$1 figures=$2 start=$3 log=$4
    [[ "$figures" =~ ^[0-9]+\ passed,\ [0-9]+\ failed$ ]] || figures="0 passed, 1 failed"
    echo "== $name: $figures ($((SECONDS - start)) s)"
    set -- $figures
    passed=$((passed + $1))
    failed=$((failed + $3))
    [ "$3" -eq 0 ] || echo "   (log: $log)"
}

# Every C++ source follows .clang-format.
check "formatting" bash -c 'git ls-files -z "*.cpp" "*.h" | xargs -0 clang-format --dry-run -Werror'
# The core never depends on the front end: no <windows.h> outside its
# *_win32.cpp service files, no header of app/.
check "the core is portable" bash -c '
    ! { grep -l -E "#include *<windows\.h>" core/* | grep -v -E "_win32\.cpp$"
        grep -l -E "#include *\"app/" core/*; }'

build_tree native && run_tree native
build_tree asan && run_tree asan
build_tree fuzz && run_tree fuzz

if build_tree win64; then
    # Windows programs share one Wine prefix and one display: one at a time.
    tarnvel_make_prefix && tarnvel_start_display
    trap tarnvel_stop_display EXIT
    run_tree win64 -j1 --timeout 600
fi

# The 32-bit program, its zip and its tests; they run where 32-bit programs
# can, on this machine or in an emulated one (tests/vm32/run.sh).
if build_tree win32; then
    echo "== testing win32"
    start=$SECONDS
    bash "$root/tests/vm32/run.sh" "$(tarnvel_tree win32)" >"$logs/win32-vm32.log" 2>&1
    grep "^   " "$logs/win32-vm32.log"
    add_figures win32 "$(tail -n 1 "$logs/win32-vm32.log")" "$start" "$logs/win32-vm32.log"
fi

echo "== took $((SECONDS / 60)) min $((SECONDS % 60)) s"
echo "Total: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
