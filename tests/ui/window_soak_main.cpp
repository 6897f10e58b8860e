// tazkova-window-soak: the window under random play for as long as asked, on the offscreen
// platform, in a home folder of its own.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <charconv>
#include <cstdio>
#include <string_view>

#include "tests/ui/window_soak.h"

namespace {

bool Number(const char* text, long& value) {
    const std::string_view s(text);
    return std::from_chars(s.data(), s.data() + s.size(), value).ptr == s.data() + s.size() &&
           value >= 0;
}

}  // namespace

int main(int argc, char** argv) {
    long steps = 100000;
    long seed = 20261209;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view option(argv[i]);
        if (!((option == "--steps" && Number(argv[i + 1], steps)) ||
              (option == "--seed" && Number(argv[i + 1], seed)))) {
            std::fprintf(stderr, "usage: tazkova-window-soak [--steps N] [--seed S]\n");
            return 2;
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir home;
    if (!home.isValid()) return 1;
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");
    QApplication app(argc, argv);
    QElapsedTimer clock;
    clock.start();
    const tazkova::testing::WindowSoakReport report =
        tazkova::testing::RunWindowSoak(static_cast<std::uint64_t>(seed), steps);
    std::printf(
        "%ld steps (seed %ld) in %.1f s: %ld inside a play, %ld in a dialog or the menu; "
        "%ld checks of the table; %ld windows, %ld hands, %ld games played out\n",
        report.steps, seed, clock.elapsed() / 1000.0, report.nestedSteps, report.modalSteps,
        report.checks, report.windows, report.hands, report.gamesWon);
    if (report.fault.empty()) return 0;
    std::printf("FAULT: %s\nlast steps:\n", report.fault.c_str());
    for (const std::string& step : report.lastSteps) std::printf("  %s\n", step.c_str());
    return 1;
}
