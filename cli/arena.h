/// The arena: whole games between the human's seat, played by the computer's own choice
/// routine through the human's clicks, and the computer, for every pair of levels. The
/// counts are the same for a seed whatever the number of threads.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tazkova::game {
class Game;
}

namespace tazkova::cli {

struct ArenaSettings {
    int games = 0;           // games for each pair of levels
    std::uint32_t seed = 0;  // every game's generator comes from it
    int gameType = 2;        // 0..3
    bool dinariRule = true;
    bool reverseGame = false;
    bool json = false;
    /// The pairs to play, (human seat's level, computer's level); empty: every pair of
    /// levels 1 to 4.
    std::vector<std::pair<int, int>> pairs;
    /// Deal-paired hands instead of games: each of `hands` deals played twice, the seats
    /// swapped, for every pair.
    int hands = 0;
};

/// The computer's levels: four quick ones and the expert.
inline constexpr int kArenaLevels = 5;

/// A game longer than this many hands is cut short and counted as a draw.
inline constexpr int kArenaHandCap = 500;

enum class ArenaOutcome { HumanWon, ComputerWon, Draw };

/// The games of one pair of levels.
struct ArenaPair {
    int humanLevel = 0;
    int computerLevel = 0;
    int humanWins = 0;
    int computerWins = 0;
    int draws = 0;
};

/// Reads the arguments after the program's name; nothing, and the reason in `error`, when
/// they are not right.
std::optional<ArenaSettings> ParseArenaArguments(const std::vector<std::string_view>& args,
                                                 std::string& error);

/// One arena game from generator state `gameSeed`; `handScored`, when given, is called with
/// the table after each hand is scored (before the next is dealt).
ArenaOutcome PlayArenaGame(const ArenaSettings& settings, int humanLevel, int computerLevel,
                           std::uint32_t gameSeed,
                           const std::function<void(const game::Game&)>& handScored);

/// The generator state of game `game` (0-based) of pair `pair` (0..15).
std::uint32_t ArenaGameSeed(std::uint32_t seed, int pair, int game);

/// Plays every game on `threads` threads (0: one a core), the settings' pairs in order (by
/// default 16, human level outer). The expert's time for each of its moves, in
/// milliseconds, goes to `thinkMs` when given.
std::vector<ArenaPair> RunArena(const ArenaSettings& settings, unsigned threads = 0,
                                std::vector<double>* thinkMs = nullptr);

/// One pair's deal-paired hands: level `first` against level `second`, each deal played once
/// with `first` in the human's seat and once in the computer's.
struct ArenaHands {
    int first = 0;
    int second = 0;
    int deals = 0;
    double meanDifference = 0;  // `first`'s points less `second`'s, a hand
    double halfWidth = 0;       // of the 95% interval of the mean, over the deals
    int won = 0;                // hands `first` gained more in than `second`
    int lost = 0;
    int tied = 0;
};

/// Both sides' points in one hand dealt from generator state `dealSeed`: the human seat's
/// gain, then the computer's.
std::pair<int, int> PlayArenaHand(const ArenaSettings& settings, int humanLevel, int computerLevel,
                                  std::uint32_t dealSeed, std::vector<double>* thinkMs = nullptr);

/// Plays the settings' pairs hand by hand (pair (a, b): a is judged against b) on `threads`
/// threads; the same deals for every pair.
std::vector<ArenaHands> RunArenaHands(const ArenaSettings& settings, unsigned threads = 0,
                                      std::vector<double>* thinkMs = nullptr);
std::string ArenaHandsText(const ArenaSettings& settings, const std::vector<ArenaHands>& hands);
std::string ArenaHandsJson(const ArenaSettings& settings, const std::vector<ArenaHands>& hands);

/// The median and the 99th percentile of the expert's times, as one line of text.
std::string ThinkTimeText(std::vector<double> ms);

/// The JSON object of the results, on one line.
std::string ArenaJson(const ArenaSettings& settings, const std::vector<ArenaPair>& pairs);

/// The results as a table of the human seat's win rate with its 95% interval (levels 1 to 4:
/// 4 x 4; other pairs a row each).
std::string ArenaTable(const ArenaSettings& settings, const std::vector<ArenaPair>& pairs);

/// The 95% Wilson score interval of a proportion of `wins` in `n`.
struct Interval {
    double low = 0;
    double high = 0;
};
Interval WilsonInterval(int wins, int n);

}  // namespace tazkova::cli
