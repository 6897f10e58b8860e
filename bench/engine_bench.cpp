// The game engine's speed on the recording table: the computer's search on the heaviest
// positions, the shuffle, and whole hands and games played by a scripted human with no
// pauses. After the runs, the time of a hand is set against the time of a shuffle, whose
// 12,040 draws of the random generator are the least a hand can cost.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "cli/driver.h"
#include "expert/expert_player.h"
#include "game/game.h"
#include "game/recording.h"

namespace tazkova::game {
namespace {

/// Draws of the random generator in one shuffle: 40 swaps, then 4000 rounds of three draws.
constexpr int kShuffleDraws = 40 + 4000 * 3;

/// Card number of a rank (1..10) in a suit (0 clubs, 1 diamonds, 2 hearts, 3 spades).
constexpr int Card(int rank, int suit) {
    return suit * 10 + rank;
}

/// A game on a table, started as the headless driver starts one: sound on (a recording
/// table records every sound), no pauses.
template <class TableType = RecordingTable>
struct TableOf {
    TableType table;
    Game game{table, table, table, table};

    explicit TableOf(std::uint32_t advance) {
        game.SetExpertPlayer(&expert::StandardPlayer());
        game.Startup({SeedChoice::Kind::Advance, advance}, 0);
        game.SetSoundOn(true);
        game.SetDelayTime(0);
    }
};

/// The human side of a scripted game: a hand card chosen by its own generator and, when the
/// game waits for the floor cards of a sum capture, a set of floor cards of that sum.
class ScriptedHuman {
  public:
    explicit ScriptedHuman(std::uint32_t seed) : state_(seed) {}

    /// The card images to click for one play, given the table as it stands. Empty when
    /// there is nothing the human can play.
    const std::vector<int>& NextPlay(const Game& g) {
        clicks_.clear();
        if (g.State().Input == InputState::PickFloor) {
            PickSum(g);
        } else if (g.State().YouPile.Count > 0) {
            const int k =
                1 + static_cast<int>(Next() % static_cast<std::uint32_t>(g.State().YouPile.Count));
            clicks_.push_back(g.State().YouPile.Cards[k] - 1);
        }
        return clicks_;
    }

  private:
    std::uint32_t Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }

    /// The first set of floor cards, in floor order, whose ranks add up to the rank of the
    /// chosen hand card: the game asks when there is more than one way to take.
    void PickSum(const Game& g) {
        if (g.State().SelectedSlot < 1 || g.State().SelectedSlot > g.State().YouPile.Count) return;
        const int target = CardRank(g.State().YouPile.Cards[g.State().SelectedSlot]);
        std::vector<int> chosen;
        if (Search(g.State().FloorPile, 1, target, chosen)) {
            for (const int f : chosen) clicks_.push_back(g.State().FloorPile.Cards[f] - 1);
        }
    }

    bool Search(const Pile& floor, int from, int left, std::vector<int>& chosen) {
        if (left == 0) return !chosen.empty();
        for (int f = from; f <= floor.Count; ++f) {
            const int rank = CardRank(floor.Cards[f]);
            if (rank > left) continue;
            chosen.push_back(f);
            if (Search(floor, f + 1, left - rank, chosen)) return true;
            chosen.pop_back();
        }
        return false;
    }

    std::uint32_t state_;
    std::vector<int> clicks_;
};

using Table = TableOf<>;

/// Plays one human play on the game directly; false when the human had nothing to play.
/// Adds the number of table events the play made to `events`.
template <class TableType>
bool HumanPlays(TableOf<TableType>& t, ScriptedHuman& human, std::int64_t& events) {
    const std::vector<int>& clicks = human.NextPlay(t.game);
    if (clicks.empty()) return false;
    for (const int image : clicks) {
        t.game.HumanPlay(image);
        // The driver hands the events on after every command; so does the benchmark.
        const std::vector<TableEvent> made = t.table.TakeEvents();
        events += static_cast<std::int64_t>(made.size());
        benchmark::DoNotOptimize(made.data());
    }
    return true;
}

// --- The computer's search ------------------------------------------------------------------

/// Three kings in the computer's hand over a floor of small cards: no card of the floor has
/// a king's rank, so every one of the 33 ways of writing 10 as a sum is tried for each of
/// the three, against the most small cards there are.
void BM_AutoPlayWorstCase(benchmark::State& state) {
    const int smallRanks = static_cast<int>(state.range(0));  // floor: every card of ranks 1..n
    Table t(5);
    t.game.NewGame();
    Pile me = t.game.State().MePile, floor = t.game.State().FloorPile;
    me.Count = 3;
    me.Cards.fill(0);
    me.Slots.fill(0);
    for (int i = 1; i <= 3; ++i) {
        me.Cards[i] = Card(10, i - 1);
        me.Slots[i] = i;
    }
    floor.Count = 0;
    floor.Cards.fill(0);
    floor.Slots.fill(0);
    for (int rank = 1; rank <= smallRanks; ++rank) {
        for (int suit = 0; suit < 4; ++suit) {
            ++floor.Count;
            floor.Cards[floor.Count] = Card(rank, suit);
            floor.Slots[floor.Count] = floor.Count;
        }
    }
    StateEditor::Of(t.game).PlayCount = 1;
    t.table.TakeEvents();

    for (auto _ : state) {
        StateEditor::Of(t.game).MePile = me;
        StateEditor::Of(t.game).FloorPile = floor;
        benchmark::DoNotOptimize(t.game.AutoPlay(StateEditor::Of(t.game).MePile, 1, 3, false));
        benchmark::DoNotOptimize(t.game.State().MePile.CardCount);
        benchmark::DoNotOptimize(t.table.TakeEvents());
    }
    // The search must have found a sum capture for every king, and carried one out.
    if (t.game.State().SumCaptureCount < 3 || t.game.State().FloorPile.Count >= floor.Count)
        state.SkipWithError("the computer did not take by sum");
    state.counters["floor"] = floor.Count;
    state.counters["sum_plays"] = t.game.State().SumCaptureCount;
}
BENCHMARK(BM_AutoPlayWorstCase)->Arg(3)->Arg(4)->Arg(6)->Arg(9)->ArgName("ranks_1_to");

/// The computer's turn on the floors met in real hands, for comparison.
void BM_AutoPlayDealtPosition(benchmark::State& state) {
    Table t(77);
    t.game.NewGame();
    ScriptedHuman human(3);
    std::int64_t events = 0;
    // Play on until the floor holds several cards and the computer two or more.
    for (int i = 0;
         i < 500 && !(t.game.State().FloorPile.Count >= 6 && t.game.State().MePile.Count >= 2); ++i)
        HumanPlays(t, human, events);
    const Pile me = t.game.State().MePile, floor = t.game.State().FloorPile;
    t.table.TakeEvents();
    for (auto _ : state) {
        StateEditor::Of(t.game).MePile = me;
        StateEditor::Of(t.game).FloorPile = floor;
        benchmark::DoNotOptimize(
            t.game.AutoPlay(StateEditor::Of(t.game).MePile, 1, me.Count, false));
        benchmark::DoNotOptimize(t.table.TakeEvents());
    }
    state.counters["floor"] = floor.Count;
    state.counters["hand"] = me.Count;
}
BENCHMARK(BM_AutoPlayDealtPosition);

// --- The shuffle ------------------------------------------------------------------------------

/// The draws of one shuffle alone, without the deck or the table.
void BM_ShuffleDrawsOnly(benchmark::State& state) {
    RandomSource rng;
    rng.SetState(12345);
    for (auto _ : state) {
        int sum = 0;
        for (int i = 0; i < kShuffleDraws; ++i) sum += rng.Random(40);
        benchmark::DoNotOptimize(sum);
    }
    state.counters["draws/s"] = benchmark::Counter(static_cast<double>(kShuffleDraws),
                                                   benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ShuffleDrawsOnly);

void BM_Shuffle(benchmark::State& state) {
    Table t(5);
    for (auto _ : state) {
        t.game.Shuffle();
        benchmark::DoNotOptimize(t.game.State().Deck);
        benchmark::DoNotOptimize(t.table.TakeEvents());
    }
    // The deck must still hold every card once.
    std::vector<bool> seen(kDeckSize + 1, false);
    for (int i = 1; i <= kDeckSize; ++i) {
        const int c = t.game.State().Deck[i];
        if (c < 1 || c > kDeckSize || seen[c]) state.SkipWithError("the shuffle lost a card");
        if (c >= 1 && c <= kDeckSize) seen[c] = true;
    }
    state.counters["shuffles/s"] =
        benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_Shuffle);

// --- Whole hands and games --------------------------------------------------------------------

/// One hand per iteration: the deal, 36 plays and the scoring, the next hand (or game)
/// carrying on in the next iteration.
template <class TableType>
void BM_Hand(benchmark::State& state) {
    TableOf<TableType> t(1234);
    ScriptedHuman human(1);
    t.game.NewGame();
    t.table.TakeEvents();
    std::int64_t events = 0;
    for (auto _ : state) {
        if (!t.game.State().GameActive) t.game.NewGame();
        const int hand = t.game.State().HandNumber, match = t.game.State().MatchNumber;
        for (int plays = 0; t.game.State().GameActive && t.game.State().HandNumber == hand &&
                            t.game.State().MatchNumber == match;
             ++plays) {
            if (!HumanPlays(t, human, events) || plays > 10000) {
                state.SkipWithError("the scripted human could not play");
                return;
            }
        }
    }
    state.counters["hands/s"] =
        benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["events/hand"] =
        benchmark::Counter(static_cast<double>(events), benchmark::Counter::kAvgIterations);
}
BENCHMARK_TEMPLATE(BM_Hand, RecordingTable);
BENCHMARK_TEMPLATE(BM_Hand, SilentTable);

/// One whole game (two matches won) per iteration, on the game directly.
void BM_Game(benchmark::State& state) {
    Table t(4321);
    ScriptedHuman human(2);
    std::int64_t hands = 0, events = 0;
    for (auto _ : state) {
        t.game.NewGame();
        int hand = 0, match = 0;
        for (int plays = 0; t.game.State().GameActive; ++plays) {
            if (t.game.State().HandNumber != hand || t.game.State().MatchNumber != match) {
                ++hands;
                hand = t.game.State().HandNumber;
                match = t.game.State().MatchNumber;
            }
            if (!HumanPlays(t, human, events) || plays > 100000) {
                state.SkipWithError("the scripted human could not play");
                return;
            }
        }
        if (t.game.State().MeMatchWins != 2 && t.game.State().YouMatchWins != 2)
            state.SkipWithError("the game ended without a winner");
    }
    state.counters["games/s"] =
        benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["hands/s"] =
        benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
    state.counters["hands/game"] =
        benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Game)->Unit(benchmark::kMicrosecond);

/// One whole game per iteration through the headless driver: text commands in, one JSON
/// line out per command, as `tazkova-cli` runs a script.
void BM_GameThroughDriver(benchmark::State& state) {
    cli::Driver d;
    benchmark::DoNotOptimize(d.Start({SeedChoice::Kind::Advance, 4321}, 0));
    benchmark::DoNotOptimize(d.Execute("delay 0"));
    ScriptedHuman human(2);
    std::int64_t hands = 0, bytes = 0;
    for (auto _ : state) {
        bytes += static_cast<std::int64_t>(d.Execute("new").value_or("").size());
        int hand = 0, match = 0;
        for (int plays = 0; d.game().State().GameActive; ++plays) {
            if (d.game().State().HandNumber != hand || d.game().State().MatchNumber != match) {
                ++hands;
                hand = d.game().State().HandNumber;
                match = d.game().State().MatchNumber;
            }
            const std::vector<int>& clicks = human.NextPlay(d.game());
            if (clicks.empty() || plays > 100000) {
                state.SkipWithError("the scripted human could not play");
                return;
            }
            for (const int image : clicks)
                bytes += static_cast<std::int64_t>(
                    d.Execute("click " + std::to_string(image)).value_or("").size());
        }
    }
    state.counters["games/s"] =
        benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["hands/s"] =
        benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
    state.counters["output_bytes/game"] =
        benchmark::Counter(static_cast<double>(bytes), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_GameThroughDriver)->Unit(benchmark::kMicrosecond);

// --- The expert ----------------------------------------------------------------------------------

/// What the human's seat knew at each of its turns in whole games between the computer and the
/// human's seat at level 4: the positions the expert (the hint) is timed on, in turn.
const std::vector<expert::Knowledge>& ExpertPositions() {
    static const std::vector<expert::Knowledge> positions = [] {
        std::vector<expert::Knowledge> out;
        SilentTable table;
        Game game(table, table, table, table);
        game.SetExpertPlayer(&expert::StandardPlayer());
        game.Startup({SeedChoice::Kind::Advance, 99}, 0);
        game.SetDelayTime(0);
        for (int g = 0; g < 20; ++g) {
            game.NewGame();
            while (game.State().GameActive) {
                out.push_back(game.KnowledgeOf(false));
                const auto play = game.SuggestPlay(4);
                game.HumanPlay(play->card - 1);
                if (game.State().Input == InputState::PickFloor) {
                    for (const int card : play->takes) game.HumanPlay(card - 1);
                }
            }
        }
        return out;
    }();
    return positions;
}

/// The expert's time a move, over the positions of twenty games in turn.
void BM_ExpertMove(benchmark::State& state) {
    const std::vector<expert::Knowledge>& positions = ExpertPositions();
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(expert::ChoosePlay(positions[next]));
        next = (next + 1) % positions.size();
    }
    state.counters["positions"] = static_cast<double>(positions.size());
}
BENCHMARK(BM_ExpertMove)->Unit(benchmark::kMillisecond)->Iterations(3000);

// --- Report ------------------------------------------------------------------------------------

/// The console report, keeping the time of each benchmark (the median when repeated) for
/// the ratios printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    explicit RatioReporter(OutputOptions options) : ConsoleReporter(options) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type != Run::RT_Iteration && !median) continue;
            const std::string name = run.run_name.function_name;
            if (median || !medians_.count(name)) {
                seconds_[name] =
                    run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
                if (median) medians_[name] = true;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    /// Seconds per iteration of a benchmark, or 0 when it did not run.
    double Seconds(const std::string& name) const {
        const auto it = seconds_.find(name);
        return it == seconds_.end() ? 0.0 : it->second;
    }

  private:
    std::map<std::string, double> seconds_;
    std::map<std::string, bool> medians_;
};

}  // namespace
}  // namespace tazkova::game

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    const bool colour = isatty(STDOUT_FILENO) != 0;
    tazkova::game::RatioReporter reporter(colour ? benchmark::ConsoleReporter::OO_ColorTabular
                                                 : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double hand = reporter.Seconds("BM_Hand<RecordingTable>");
    const double shuffle = reporter.Seconds("BM_Shuffle");
    const double draws = reporter.Seconds("BM_ShuffleDrawsOnly");
    if (hand > 0) std::printf("hands per second:           %.0f\n", 1.0 / hand);
    if (hand > 0 && shuffle > 0) std::printf("hand time / shuffle time:   %.2f\n", hand / shuffle);
    if (hand > 0 && draws > 0) std::printf("hand time / shuffle draws:  %.2f\n", hand / draws);
    return 0;
}
