#include "tests/soak/soak.h"

#include <array>
#include <random>
#include <string_view>

#include "cli/driver.h"
#include "tests/soak/table_checks.h"

namespace tazkova::soak {

using namespace tazkova::game;

namespace {

/// Lines a careless or hostile script might send: wrong words, wrong counts, numbers out of
/// range or out of 32 bits, stray signs, control bytes, invalid UTF-8, very long lines.
class NonsenseLines {
  public:
    explicit NonsenseLines(std::mt19937_64& rng) : rng_(rng) {}

    std::string Next() {
        static constexpr std::array<std::string_view, 30> kNearMisses{"click",
                                                                      "click 40",
                                                                      "click -1",
                                                                      "click 4294967297",
                                                                      "click 1 2",
                                                                      "click x",
                                                                      "click 0x10",
                                                                      "click 1.5",
                                                                      "drag 3",
                                                                      "drag 1 x",
                                                                      "drag 40 1",
                                                                      "drag -2147483648 0",
                                                                      "options type=4",
                                                                      "options level=0",
                                                                      "options foo=1",
                                                                      "options type",
                                                                      "options =1",
                                                                      "options dinari=2",
                                                                      "options level=9999999999",
                                                                      "delay 4001",
                                                                      "delay -1",
                                                                      "delay",
                                                                      "new now",
                                                                      "state x",
                                                                      "sound on",
                                                                      "result 1",
                                                                      "CLICK 5",
                                                                      "#click 3",
                                                                      "   ",
                                                                      "options type=-2"};
        switch (rng_() % 4) {
            case 0:
                return std::string(kNearMisses[rng_() % kNearMisses.size()]);
            case 1:
                return RandomText(" abcdeiklnoprstuvwxyz=0123456789-+#", 1 + rng_() % 24);
            case 2: {
                std::string bytes(rng_() % 40, '\0');
                for (char& b : bytes) {
                    b = static_cast<char>(rng_() % 256);
                    if (b == '\n') b = ' ';  // one line stays one line
                }
                return bytes;
            }
            default:
                return "click " + std::string(1 + rng_() % 300, '9');
        }
    }

  private:
    std::string RandomText(std::string_view alphabet, std::size_t length) {
        std::string text(length, ' ');
        for (char& c : text) c = alphabet[rng_() % alphabet.size()];
        return text;
    }

    std::mt19937_64& rng_;
};

/// Chooses the next command as a restless player would: mostly cards the human can see,
/// sometimes anything at all.
class RandomPlayer {
  public:
    RandomPlayer(std::mt19937_64& rng, bool restless)
        : rng_(rng), restless_(restless), nonsense_(rng) {}

    std::string Options() {
        std::string line = "options";
        static constexpr std::array<std::string_view, 6> kKeys{"type", "level",     "dinari",
                                                               "open", "alternate", "reverse"};
        for (std::string_view key : kKeys) {
            if (rng_() % 3 == 0) continue;
            int value = static_cast<int>(rng_() % 2);
            if (key == "type") value = static_cast<int>(rng_() % 5) - 1;
            if (key == "level") value = 1 + static_cast<int>(rng_() % 4);
            line += " " + std::string(key) + "=" + std::to_string(value);
        }
        return line;
    }

    std::string Next(const Game& g) {
        const unsigned roll = rng_() % 1000;
        if (roll < 40) return nonsense_.Next();
        if (roll < 50) return "result";
        if (roll < 60) return "sound";
        if (roll < 70) return "delay " + std::to_string(rng_() % 4001);
        if (roll < 73) return "state";
        // A restless player starts over a few times, then lets the game run to its end.
        if (restless_ && restarts_ < 3 && roll < 78) {
            ++restarts_;
            return roll < 75 ? "new" : Options();
        }
        if (roll < 120) {
            return rng_() % 2 ? "click " + std::to_string(rng_() % kDeckSize)
                              : "drag " + std::to_string(rng_() % kDeckSize) + " " +
                                    std::to_string(rng_() % kDeckSize);
        }
        // Mostly what a player reaches for: a hand card, then the floor cards it takes.
        const Pile& hand = g.State().YouPile;
        const Pile& floor = g.State().FloorPile;
        auto any = [this](const Pile& p) { return p.Cards[1 + rng_() % p.Count] - 1; };
        if (hand.Count == 0) return "new";
        const unsigned aim = rng_() % 100;
        if (floor.Count > 0 && (g.State().Input == InputState::PickFloor ? aim < 85 : aim < 20))
            return "click " + std::to_string(any(floor));
        if (floor.Count > 0 && aim >= 85)
            return "drag " + std::to_string(any(hand)) + " " + std::to_string(any(floor));
        return "click " + std::to_string(any(hand));
    }

  private:
    std::mt19937_64& rng_;
    bool restless_;
    int restarts_ = 0;
    NonsenseLines nonsense_;
};

// A game runs to its end well within this many commands; past it the table is taken as stuck.
constexpr std::size_t kCommandLimit = 100000;

}  // namespace

GameReport PlaySoakGame(std::uint64_t seed, std::uint64_t game) {
    // The run's seed and the game's number spread over the generator's whole state.
    std::mt19937_64 rng(MixBits(seed * 0x100000001B3ull + game));
    GameReport report;
    cli::Driver driver;
    const Game& g = driver.game();
    const RecordingTable& table = driver.table();

    std::string pauseFault;
    driver.table().SetPauseWatch([&] {
        ++report.pauses;
        if (pauseFault.empty()) pauseFault = BrokenRule(g, table, Moment::DuringPause);
    });

    // A positive count advances the generator; a negative one leaves it alone. Both replay.
    const bool untouched = rng() % 50 == 0;
    const std::uint32_t count = 1 + static_cast<std::uint32_t>(rng() % 2147483647u);
    report.parameter = untouched ? "-" + std::to_string(1 + rng() % 1000) : std::to_string(count);
    driver.Start(ParseSeedParameter(report.parameter), 0);

    RandomPlayer player(rng, rng() % 4 == 0);
    auto run = [&](const std::string& line) {
        report.script.push_back(line);
        // Plays go without their output line, which costs more than the play. The other
        // lines have theirs made and dropped, and so does a click or drag the driver refuses
        // (it changed nothing, so it is given again for its error line).
        if (line.rfind("click ", 0) == 0 || line.rfind("drag ", 0) == 0) {
            if (!driver.Run(line)) driver.Execute(line);
        } else {
            driver.Execute(line);
        }
        std::string broken = pauseFault.empty() ? BrokenRule(g, table, Moment::BetweenCommands)
                                                : "in a pause: " + pauseFault;
        if (!broken.empty()) report.fault = broken + " (after '" + line + "')";
        return broken.empty();
    };

    if (run(player.Options()) && run("new")) {
        while (g.State().GameActive && report.script.size() < kCommandLimit) {
            if (!run(player.Next(g))) break;
        }
        report.finished = !g.State().GameActive && report.fault.empty();
        if (g.State().GameActive && report.fault.empty())
            report.fault =
                "the game did not end within " + std::to_string(kCommandLimit) + " commands";
    }
    report.finalState = cli::DumpLine(driver.StateJson());
    return report;
}

std::string ReplayScript(const GameReport& report) {
    std::string script = "# tazkova-cli " + report.parameter + "\n";
    for (const std::string& line : report.script) script += line + "\n";
    return script;
}

}  // namespace tazkova::soak
