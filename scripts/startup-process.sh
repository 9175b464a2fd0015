#!/bin/bash
# The real process as a user starts it: the time from exec to the mapped main window of
# morvanx (no logo, the full postal table configured), against a minimal Qt Widgets program
# that shows an empty window, both under the same virtual X server. Prints the
# median of RUNS starts of each and their ratio.
#   scripts/startup-process.sh BUILD_DIR [RUNS]
# Needs a build with -DMORVANX_BENCH=ON, Xvfb and xdotool.
set -euo pipefail
build=$(realpath "$1")
runs=${2:-15}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xsession.sh"
start_session

printf '[Config]\nOptLogo=0\n' >"$work/settings.ini"

# Milliseconds from the start of the command to the moment its window named $1 is mapped.
time_start() {
    local title=$1
    shift
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    app=$!
    # xdotool's own --sync looks twice a second; this looks every few milliseconds.
    until xdotool search --onlyvisible --name "^$title" >/dev/null 2>&1; do
        sleep 0.002
    done
    end=$(date +%s%N)
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=
    echo $(((end - start) / 1000000))
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

bare=()
full=()
for _ in $(seq "$runs"); do
    # Taken in turns, so that a change in the machine's load falls on both.
    bare+=("$(time_start "Minimal Qt window" "$build/bench/minimal_window")")
    full+=("$(MORVANX_SETTINGS="$work/settings.ini" XDG_CACHE_HOME="$work/cache" \
        time_start "Morvane for Windows" "$build/morvanx")")
done
bare_median=$(printf '%s\n' "${bare[@]}" | median)
full_median=$(printf '%s\n' "${full[@]}" | median)
echo "minimal Qt window: median ${bare_median} ms of ${runs} (${bare[*]})"
echo "morvanx:           median ${full_median} ms of ${runs} (${full[*]})"
awk -v a="$full_median" -v b="$bare_median" 'BEGIN { printf "ratio: %.2f\n", a / b }'
