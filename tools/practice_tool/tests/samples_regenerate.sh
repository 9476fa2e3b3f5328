#!/usr/bin/env bash
# Makes the samples afresh into an empty folder and compares them byte for byte
# with the committed ones. Usage: samples_regenerate.sh PYTHON TOOL SOURCE_DIR
set -u
python=$1 tool=$2 source=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ok=0 bad=0
if ! "$python" "$source/tools/make_samples.py" --tool "$tool" --out "$work" >/dev/null; then
    echo "make_samples.py failed"
    echo "tally 0 ok 1 bad"
    exit 1
fi
for made in "$work"/*.txt; do
    name=$(basename "$made")
    if cmp -s "$made" "$source/samples/$name"; then
        ok=$((ok + 1))
    else
        echo "samples/$name differs from what make_samples.py makes"
        bad=$((bad + 1))
    fi
done
for committed in "$source"/samples/*.txt; do
    if [ ! -f "$work/$(basename "$committed")" ]; then
        echo "samples/$(basename "$committed") is not made by make_samples.py"
        bad=$((bad + 1))
    fi
done
echo "tally $ok ok $bad bad"
[ "$bad" -eq 0 ]
