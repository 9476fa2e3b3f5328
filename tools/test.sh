#!/usr/bin/env bash
# Sets up, builds and runs every test suite of Tarnvel: the core natively, under
# sanitizers and under Wine in three code pages; the Windows program end to end
# under Wine and Xvfb; the fuzzers for a short while; the release zips. Ends
# with one line "N passed, M failed" summed over all suites.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
log_dir="$root/build/test-logs"

"$root/tools/setup.sh" || { echo "setup failed"; echo "0 passed, 1 failed"; exit 1; }
mkdir -p "$log_dir"

jobs=$(nproc)
passed=0
failed=0

# Adds one suite's figures to the totals.
count() {
    echo "== $1: $2 ok, $3 failing"
    passed=$((passed + $2))
    failed=$((failed + $3))
}

# Configures and builds one tree; a failed build counts as a failure.
build_tree() {
    local name=$1
    shift
    echo "== building $name"
    if ! cmake -S "$root" -B "build/$name" "$@" >"$log_dir/$name-configure.log" 2>&1 ||
        ! cmake --build "build/$name" -j"$jobs" >"$log_dir/$name-build.log" 2>&1; then
        tail -n 30 "$log_dir/$name-configure.log" "$log_dir/$name-build.log" 2>/dev/null
        count "$name build" 0 1
        return 1
    fi
}

# Runs a tree's CTest suites. Each test prints "tally N ok M bad"; a test that
# fails without saying how many cases failed counts as one failure.
run_tree() {
    local name=$1
    shift
    local log="$log_dir/$name-ctest.log"
    echo "== testing $name"
    (cd "build/$name" && ctest -V "$@") >"$log" 2>&1
    local figures
    figures=$(awk '
        / tally [0-9]+ ok [0-9]+ bad/ && $1 ~ /^[0-9]+:$/ {
            n = $1; sub(/:/, "", n)
            for (i = 2; i <= NF; i++) if ($i == "tally") { ok[n] += $(i + 1); bad[n] += $(i + 3) }
            seen[n] = 1
        }
        /Test +#[0-9]+: / && /(Passed|Failed|Exception|Timeout|Not Run)/ {
            for (i = 1; i <= NF; i++) if ($i ~ /^#[0-9]+:$/) { n = $i; gsub(/[#:]/, "", n); name[n] = $(i + 1) }
            result[n] = ($0 ~ /Passed/) ? "pass" : "fail"
        }
        END {
            p = 0; f = 0
            for (n in result) {
                if (seen[n]) { p += ok[n]; f += bad[n]; if (result[n] == "fail" && bad[n] == 0) f += 1 }
                else if (result[n] == "pass") p += 1
                else f += 1
            }
            print p, f
        }' "$log")
    if grep -q -E '\*\*\*Failed|Exception|Timeout|Not Run' "$log"; then
        grep -E 'Test +#[0-9]+: .*(Failed|Exception|Timeout|Not Run)' "$log" | sed 's/^/   /'
        echo "   (log: $log)"
    fi
    count "$name" ${figures:-0 1}
}

# The core never depends on the front end: no <windows.h> outside its
# *_win32.cpp service files, no header of app/.
if { grep -l -E '#include *<windows\.h>' core/* | grep -v -E '_win32\.cpp$'
     grep -l -E '#include *"app/' core/*; } >"$log_dir/core-windows.log"; then
    echo "== the core includes <windows.h>:"; cat "$log_dir/core-windows.log"
    count "core is portable" 0 1
else
    count "core is portable" 1 0
fi

if build_tree native -DCMAKE_BUILD_TYPE=RelWithDebInfo; then run_tree native; fi
if build_tree asan -DCMAKE_BUILD_TYPE=Debug -DTARNVEL_SANITIZE=ON; then run_tree asan; fi
if build_tree fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTARNVEL_FUZZ=ON -DTARNVEL_TESTS=OFF; then
    run_tree fuzz
fi
# 32-bit Windows programs run only where the kernel runs 32-bit code; elsewhere
# the 32-bit program and its zip are built but not run.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then run_win32=ON; else run_win32=OFF; fi
build_tree win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DTARNVEL_TESTS=$run_win32 &&
    cmake --build build/win32 --target release >"$log_dir/win32-release.log" 2>&1 &&
    count "win32 release" 1 0 || count "win32 release" 0 1
[ "$run_win32" = ON ] || echo "== win32: built only; this kernel cannot run 32-bit programs"

if build_tree win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake; then
    # Windows programs share one Wine prefix and one X display: one at a time.
    # Xvfb picks a free display and writes its number to descriptor 3.
    rm -f "$log_dir/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$log_dir/display" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 50); do [ -s "$log_dir/display" ] && break; sleep 0.2; done
    export DISPLAY=:$(head -n 1 "$log_dir/display")
    (source tools/wine-env.sh) # makes the prefix before the first timed test
    run_tree win64 -j1 --timeout 600
    if [ "$run_win32" = ON ] && [ -d build/win32/tests ]; then
        run_tree win32 -j1 --timeout 600
    fi
    kill "$xvfb" 2>/dev/null
fi

echo "Total: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
