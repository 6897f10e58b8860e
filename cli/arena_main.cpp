// tazkova-arena: the computer's levels against each other, the human's seat played by the
// computer's choice routine through the human's clicks.
#include <csignal>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arena.h"
#include "cli/output.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    std::string error;
    const auto settings = tazkova::cli::ParseArenaArguments(args, error);
    if (!settings) {
        std::cerr << "tazkova-arena: " << error
                  << "; usage: tazkova-arena (--games N | --hands N) --seed S [--levels LIST] "
                     "[--type T] [--dinari 0|1] [--reverse 0|1] [--json]\n";
        return 2;
    }
    // A reader that went away is a failed write to report, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
    std::string out;
    try {
        // The expert's time a move is reported when it plays (the other pairs time nothing).
        std::vector<double> thinkMs;
        if (settings->hands > 0) {
            const auto hands = tazkova::cli::RunArenaHands(*settings, 0, &thinkMs);
            if (settings->json)
                out += tazkova::cli::ArenaHandsJson(*settings, hands) + '\n';
            else
                out += tazkova::cli::ArenaHandsText(*settings, hands);
        } else {
            const auto pairs = tazkova::cli::RunArena(*settings, 0, &thinkMs);
            if (settings->json)
                out += tazkova::cli::ArenaJson(*settings, pairs) + '\n';
            else
                out += tazkova::cli::ArenaTable(*settings, pairs);
        }
        if (!thinkMs.empty() && !settings->json) out += tazkova::cli::ThinkTimeText(thinkMs);
    } catch (const std::exception& fault) {
        std::cerr << "tazkova-arena: " << fault.what() << '\n';
        return 1;
    }
    if (const int failure = tazkova::cli::WriteOut(out))
        return tazkova::cli::Fail("tazkova-arena", "cannot write the output", failure);
    return 0;
}
