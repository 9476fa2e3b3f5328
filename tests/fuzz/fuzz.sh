#!/usr/bin/env bash
# Runs Tarnvel's fuzz targets for a while each, starting from the corpus kept in
# tests/fuzz/corpus/<target>. Inputs they find go to the build tree, never into
# the repository; an input that breaks a target is kept there as crash-*.
#
# Usage: tests/fuzz/fuzz.sh [-t SECONDS] [-b BUILD_DIR] [--no-build] [TARGET...]
#   TARGET  loader, answer_match, tool_input (default: all three)
#   -t      time per target, default 60
#   -b      the tree holding the targets (with --no-build); otherwise the
#           project's fuzz tree, built first (tools/build.sh)
# Ends with one line "N passed, M failed": a target passes when it found nothing.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$root/tools/build.sh"
seconds=60
build=$(tarnvel_tree fuzz)
do_build=1
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
        -t) seconds=$2; shift 2 ;;
        -b) build=$(realpath -m "$2"); shift 2 ;;
        --no-build) do_build=0; shift ;;
        -h|--help) sed -n '2,10p' "$0"; exit 0 ;;
        *) targets+=("$1"); shift ;;
    esac
done
[ ${#targets[@]} -eq 0 ] && targets=(loader answer_match tool_input)

if [ "$do_build" = 1 ] && ! tarnvel_build fuzz; then
    echo "fuzz: build failed"
    echo "0 passed, ${#targets[@]} failed"
    exit 1
fi

ok=0
bad=0
for target in "${targets[@]}"; do
    binary="$build/tests/fuzz/fuzz_$target"
    found="$build/fuzz-corpus/$target"
    artifacts="$build/fuzz-artifacts/$target"
    mkdir -p "$found" "$artifacts"
    log="$build/fuzz-$target.log"
    echo "== fuzz_$target for ${seconds}s"
    if [ ! -x "$binary" ]; then
        echo "   no binary at $binary"
        bad=$((bad + 1))
        continue
    fi
    # The first folder receives what the run finds; the kept corpus is only read.
    "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "$found" "$root/tests/fuzz/corpus/$target" >"$log" 2>&1
    status=$?
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$log" | sed 's/^/   /'
    grep -E '^#[0-9]+ +DONE' "$log" | tail -n 1 | sed 's/^/   /'
    if [ $status -eq 0 ]; then
        ok=$((ok + 1))
    else
        bad=$((bad + 1))
        echo "   FAILED (exit $status); log: $log"
        grep -E 'property broken|ERROR: |SUMMARY|^[0-9A-F]{2} ' "$log" | head -n 8 | sed 's/^/   /'
        ls "$artifacts" | head -n 3 | sed "s|^|   input: $artifacts/|"
    fi
done
echo "$ok passed, $bad failed"
[ "$bad" -eq 0 ]
