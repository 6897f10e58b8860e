#!/bin/sh
# Set-up, build, play and test Tazkova on Debian 12.
#   ./dev.sh play   install what is missing, build, start the game
#   ./dev.sh test   install what is missing, build, run every test (normal and sanitizer builds)
#   ./dev.sh bench  the engine benchmarks and the window's start-up against GNOME's solitaire
set -eu
cd "$(dirname "$0")"

PACKAGES="build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
nlohmann-json3-dev qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
clang libclang-rt-14-dev clang-format fonts-noto-core desktop-file-utils appstream"

# Only for ./dev.sh bench: a virtual display, window tools, /usr/bin/time and GNOME's
# solitaire for the start-up comparison.
BENCH_PACKAGES="xvfb xdotool x11-utils time aisleriot"

setup() {
    missing=""
    for p in $PACKAGES; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q $missing
}

build() {  # build DIR [cmake options...]
    dir=$1; shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j2
}

case "${1:-}" in
    play)
        setup
        build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
        if [ -x build/ui/tazkova ]; then exec build/ui/tazkova; else exec build/cli/tazkova-cli; fi
        ;;
    test)
        setup
        export QT_QPA_PLATFORM=offscreen
        build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
        ctest --test-dir build -j2 --output-on-failure
        build build-asan -DCMAKE_BUILD_TYPE=Debug -DTAZKOVA_SANITIZE=ON
        ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
            ctest --test-dir build-asan -j2 --output-on-failure
        ;;
    bench)  # ./dev.sh bench: engine benchmarks, then start-up time and memory against sol
        PACKAGES="$PACKAGES $BENCH_PACKAGES"
        setup
        build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAZKOVA_BUILD_BENCH=ON
        build/bench/tazkova_bench
        sh bench/startup.sh build/ui/tazkova
        ;;
    *)
        echo "usage: $0 play|test|bench" >&2
        exit 2
        ;;
esac
