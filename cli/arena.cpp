#include "cli/arena.h"

#include <array>
#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <thread>

#include "game/game.h"
#include "game/recording.h"

namespace tazkova::cli {

using namespace tazkova::game;

namespace {

constexpr int kLevels = 4;
constexpr int kPairs = kLevels * kLevels;

/// The options dialog closed with the arena's settings and the computer's level.
class ArenaOptions : public OptionsControls {
  public:
    ArenaOptions(const ArenaSettings& settings, int level) : settings_(settings), level_(level) {}
    int GameTypeIndex() const override { return type_; }
    void SetGameTypeIndex(int index) override { type_ = index; }
    int LevelIndex() const override { return levelIndex_; }
    void SetLevelIndex(int index) override { levelIndex_ = index; }
    CheckState DinariRule() const override { return Check(settings_.dinariRule); }
    CheckState OpenCards() const override { return CheckState::Unchecked; }
    CheckState AlternateStart() const override { return CheckState::Unchecked; }
    CheckState ReverseGame() const override { return Check(settings_.reverseGame); }
    void ShowModal() override {
        type_ = settings_.gameType;
        levelIndex_ = level_ - 1;
    }

  private:
    static CheckState Check(bool on) { return on ? CheckState::Checked : CheckState::Unchecked; }
    const ArenaSettings& settings_;
    int level_;
    int type_ = 2;
    int levelIndex_ = 3;
};

/// Reads a whole decimal number within [low, high].
std::optional<std::uint64_t> Number(std::string_view text, std::uint64_t low, std::uint64_t high) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < low || value > high)
        return std::nullopt;
    return value;
}

std::uint64_t SplitMix(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

}  // namespace

std::optional<ArenaSettings> ParseArenaArguments(const std::vector<std::string_view>& args,
                                                 std::string& error) {
    ArenaSettings settings;
    bool haveGames = false, haveSeed = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view option = args[i];
        if (option == "--json") {
            settings.json = true;
            continue;
        }
        struct Range {
            std::string_view name;
            std::uint64_t low, high;
        };
        static constexpr std::array<Range, 5> kRanges{{{"--games", 1, 2147483647},
                                                       {"--seed", 0, 4294967295u},
                                                       {"--type", 0, 3},
                                                       {"--dinari", 0, 1},
                                                       {"--reverse", 0, 1}}};
        std::size_t r = 0;
        while (r < kRanges.size() && kRanges[r].name != option) ++r;
        if (r == kRanges.size()) {
            error = "unknown argument '" + std::string(option) + "'";
            return std::nullopt;
        }
        if (i + 1 == args.size()) {
            error = std::string(option) + " needs a value";
            return std::nullopt;
        }
        const std::string_view text = args[++i];
        const std::optional<std::uint64_t> value = Number(text, kRanges[r].low, kRanges[r].high);
        if (!value) {
            error = std::string(option) + ": '" + std::string(text) + "' is not a number in " +
                    std::to_string(kRanges[r].low) + ".." + std::to_string(kRanges[r].high);
            return std::nullopt;
        }
        switch (r) {
            case 0:
                settings.games = static_cast<int>(*value);
                haveGames = true;
                break;
            case 1:
                settings.seed = static_cast<std::uint32_t>(*value);
                haveSeed = true;
                break;
            case 2:
                settings.gameType = static_cast<int>(*value);
                break;
            case 3:
                settings.dinariRule = *value == 1;
                break;
            default:
                settings.reverseGame = *value == 1;
                break;
        }
    }
    if (!haveGames || !haveSeed) {
        error = haveGames ? "--seed is missing" : "--games is missing";
        return std::nullopt;
    }
    return settings;
}

std::uint32_t ArenaGameSeed(std::uint32_t seed, int pair, int game) {
    const std::uint64_t key = (static_cast<std::uint64_t>(seed) << 32) ^
                              (static_cast<std::uint64_t>(pair) << 27) ^
                              static_cast<std::uint64_t>(game);
    return static_cast<std::uint32_t>(SplitMix(key) >> 32);
}

ArenaOutcome PlayArenaGame(const ArenaSettings& settings, int humanLevel, int computerLevel,
                           std::uint32_t gameSeed) {
    SilentTable table;
    Game game(table, table, table, table);
    struct WinnerWatch : GameListener {
        Side winner = Side::Computer;
        void GameEnded(Side side) override { winner = side; }
    } watch;
    game.AddListener(watch);
    game.Rng.SetState(gameSeed);
    game.Startup({SeedChoice::Kind::Untouched, 0}, 0);
    game.DelayTime = 0;
    ArenaOptions options(settings, computerLevel);
    game.RunOptions(options);
    game.NewGame();

    int hands = 1;
    while (game.GameActive) {
        const int match = game.MatchNumber, hand = game.HandNumber, plays = game.PlayCount;
        const std::optional<PlaySuggestion> play = game.SuggestPlay(humanLevel);
        if (!play) throw std::logic_error("the human's seat has no play in a running game");
        // The clicks a player makes: the hand card, then, when the game asks, the floor cards.
        game.HumanPlay(play->card - 1);
        if (game.Input == InputState::PickFloor) {
            for (const int card : play->takes) game.HumanPlay(card - 1);
        }
        const bool newHand = game.MatchNumber != match || game.HandNumber != hand;
        if (game.GameActive &&
            (game.Input != InputState::ChooseCard || (!newHand && game.PlayCount == plays)))
            throw std::logic_error("the human seat's clicks did not make its play");
        if (newHand && game.GameActive && ++hands > kArenaHandCap) return ArenaOutcome::Draw;
    }
    return watch.winner == Side::Human ? ArenaOutcome::HumanWon : ArenaOutcome::ComputerWon;
}

std::vector<ArenaPair> RunArena(const ArenaSettings& settings, unsigned threads) {
    if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
    const std::int64_t total = static_cast<std::int64_t>(kPairs) * settings.games;
    // Games are handed out in small runs; each thread counts its own, and the counts are
    // added at the end, so the result does not depend on which thread played which game.
    constexpr std::int64_t kRun = 32;
    std::atomic<std::int64_t> next{0};
    using Tally = std::array<std::array<int, 3>, kPairs>;
    std::vector<Tally> tallies(threads, Tally{});
    std::vector<std::exception_ptr> faults(threads);
    auto work = [&](unsigned t) {
        try {
            for (;;) {
                const std::int64_t start = next.fetch_add(kRun);
                if (start >= total) return;
                for (std::int64_t k = start; k < std::min(start + kRun, total); ++k) {
                    const int pair = static_cast<int>(k / settings.games);
                    const int g = static_cast<int>(k % settings.games);
                    const ArenaOutcome outcome =
                        PlayArenaGame(settings, pair / kLevels + 1, pair % kLevels + 1,
                                      ArenaGameSeed(settings.seed, pair, g));
                    ++tallies[t][pair][static_cast<int>(outcome)];
                }
            }
        } catch (...) {
            faults[t] = std::current_exception();
            next.store(total);
        }
    };
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < threads; ++t) pool.emplace_back(work, t);
    work(0);
    for (std::thread& th : pool) th.join();
    for (const std::exception_ptr& fault : faults) {
        if (fault) std::rethrow_exception(fault);
    }

    std::vector<ArenaPair> pairs(kPairs);
    for (int p = 0; p < kPairs; ++p) {
        pairs[p].humanLevel = p / kLevels + 1;
        pairs[p].computerLevel = p % kLevels + 1;
        for (const Tally& tally : tallies) {
            pairs[p].humanWins += tally[p][static_cast<int>(ArenaOutcome::HumanWon)];
            pairs[p].computerWins += tally[p][static_cast<int>(ArenaOutcome::ComputerWon)];
            pairs[p].draws += tally[p][static_cast<int>(ArenaOutcome::Draw)];
        }
    }
    return pairs;
}

std::string ArenaJson(const ArenaSettings& settings, const std::vector<ArenaPair>& pairs) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const ArenaPair& p : pairs) {
        list.push_back({{"human_level", p.humanLevel},
                        {"computer_level", p.computerLevel},
                        {"human_wins", p.humanWins},
                        {"computer_wins", p.computerWins},
                        {"draws", p.draws}});
    }
    const nlohmann::ordered_json out{
        {"games_per_pair", settings.games}, {"seed", settings.seed}, {"pairs", std::move(list)}};
    return out.dump();
}

Interval WilsonInterval(int wins, int n) {
    if (n <= 0) return {0, 1};
    constexpr double z = 1.959963984540054;
    const double p = static_cast<double>(wins) / n;
    const double z2n = z * z / n;
    const double centre = (p + z2n / 2) / (1 + z2n);
    const double half = z * std::sqrt(p * (1 - p) / n + z2n / (4.0 * n)) / (1 + z2n);
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

std::string ArenaTable(const ArenaSettings& settings, const std::vector<ArenaPair>& pairs) {
    std::string out;
    char line[256];
    std::snprintf(line, sizeof line,
                  "%d games for each pair of levels, seed %u, game type %d, dinari %d, "
                  "reverse %d\n",
                  settings.games, settings.seed, settings.gameType, settings.dinariRule ? 1 : 0,
                  settings.reverseGame ? 1 : 0);
    out += line;
    out += "The human seat's games won, with the 95% Wilson interval; rows: the human seat's\n";
    out += "level, columns: the computer's.\n\n";
    out += "human \\ computer";
    for (int b = 1; b <= kLevels; ++b) {
        std::snprintf(line, sizeof line, " | %-20d", b);
        out += line;
    }
    out += "\n";
    int draws = 0;
    for (const ArenaPair& p : pairs) {
        if (p.computerLevel == 1) {
            std::snprintf(line, sizeof line, "%-16d", p.humanLevel);
            out += line;
        }
        const int n = p.humanWins + p.computerWins + p.draws;
        const Interval ci = WilsonInterval(p.humanWins, n);
        char cell[64];
        std::snprintf(cell, sizeof cell, "%.1f%% [%.1f, %.1f]",
                      n > 0 ? 100.0 * p.humanWins / n : 0.0, 100 * ci.low, 100 * ci.high);
        std::snprintf(line, sizeof line, " | %-20s", cell);
        out += line;
        if (p.computerLevel == kLevels) out += "\n";
        draws += p.draws;
    }
    std::snprintf(line, sizeof line, "\nDraws (games cut short at %d hands): %d\n", kArenaHandCap,
                  draws);
    out += line;
    return out;
}

}  // namespace tazkova::cli
