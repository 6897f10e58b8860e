#!/bin/sh
# The game under a virtual display with the accessibility bus, read over AT-SPI by
# screen_reader_test.py.   screen_reader_test.sh PROGRAM
# Exits 77 (skipped) where the tools are missing.
set -u
program=$1
here=$(dirname "$0")
launcher=/usr/libexec/at-spi-bus-launcher
for tool in Xvfb dbus-run-session; do
    command -v "$tool" >/dev/null 2>&1 || { echo "no $tool: skipped"; exit 77; }
done
[ -x "$launcher" ] || { echo "no $launcher: skipped"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "no pyatspi: skipped"; exit 77; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME="$scratch" XDG_CONFIG_HOME="$scratch/.config" XDG_DATA_HOME="$scratch/.local/share"
export XDG_RUNTIME_DIR="$scratch/run"; mkdir -p "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"

exec dbus-run-session -- sh -c '
    display=:$(( 90 + $$ % 800 ))
    Xvfb $display -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
    '"$launcher"' --launch-immediately >/dev/null 2>&1 & bus=$!
    sleep 1.5
    DISPLAY=$display QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        ASAN_OPTIONS=detect_leaks=0 "'"$program"'" 5 >/dev/null 2>&1 & game=$!
    DISPLAY=$display /usr/bin/python3 -u "'"$here"'/screen_reader_test.py" "$(basename "'"$program"'")"
    status=$?
    kill $game $bus $xvfb 2>/dev/null
    exit $status'
