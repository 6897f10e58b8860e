#include "cli/arena.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <thread>

#include "expert/expert_player.h"
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

/// A silent table that times the expert's thinking.
class TimedTable : public SilentTable {
  public:
    explicit TimedTable(std::vector<double>* thinkMs) : thinkMs_(thinkMs) {}
    void Think(const std::function<void()>& work) override {
        const auto start = std::chrono::steady_clock::now();
        work();
        if (thinkMs_) {
            thinkMs_->push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
        }
    }

  private:
    std::vector<double>* thinkMs_;
};

/// The pairs the settings name, or the sixteen of levels 1 to 4.
std::vector<std::pair<int, int>> Pairs(const ArenaSettings& settings) {
    if (!settings.pairs.empty()) return settings.pairs;
    std::vector<std::pair<int, int>> out;
    for (int h = 1; h <= kLevels; ++h) {
        for (int c = 1; c <= kLevels; ++c) out.emplace_back(h, c);
    }
    return out;
}

/// A pair's number in the games' seeds: the pairs of levels 1 to 4 keep theirs.
int PairNumber(int human, int computer) {
    if (human <= kLevels && computer <= kLevels) return (human - 1) * kLevels + computer - 1;
    return kPairs + (human - 1) * kArenaLevels + computer - 1;
}

/// The `--levels` list: levels (every pair among them) or pairs HUMAN:COMPUTER.
bool ParseLevels(std::string_view text, std::vector<std::pair<int, int>>& pairs) {
    std::vector<int> levels;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        auto level = [](std::string_view t) {
            return t.size() == 1 && t[0] >= '1' && t[0] <= '0' + kArenaLevels ? t[0] - '0' : 0;
        };
        const std::size_t colon = item.find(':');
        if (colon == std::string_view::npos) {
            if (level(item) == 0) return false;
            levels.push_back(level(item));
        } else {
            const int h = level(item.substr(0, colon)), c = level(item.substr(colon + 1));
            if (h == 0 || c == 0) return false;
            pairs.emplace_back(h, c);
        }
    }
    for (const int h : levels) {
        for (const int c : levels) pairs.emplace_back(h, c);
    }
    return !pairs.empty();
}

/// The human's seat plays its level's choice through a player's clicks.
void HumanSeatTurn(Game& game, int level) {
    const int match = game.State().MatchNumber, hand = game.State().HandNumber,
              plays = game.State().PlayCount;
    const std::optional<PlaySuggestion> play = game.SuggestPlay(level);
    if (!play) throw std::logic_error("the human's seat has no play in a running game");
    // The clicks a player makes: the hand card, then, when the game asks, the floor cards.
    game.HumanPlay(play->card - 1);
    if (game.State().Input == InputState::PickFloor) {
        for (const int card : play->takes) game.HumanPlay(card - 1);
    }
    const bool newHand = game.State().MatchNumber != match || game.State().HandNumber != hand;
    if (game.State().GameActive && (game.State().Input != InputState::ChooseCard ||
                                    (!newHand && game.State().PlayCount == plays)))
        throw std::logic_error("the human seat's clicks did not make its play");
}

/// Reads a whole decimal number within [low, high].
std::optional<std::uint64_t> Number(std::string_view text, std::uint64_t low, std::uint64_t high) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < low || value > high)
        return std::nullopt;
    return value;
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
        if (option == "--levels") {
            if (i + 1 == args.size() || !ParseLevels(args[i + 1], settings.pairs)) {
                error = "--levels needs a list of levels 1.." + std::to_string(kArenaLevels) +
                        " or pairs HUMAN:COMPUTER, such as 4,5 or 5:4,4:5";
                return std::nullopt;
            }
            ++i;
            continue;
        }
        struct Range {
            std::string_view name;
            std::uint64_t low, high;
        };
        static constexpr std::array<Range, 6> kRanges{{{"--games", 1, 2147483647},
                                                       {"--seed", 0, 4294967295u},
                                                       {"--type", 0, 3},
                                                       {"--dinari", 0, 1},
                                                       {"--reverse", 0, 1},
                                                       {"--hands", 1, 2147483647}}};
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
            case 4:
                settings.reverseGame = *value == 1;
                break;
            default:
                settings.hands = static_cast<int>(*value);
                haveGames = true;
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
    return static_cast<std::uint32_t>(MixBits(key) >> 32);
}

namespace {

ArenaOutcome PlayGame(const ArenaSettings& settings, int humanLevel, int computerLevel,
                      std::uint32_t gameSeed, std::vector<double>* thinkMs,
                      const std::function<void(const Game&)>& handScored = {}) {
    TimedTable table(thinkMs);
    Game game(table, table, table, table);
    game.SetExpertPlayer(&expert::StandardPlayer());
    struct WinnerWatch : GameListener {
        const Game* game = nullptr;
        const std::function<void(const Game&)>* handScored = nullptr;
        Side winner = Side::Computer;
        void GameEnded(Side side) override { winner = side; }
        void HandScored(const ScoreSheet&) override {
            if (*handScored) (*handScored)(*game);
        }
    } watch;
    watch.game = &game;
    watch.handScored = &handScored;
    game.AddListener(watch);
    game.SetGeneratorState(gameSeed);
    game.Startup({SeedChoice::Kind::Untouched, 0}, 0);
    game.SetDelayTime(0);
    ArenaOptions options(settings, computerLevel);
    game.RunOptions(options);
    game.NewGame();

    int hands = 1;
    while (game.State().GameActive) {
        const int match = game.State().MatchNumber, hand = game.State().HandNumber;
        HumanSeatTurn(game, humanLevel);
        const bool newHand = game.State().MatchNumber != match || game.State().HandNumber != hand;
        if (newHand && game.State().GameActive && ++hands > kArenaHandCap)
            return ArenaOutcome::Draw;
    }
    return watch.winner == Side::Human ? ArenaOutcome::HumanWon : ArenaOutcome::ComputerWon;
}

}  // namespace

ArenaOutcome PlayArenaGame(const ArenaSettings& settings, int humanLevel, int computerLevel,
                           std::uint32_t gameSeed,
                           const std::function<void(const game::Game&)>& handScored) {
    return PlayGame(settings, humanLevel, computerLevel, gameSeed, nullptr, handScored);
}

namespace {

/// A side's points in the hand just scored: with its sweeps when they counted.
int HandPoints(const ResultsSheet& sheet, bool computer) {
    return (computer ? sheet.scores.computer : sheet.scores.human).HandGain();
}

}  // namespace

std::pair<int, int> PlayArenaHand(const ArenaSettings& settings, int humanLevel, int computerLevel,
                                  std::uint32_t dealSeed, std::vector<double>* thinkMs) {
    TimedTable table(thinkMs);
    Game game(table, table, table, table);
    game.SetExpertPlayer(&expert::StandardPlayer());
    game.SetGeneratorState(dealSeed);
    game.Startup({SeedChoice::Kind::Untouched, 0}, 0);
    game.SetDelayTime(0);
    ArenaOptions options(settings, computerLevel);
    game.RunOptions(options);
    // The computer's first play, should it start, is made by NewGame: time it too.
    game.NewGame();
    while (game.State().GameActive && game.State().MatchNumber == 1 && game.State().HandNumber == 1)
        HumanSeatTurn(game, humanLevel);
    return {HandPoints(game.State().Results, false), HandPoints(game.State().Results, true)};
}

namespace {

/// Runs `job(k, thread)` for k = 0..total-1 on `threads` threads, in small runs.
template <class Job>
void RunJobs(std::int64_t total, unsigned threads, Job&& job) {
    if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
    constexpr std::int64_t kRun = 4;
    std::atomic<std::int64_t> next{0};
    std::vector<std::exception_ptr> faults(threads);
    auto work = [&](unsigned t) {
        try {
            for (;;) {
                const std::int64_t start = next.fetch_add(kRun);
                if (start >= total) return;
                for (std::int64_t k = start; k < std::min(start + kRun, total); ++k) job(k, t);
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
}

}  // namespace

std::vector<ArenaPair> RunArena(const ArenaSettings& settings, unsigned threads,
                                std::vector<double>* thinkMs) {
    if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
    const std::vector<std::pair<int, int>> levels = Pairs(settings);
    const int pairCount = static_cast<int>(levels.size());
    std::vector<std::vector<double>> times(threads);
    // Each thread counts its own games, and the counts are added at the end, so the result
    // does not depend on which thread played which game.
    using Tally = std::vector<std::array<int, 3>>;
    std::vector<Tally> tallies(threads, Tally(pairCount));
    RunJobs(static_cast<std::int64_t>(pairCount) * settings.games, threads,
            [&](std::int64_t k, unsigned t) {
                const int pair = static_cast<int>(k / settings.games);
                const int g = static_cast<int>(k % settings.games);
                const auto [human, computer] = levels[pair];
                const ArenaOutcome outcome =
                    PlayGame(settings, human, computer,
                             ArenaGameSeed(settings.seed, PairNumber(human, computer), g),
                             thinkMs ? &times[t] : nullptr);
                ++tallies[t][pair][static_cast<int>(outcome)];
            });

    if (thinkMs) {
        for (const auto& list : times) thinkMs->insert(thinkMs->end(), list.begin(), list.end());
    }
    std::vector<ArenaPair> pairs(pairCount);
    for (int p = 0; p < pairCount; ++p) {
        pairs[p].humanLevel = levels[p].first;
        pairs[p].computerLevel = levels[p].second;
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
    if (!settings.pairs.empty()) {
        out += "The human seat's games won, with the 95% Wilson interval:\n\n";
        int cut = 0;
        for (const ArenaPair& p : pairs) {
            const int n = p.humanWins + p.computerWins + p.draws;
            const Interval ci = WilsonInterval(p.humanWins, n);
            std::snprintf(line, sizeof line,
                          "human seat level %d, computer level %d: %.1f%% [%.1f, %.1f] (%d of "
                          "%d)\n",
                          p.humanLevel, p.computerLevel, n > 0 ? 100.0 * p.humanWins / n : 0.0,
                          100 * ci.low, 100 * ci.high, p.humanWins, n);
            out += line;
            cut += p.draws;
        }
        std::snprintf(line, sizeof line, "\nDraws (games cut short at %d hands): %d\n",
                      kArenaHandCap, cut);
        out += line;
        return out;
    }
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

namespace tazkova::cli {

std::vector<ArenaHands> RunArenaHands(const ArenaSettings& settings, unsigned threads,
                                      std::vector<double>* thinkMs) {
    if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
    const std::vector<std::pair<int, int>> levels = Pairs(settings);
    const int pairCount = static_cast<int>(levels.size());
    const int deals = settings.hands;
    // differences[pair][deal]: the first level's points less the second's over the two hands,
    // and each hand's verdict for the first level.
    std::vector<std::vector<int>> differences(pairCount, std::vector<int>(deals));
    std::vector<std::vector<std::array<int, 3>>> verdicts(
        threads, std::vector<std::array<int, 3>>(pairCount));
    std::vector<std::vector<double>> times(threads);
    RunJobs(static_cast<std::int64_t>(pairCount) * deals, threads, [&](std::int64_t k, unsigned t) {
        const int pair = static_cast<int>(k / deals), deal = static_cast<int>(k % deals);
        const auto [a, b] = levels[pair];
        // The same deals for every pair, so that pairs can be compared deal by deal.
        const std::uint32_t seed = ArenaGameSeed(settings.seed, 1023, deal);
        std::vector<double>* sink = thinkMs ? &times[t] : nullptr;
        const auto [aHuman, bComputer] = PlayArenaHand(settings, a, b, seed, sink);
        const auto [bHuman, aComputer] = PlayArenaHand(settings, b, a, seed, sink);
        differences[pair][deal] = (aHuman - bComputer) + (aComputer - bHuman);
        for (const int d : {aHuman - bComputer, aComputer - bHuman})
            ++verdicts[t][pair][d > 0 ? 0 : (d < 0 ? 1 : 2)];
    });
    if (thinkMs) {
        for (const auto& list : times) thinkMs->insert(thinkMs->end(), list.begin(), list.end());
    }
    std::vector<ArenaHands> out(pairCount);
    for (int p = 0; p < pairCount; ++p) {
        ArenaHands& h = out[p];
        h.first = levels[p].first;
        h.second = levels[p].second;
        h.deals = deals;
        // A deal's mean a hand is half its two hands' difference.
        double sum = 0, squares = 0;
        for (const int d : differences[p]) {
            sum += d / 2.0;
            squares += (d / 2.0) * (d / 2.0);
        }
        h.meanDifference = deals > 0 ? sum / deals : 0;
        if (deals > 1) {
            const double variance =
                (squares - deals * h.meanDifference * h.meanDifference) / (deals - 1);
            h.halfWidth = 1.959963984540054 * std::sqrt(std::max(0.0, variance) / deals);
        }
        for (const auto& v : verdicts) {
            h.won += v[p][0];
            h.lost += v[p][1];
            h.tied += v[p][2];
        }
    }
    return out;
}

std::string ArenaHandsText(const ArenaSettings& settings, const std::vector<ArenaHands>& hands) {
    std::string out;
    char line[256];
    std::snprintf(line, sizeof line,
                  "%d deals, each played twice with the seats swapped, seed %u, game type %d, "
                  "dinari %d, reverse %d\n\n",
                  settings.hands, settings.seed, settings.gameType, settings.dinariRule ? 1 : 0,
                  settings.reverseGame ? 1 : 0);
    out += line;
    for (const ArenaHands& h : hands) {
        std::snprintf(line, sizeof line,
                      "level %d against level %d: %+.3f points a hand [%+.3f, %+.3f]; hands won "
                      "%d, lost %d, tied %d\n",
                      h.first, h.second, h.meanDifference, h.meanDifference - h.halfWidth,
                      h.meanDifference + h.halfWidth, h.won, h.lost, h.tied);
        out += line;
    }
    return out;
}

std::string ArenaHandsJson(const ArenaSettings& settings, const std::vector<ArenaHands>& hands) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const ArenaHands& h : hands) {
        list.push_back({{"level", h.first},
                        {"against", h.second},
                        {"mean_difference", h.meanDifference},
                        {"half_width_95", h.halfWidth},
                        {"won", h.won},
                        {"lost", h.lost},
                        {"tied", h.tied}});
    }
    const nlohmann::ordered_json out{
        {"deals", settings.hands}, {"seed", settings.seed}, {"pairs", std::move(list)}};
    return out.dump();
}

std::string ThinkTimeText(std::vector<double> ms) {
    if (ms.empty()) return "expert moves: none\n";
    std::sort(ms.begin(), ms.end());
    auto at = [&](double q) {
        return ms[std::min(ms.size() - 1, static_cast<std::size_t>(q * (ms.size() - 1) + 0.5))];
    };
    char line[160];
    std::snprintf(line, sizeof line,
                  "expert moves: %zu; time a move: median %.2f ms, 99th percentile %.2f ms, "
                  "longest %.2f ms\n",
                  ms.size(), at(0.5), at(0.99), ms.back());
    return line;
}

}  // namespace tazkova::cli
