// tazkova-cli: plays the game from commands on standard input, one JSON line per command.
#include <unistd.h>

#include <csignal>
#include <optional>
#include <string>
#include <string_view>

#include "cli/driver.h"
#include "cli/line_reader.h"
#include "cli/output.h"

namespace {

constexpr std::string_view kUsage =
    "usage: tazkova-cli [N] < commands\n"
    "Plays Tazkova without a window: one command a line on standard input (new, click I,\n"
    "drag S T, options KEY=VALUE..., result, delay N, sound, state, hint [expert], undo,\n"
    "save FILE, load FILE, review [current], arabic on|off), one JSON line on standard output\n"
    "for each; after `arabic on` each line\n"
    "also tells what happened in Arabic. A positive N advances the random generator N draws,\n"
    "a negative one leaves it alone; none, 0 or anything else seeds it from the clock.\n";

using tazkova::cli::WriteOut;

int Fail(std::string_view what, int error) {
    return tazkova::cli::Fail("tazkova-cli", what, error);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        const int error = WriteOut(kUsage);
        return error == 0 ? 0 : Fail("cannot write the usage", error);
    }
    // A reader that went away is a failed write to report, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);

    const std::optional<std::string_view> first =
        argc > 1 ? std::optional<std::string_view>(argv[1]) : std::nullopt;
    tazkova::cli::Driver driver;
    std::string out = driver.Start(tazkova::game::ParseSeedParameter(first),
                                   tazkova::game::MillisecondsSinceMidnight());
    // Room for a carriage return after the longest line the driver takes.
    tazkova::cli::LineReader reader(STDIN_FILENO, tazkova::cli::kMaxLineBytes + 1);
    std::string line;
    for (;;) {
        // Every line is written as soon as it is made, so that a reader sees each answer
        // before it sends the next command; a line that cannot be written ends the run.
        out.push_back('\n');
        if (const int error = WriteOut(out)) return Fail("cannot write the output", error);
        std::optional<std::string> next;
        while (!next && reader.Next(line)) next = driver.Execute(line);
        if (!next) break;
        out = std::move(*next);
    }
    if (reader.ReadError() != 0) return Fail("cannot read the commands", reader.ReadError());
    return 0;
}
