#!/bin/sh
# The game under a virtual display with the accessibility bus, read over AT-SPI by
# screen_reader_test.py.   screen_reader_test.sh PROGRAM
# Exits 77 (skipped) where the tools are missing, or where the machine cannot give a
# virtual display or an accessibility bus within half a minute: then nothing of the game was
# tried. Each step waits for the one before it to be ready rather than for a fixed time,
# so a slow or busy machine only makes the test slower.
set -u
program=$1
here=$(dirname "$0")
launcher=/usr/libexec/at-spi-bus-launcher
for tool in Xvfb dbus-run-session dbus-send; do
    command -v "$tool" >/dev/null 2>&1 || { echo "no $tool: skipped"; exit 77; }
done
[ -x "$launcher" ] || { echo "no $launcher: skipped"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "no pyatspi: skipped"; exit 77; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME="$scratch" XDG_CONFIG_HOME="$scratch/.config" XDG_DATA_HOME="$scratch/.local/share"
export XDG_RUNTIME_DIR="$scratch/run"; mkdir -p "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"
export SCRATCH="$scratch" PROGRAM="$program" HERE="$here" LAUNCHER="$launcher"

exec dbus-run-session -- sh -c '
    # wait_for SECONDS WHAT COMMAND...: runs COMMAND every 0.1 s until it succeeds.
    wait_for() {
        tries=$(( $1 * 10 )); what=$2; shift 2
        until "$@" >/dev/null 2>&1; do
            tries=$(( tries - 1 ))
            [ $tries -gt 0 ] || { echo "$what was not ready in time: skipped"; return 1; }
            sleep 0.1
        done
    }
    # Xvfb picks a free display itself and writes its number once it takes connections.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$SCRATCH/display" \
        >"$SCRATCH/xvfb.log" 2>&1 & xvfb=$!
    "$LAUNCHER" --launch-immediately >/dev/null 2>&1 & bus=$!
    status=77
    if wait_for 30 "the virtual display" test -s "$SCRATCH/display" &&
       wait_for 30 "the accessibility bus" dbus-send --session --print-reply \
           --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress; then
        display=:$(head -n 1 "$SCRATCH/display")
        DISPLAY=$display QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
            ASAN_OPTIONS=detect_leaks=0 "$PROGRAM" 5 >"$SCRATCH/game.log" 2>&1 & game=$!
        DISPLAY=$display /usr/bin/python3 -u "$HERE/screen_reader_test.py" \
            "$(basename "$PROGRAM")" $game
        status=$?
        kill $game 2>/dev/null || echo "the game had ended by itself"
    fi
    if [ $status -ne 0 ]; then  # what went wrong, for the log
        for log in xvfb game; do
            echo "--- what the $log printed:"; tail -n 20 "$SCRATCH/$log.log" 2>/dev/null
        done
    fi
    kill $bus $xvfb 2>/dev/null
    exit $status'
