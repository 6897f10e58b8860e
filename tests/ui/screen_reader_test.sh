#!/bin/sh
# The game under a virtual display with the accessibility bus, read over AT-SPI by
# screen_reader_test.py.   screen_reader_test.sh PROGRAM
# Exits 77 (skipped) where the tools are missing, or where the machine gives no virtual
# display of our own in five tries or no accessibility bus within half a minute: then
# nothing of the game was tried. Each step waits for the one before it to be ready rather
# than for a fixed time, so a slow or busy machine only makes the test slower.
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
# PROBE DISPLAY WIDTH exits 0 when DISPLAY takes a connection and its first screen is WIDTH
# wide, 2 when it is another width, 1 when it takes none (yet).
PROBE='
import ctypes, sys
try:
    x = ctypes.CDLL("libX11.so.6")
except OSError:
    sys.exit(1)
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XDisplayWidth.argtypes = [ctypes.c_void_p, ctypes.c_int]
x.XCloseDisplay.argtypes = [ctypes.c_void_p]
display = x.XOpenDisplay(sys.argv[1].encode())
if not display:
    sys.exit(1)
width = x.XDisplayWidth(display, 0)
x.XCloseDisplay(display)
sys.exit(0 if width == int(sys.argv[2]) else 2)'
export SCRATCH="$scratch" PROGRAM="$program" HERE="$here" LAUNCHER="$launcher" PROBE

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
    # A display of our own: Xvfb on a random display number with a screen width of its own,
    # used only once a client that finds the display as the game will (the abstract socket
    # first, then the file) reaches a server of that width. A server of another width there
    # belongs to someone else on this machine, and then the next number is tried.
    own_display() {
        for attempt in 1 2 3 4 5; do
            number=$(( 200 + $(od -An -N2 -tu2 /dev/urandom) % 30000 ))
            width=$(( 1024 + number % 97 ))
            Xvfb :$number -screen 0 ${width}x768x24 -nolisten tcp >"$SCRATCH/xvfb.log" 2>&1 &
            xvfb=$!
            tries=100
            while kill -0 $xvfb 2>/dev/null && [ $tries -gt 0 ]; do
                timeout 10 /usr/bin/python3 -c "$PROBE" :$number $width 2>"$SCRATCH/probe.log"
                case $? in
                    0) display=:$number; return 0 ;;
                    2) echo "display :$number answers with another screen: not ours"; break ;;
                    124) echo "display :$number took a connection and never answered"; break ;;
                esac
                tries=$(( tries - 1 )); sleep 0.1
            done
            echo "display :$number was not ours to use; the xvfb and a client printed:"
            tail -n 5 "$SCRATCH/xvfb.log" "$SCRATCH/probe.log"
            kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null
        done
        echo "the virtual display was not ready in time: skipped"; return 1
    }
    "$LAUNCHER" --launch-immediately >/dev/null 2>&1 & bus=$!
    status=77
    xvfb=
    for round in 1 2; do
        own_display && wait_for 30 "the accessibility bus" dbus-send --session --print-reply \
            --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress || break
        DISPLAY=$display QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
            ASAN_OPTIONS=detect_leaks=0 "$PROGRAM" 5 >"$SCRATCH/game.log" 2>&1 & game=$!
        DISPLAY=$display /usr/bin/python3 -u "$HERE/screen_reader_test.py" \
            "$(basename "$PROGRAM")" $game
        status=$?
        kill $game 2>/dev/null || echo "the game had ended by itself"
        # A display that a client has just reached refusing the game is the machine at
        # fault, not the game: once more, on another display.
        [ $status -ne 0 ] && [ $round -eq 1 ] &&
            grep -q "could not connect to display" "$SCRATCH/game.log" || break
        echo "the game could not connect to $display: once more on another display"
        kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null
    done
    if [ $status -ne 0 ]; then  # what went wrong, for the log
        for log in xvfb game; do
            echo "--- what the $log printed:"; tail -n 20 "$SCRATCH/$log.log" 2>/dev/null
        done
    fi
    kill $bus $xvfb 2>/dev/null
    exit $status'
