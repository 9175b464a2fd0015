#!/bin/bash
# Shows that each benchmark figure does not depend on what ran before it: every benchmark of
# the given programs runs once in the full run of its program and once alone (filtered to
# itself), and the two times are printed side by side. Exits with 1 when one differs from the
# other by more than TOLERANCE percent (default 25: the machine's own noise on a busy day).
#   scripts/bench-alone.sh BUILD_DIR [PROGRAM...]     (default: every bench_* but the GUI one)
set -euo pipefail
build=$(realpath "$1")
shift
tolerance=${TOLERANCE:-25}
programs=("$@")
if [ ${#programs[@]} -eq 0 ]; then
    for program in "$build"/bench/bench_*; do
        case "$program" in *_gui) ;; *) programs+=("$(basename "$program")") ;; esac
    done
fi

# "name,time" lines of a run, the time in milliseconds.
run_times() {
    "$@" --benchmark_format=console --benchmark_color=false 2>/dev/null | awk '
        $1 ~ /^BM_/ {
            scale = ($3 == "ns") ? 1e-6 : ($3 == "us") ? 1e-3 : ($3 == "s") ? 1e3 : 1
            print $1 "," $2 * scale
        }'
}

status=0
for program in "${programs[@]}"; do
    binary="$build/bench/$program"
    full=$(run_times "$binary")
    while IFS=, read -r name together; do
        filter=$(printf '%s' "$name" | sed 's/[.^$*+?(){}|]/\\&/g')
        alone=$(run_times "$binary" --benchmark_filter="^${filter}\$" | awk -F, 'NR == 1 { print $2 }')
        verdict=$(awk -v a="$alone" -v t="$together" -v tol="$tolerance" \
            'BEGIN { d = (a - t) / t * 100; printf "%+.0f%% %s", d, (d > tol || d < -tol) ? "DIFFERS" : "same" }')
        printf '%-62s full %10.3f ms  alone %10.3f ms  %s\n' "$program/$name" "$together" "$alone" "$verdict"
        case "$verdict" in *DIFFERS) status=1 ;; esac
    done <<<"$full"
done
exit $status
