#!/bin/sh
# Set-up, build, play and test Tazkova on Debian 12.
#   ./dev.sh play   install what is missing, build, start the game
#   ./dev.sh test   install what is missing, build, run every test (normal and sanitizer builds,
#                   with a minute of fuzzing the driver and the settings readers)
#   ./dev.sh fuzz [SECONDS]   fuzz them longer;  ./dev.sh soak [GAMES]   the long soak
#   ./dev.sh window-soak [STEPS]   the window under random play, long (sanitizer build)
#   ./dev.sh bench  the engine benchmarks and the window's start-up against GNOME's solitaire
set -eu
cd "$(dirname "$0")"

PACKAGES="build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
nlohmann-json3-dev qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins zlib1g-dev
clang libclang-rt-14-dev clang-format fonts-noto-core desktop-file-utils appstream
xvfb dbus at-spi2-core python3-pyatspi kdegames-card-data-kf5"

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

fuzz() {  # fuzz SECONDS: the driver and the settings readers (clang, sanitizers) from their
          # seed corpora, two thirds of the time for the driver and a third for the readers
    build build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAZKOVA_WERROR=ON \
        -DTAZKOVA_SANITIZE=ON -DTAZKOVA_FUZZ=ON -DTAZKOVA_BUILD_UI=OFF -DBUILD_TESTING=OFF \
        -DTAZKOVA_BUILD_BENCH=OFF
    driver=$(( $1 * 2 / 3 ))
    fuzz_one driver "$driver" tests/fuzz/driver.dict tests/fuzz/corpus &&
        fuzz_one settings "$(( $1 - driver ))" tests/fuzz/settings.dict tests/fuzz/settings-corpus \
            -max_len=65536
}

fuzz_one() {  # fuzz_one NAME SECONDS DICT SEEDS [OPTIONS...]: build-fuzz/tests/fuzz/tazkova_NAME_fuzzer
    name=$1 seconds=$2 dict=$3 seeds=$4; shift 4
    mkdir -p "build-fuzz/corpus-$name" build-fuzz/findings
    echo "Fuzzing the $name for $seconds s (log: build-fuzz/fuzz-$name.log)"
    if "build-fuzz/tests/fuzz/tazkova_${name}_fuzzer" -max_total_time="$seconds" -timeout=10 \
        -dict="$dict" -artifact_prefix=build-fuzz/findings/ -print_final_stats=1 "$@" \
        "build-fuzz/corpus-$name" "$seeds" >"build-fuzz/fuzz-$name.log" 2>&1; then
        grep -E '^(Done|stat::(number_of_executed_units|new_units_added|average_exec))' \
            "build-fuzz/fuzz-$name.log"
    else
        tail -n 60 "build-fuzz/fuzz-$name.log"
        echo "The $name fuzzer found a fault: the input is in build-fuzz/findings/" >&2
        return 1
    fi
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
        if git rev-parse --git-dir >/dev/null 2>&1; then  # the sources keep .clang-format's style
            git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
        fi
        # CI builds treat every warning as an error.
        build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAZKOVA_WERROR=ON
        ctest --test-dir build -j2 --output-on-failure
        fuzz 60
        build build-asan -DCMAKE_BUILD_TYPE=Debug -DTAZKOVA_SANITIZE=ON -DTAZKOVA_WERROR=ON
        ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
            ctest --test-dir build-asan -j2 --output-on-failure
        ;;
    fuzz)  # ./dev.sh fuzz [SECONDS]: a longer fuzzing run (default an hour, shared as above)
        setup
        fuzz "${2:-3600}"
        ;;
    soak)  # ./dev.sh soak [GAMES]: the long soak (default a million games) on both cores
        setup
        build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
        build/tests/soak/tazkova-soak --games "${2:-1000000}" --jobs 2
        ;;
    window-soak)  # ./dev.sh window-soak [STEPS]: the window under random play, with the sanitizers
        setup
        build build-asan -DCMAKE_BUILD_TYPE=Debug -DTAZKOVA_SANITIZE=ON
        QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
            build-asan/tests/ui/tazkova-window-soak --steps "${2:-1000000}"
        ;;
    bench)  # ./dev.sh bench: engine benchmarks, then start-up time and memory against sol
        PACKAGES="$PACKAGES $BENCH_PACKAGES"
        setup
        build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAZKOVA_BUILD_BENCH=ON
        build/bench/tazkova_bench
        sh bench/startup.sh build/ui/tazkova
        ;;
    *)
        echo "usage: $0 play|test|fuzz [SECONDS]|soak [GAMES]|window-soak [STEPS]|bench" >&2
        exit 2
        ;;
esac
