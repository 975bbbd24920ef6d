#!/usr/bin/env bash
# Whole-process timings of hydrolofter-batch: the default launch analysis at several
# precisions and the default optimisations. Usage: bench/batch_timing.sh [path/to/hydrolofter-batch]
set -euo pipefail
batch="${1:-build/release/src/hydrolofter-batch}"

seconds() { # seconds ARGS...: wall time of one run, output discarded
    local start end
    start=$(date +%s.%N)
    "$batch" "$@" >/dev/null
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f", b - a }' 
}

best_of() { # best_of N ARGS...: the fastest of N runs
    local n="$1" best="" s
    shift
    for _ in $(seq "$n"); do
        s=$(seconds "$@")
        if [ -z "$best" ] || awk -v s="$s" -v b="$best" 'BEGIN { exit !(s < b) }'; then best="$s"; fi
    done
    echo "$best"
}

printf "%-44s %10s %14s\n" "run" "wall (s)" "steps/s"
for p in 5 6 7 8; do
    aloft=$("$batch" --summary precision="$p" | sed -n 's/^Time Aloft: \([0-9.e+-]*\) sec$/\1/p')
    runs=3
    [ "$p" -ge 8 ] && runs=1
    w=$(best_of "$runs" precision="$p")
    # steps = time aloft ÷ time step
    rate=$(awk -v t="$aloft" -v p="$p" -v w="$w" 'BEGIN { printf "%.3e", t * 10 ^ p / w }')
    printf "%-44s %10.3f %14s\n" "launch analysis, precision $p" "$w" "$rate"
done
for p in 3 4; do
    w=$(best_of 3 mode=1 precision="$p")
    printf "%-44s %10.3f %14s\n" "one-variable optimisation, precision $p" "$w" "-"
    w=$(best_of 3 mode=2 precision="$p")
    printf "%-44s %10.3f %14s\n" "two-variable optimisation, precision $p" "$w" "-"
done
# The graph and the summary of one launch analysis come from one flight: --summary --png costs
# what --png does.
png=$(mktemp --suffix .png)
trap 'rm -f "$png"' EXIT
alone=$(best_of 3 precision=6 --png "$png")
both=$(best_of 3 precision=6 --summary --png "$png")
printf "%-44s %10.3f %14s\n" "launch graph as a PNG, precision 6" "$alone" "-"
printf "%-44s %10.3f %14s\n" "the same with its summary" "$both" \
    "$(awk -v a="$alone" -v b="$both" 'BEGIN { printf "x%.2f", b / a }')"
