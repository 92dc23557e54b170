#!/bin/sh
# The authors' dry run at scale: 1,000 presses (each pressed and released) on
# a board of 255 cells (15 pads of 17 buttons), on the bundled find-the-cell
# exercise. Prints each run's wall time and the median.
#
# Usage: dry_run.sh BIN_DIR [RUNS]
set -eu
bin=${1:?usage: dry_run.sh BIN_DIR [RUNS]}
runs=${2:-7}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
i=0
while [ "$i" -lt 1000 ]; do
    k=$((i % 255 + 1))
    printf 'press %d\nrelease %d\n' "$k" "$k"
    i=$((i + 1))
done >"$tmp/script"
: >"$tmp/temps"
r=0
while [ "$r" -lt "$runs" ]; do
    inici=$(date +%s%N)
    "$bin/quorvel-inspect" play "$bin/exercicis/04_troba/troba.brd" --simulate 15x17 \
        --script "$tmp/script" >/dev/null
    fi=$(date +%s%N)
    ms=$(((fi - inici) / 1000000))
    echo "run $((r + 1)): $ms ms"
    echo "$ms" >>"$tmp/temps"
    r=$((r + 1))
done
echo "median: $(sort -n "$tmp/temps" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }') ms"
