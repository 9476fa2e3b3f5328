# A build tree's CTest run and its count, as functions, for every script that
# runs a tree's tests (tools/test.sh, tests/vm32/run.sh, also inside the
# emulated machine). Sourcing this file only defines them.
#
#   tarnvel_ctest TREE [ARG...]     runs TREE's tests with CTest and the
#                                   arguments given, CTest's report in
#                                   TREE/junit.xml (GoogleTest's in TREE/gtest)
#   tarnvel_count TREE [REASON]     prints what tools/count_tests.py counts in
#                                   those reports and ends with "N passed, M
#                                   failed"; true when nothing failed
#   tarnvel_forget_reports TREE     removes the reports of an earlier run
#
# One rule for every run: a run that left no report (REASON says why), or
# whose report counts no test at all, is one failure.

tarnvel_forget_reports() {
    rm -rf "$1/gtest" "$1/junit.xml"
}

tarnvel_ctest() {
    local tree=$1
    shift
    tarnvel_forget_reports "$tree"
    (cd "$tree" && ctest --output-junit "$tree/junit.xml" --output-on-failure "$@")
}

tarnvel_count() {
    local tree=$1 reason=${2:-CTest wrote no report} tools counted figures="0 passed, 1 failed"
    tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd) || return 1
    if [ ! -f "$tree/junit.xml" ]; then
        echo "   $reason"
    else
        counted=$(python3 "$tools/count_tests.py" "$tree/junit.xml" "$tree/gtest")
        figures=$(tail -n 1 <<<"$counted")
        head -n -1 <<<"$counted"
        if [[ ! "$figures" =~ ^[0-9]+\ passed,\ [0-9]+\ failed$ ]]; then
            echo "   the report could not be counted"
            figures="0 passed, 1 failed"
        elif [ "$figures" = "0 passed, 0 failed" ]; then
            echo "   the run counted no test (a tree configured with -DTARNVEL_TESTS=OFF?)"
            figures="0 passed, 1 failed"
        fi
    fi
    echo "$figures"
    [[ "$figures" == *" 0 failed" ]]
}
