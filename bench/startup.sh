#!/bin/sh
# Start-up of the game's window against GNOME's solitaire (`sol`, package aisleriot), under a
# virtual X display: the time from just before exec to the first mapped, visible top-level
# window of the process, and the process's maximum resident memory (/usr/bin/time -v), the
# median of several runs each (one unmeasured warm-up run each first), and both ratios.
#
#   bench/startup.sh [TAZKOVA_BINARY] [RUNS]      defaults: build/ui/tazkova, 7
#
# Needs: xvfb xdotool x11-utils time aisleriot.
set -eu

ours=${1:-build/ui/tazkova}
runs=${2:-7}
sol=${SOL:-/usr/games/sol}

for tool in Xvfb xdotool xdpyinfo /usr/bin/time "$sol" "$ours"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "startup.sh: $tool is missing" >&2
        exit 2
    fi
done

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

# The server picks a free display number itself and writes it when it is ready; it must not
# reset when its last client leaves, or the next program could not connect meanwhile.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
tries=0
until [ -s "$work/display" ] && DISPLAY=":$(cat "$work/display")" xdpyinfo >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ "$tries" -lt 200 ] || { echo "startup.sh: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 2; }
    sleep 0.05
done
export DISPLAY=":$(cat "$work/display")"

# The same conditions for both programs: no accessibility bus, no sound server, a fresh
# home so neither reads a user's settings. Each program's unmeasured first run fills its
# caches there (GNOME's solitaire compiles its game scripts on a first run), as a player's
# home has them.
export NO_AT_BRIDGE=1
export HOME="$work/home"
export XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# measure PROGRAM [SETTLE]: prints "MILLISECONDS KILOBYTES" for one start; the program is
# stopped when its window shows, or SETTLE seconds later.
measure() {
    start=$(date +%s%N)
    /usr/bin/time -v -o "$work/time.txt" "$1" >"$work/out.log" 2>&1 &
    timer=$!
    child=""
    shown=""
    deadline=$((start + 30000000000))
    while :; do
        now=$(date +%s%N)
        [ "$now" -lt "$deadline" ] || break
        [ -n "$child" ] || child=$(pgrep -P "$timer" 2>/dev/null | head -n 1 || true)
        if [ -n "$child" ] && xdotool search --onlyvisible --pid "$child" >/dev/null 2>&1; then
            shown=$(date +%s%N)
            [ -z "${2:-}" ] || sleep "$2"
            break
        fi
    done
    [ -n "$child" ] && kill "$child" 2>/dev/null || true
    wait "$timer" 2>/dev/null || true
    rss=$(sed -n 's/.*Maximum resident set size (kbytes): *//p' "$work/time.txt")
    if [ -z "$shown" ] || [ -z "$rss" ]; then
        echo "startup.sh: $1 showed no window within 30 s" >&2
        cat "$work/out.log" >&2
        kill -0 "$xvfb_pid" 2>/dev/null || { echo "startup.sh: Xvfb ended:" >&2; cat "$work/xvfb.log" >&2; }
        exit 1
    fi
    echo "$(( (shown - start) / 1000000 )) $rss"
}

median() {  # the median of the numbers on standard input
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

summary() {  # summary NAME: prints "NAME MEDIAN_MS MEDIAN_KB (EACH RUN)"
    echo "$1 $(cut -d' ' -f1 "$work/$1.txt" | median) $(cut -d' ' -f2 "$work/$1.txt" | median)" \
        "($(cut -d' ' -f1 "$work/$1.txt" | tr '\n' ' ')ms)"
}

measure "$ours" 3 >/dev/null
measure "$sol" 3 >/dev/null
: >"$work/tazkova.txt"
: >"$work/sol.txt"
# The runs alternate, so that a busy moment of the machine falls on both programs alike.
i=0
while [ "$i" -lt "$runs" ]; do
    measure "$ours" >>"$work/tazkova.txt"
    measure "$sol" >>"$work/sol.txt"
    i=$((i + 1))
done
{ summary tazkova; summary sol; } | awk -v runs="$runs" '
    { name[NR] = $1; ms[NR] = $2; kb[NR] = $3; all[NR] = $0 }
    END {
        printf "start-up to the first visible window, median of %d runs (Xvfb, /usr/bin/time -v)\n", runs
        for (i = 1; i <= NR; i++) {
            printf "  %-8s %6.0f ms  %8.0f kB max RSS   %s\n", name[i], ms[i], kb[i], substr(all[i], index(all[i], "("))
        }
        printf "time ratio   (tazkova/sol): %.2f\n", ms[1] / ms[2]
        printf "memory ratio (tazkova/sol): %.2f\n", kb[1] / kb[2]
    }'
