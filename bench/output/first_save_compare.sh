#!/usr/bin/env bash
# Sets the first save of a large drawing with redlines of several builds side by side: runs each
# build's output_bench in fresh processes, the builds taking turns, and prints the median of the
# "Save with 1100 redlines" row (a process's first save) and of the "Save again" row, where the
# build has one.
#
# Usage: first_save_compare.sh RUNS OUTPUT_BENCH...   (for example 5 old/bench/output_bench build/bench/output_bench)
set -euo pipefail
runs=$1
shift
declare -A first again
for ((run = 1; run <= runs; run++)); do
    for bench in "$@"; do
        out=$("$bench")
        first[$bench]+="$(sed -n 's/^Save with 1100 redlines: \([0-9.]*\) s.*/\1/p' <<<"$out") "
        again[$bench]+="$(sed -n 's/^Save again: \([0-9.]*\) s.*/\1/p' <<<"$out") "
    done
done
median() { tr ' ' '\n' | sed '/^$/d' | sort -g | awk '{v[NR] = $1} END {print NR ? v[int((NR + 1) / 2)] : "-"}'; }
printf '%-60s %12s %12s\n' "output_bench (median of $runs fresh processes)" "first save" "save again"
for bench in "$@"; do
    printf '%-60s %10s s %10s s\n' "$bench" "$(median <<<"${first[$bench]}")" "$(median <<<"${again[$bench]}")"
done
