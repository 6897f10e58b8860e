/// The arena: whole games between the human's seat, played by the computer's own choice
/// routine through the human's clicks, and the computer, for every pair of levels. The
/// counts are the same for a seed whatever the number of threads.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tazkova::cli {

struct ArenaSettings {
    int games = 0;           // games for each pair of levels
    std::uint32_t seed = 0;  // every game's generator comes from it
    int gameType = 2;        // 0..3
    bool dinariRule = true;
    bool reverseGame = false;
    bool json = false;
};

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

/// One game from the generator state `gameSeed`, the human's seat at `humanLevel`, the
/// computer at `computerLevel`.
ArenaOutcome PlayArenaGame(const ArenaSettings& settings, int humanLevel, int computerLevel,
                           std::uint32_t gameSeed);

/// The generator state of game `game` (0-based) of pair `pair` (0..15).
std::uint32_t ArenaGameSeed(std::uint32_t seed, int pair, int game);

/// Plays every game on `threads` threads (0: one a core). 16 pairs, human level outer.
std::vector<ArenaPair> RunArena(const ArenaSettings& settings, unsigned threads = 0);

/// The JSON object of the results, on one line.
std::string ArenaJson(const ArenaSettings& settings, const std::vector<ArenaPair>& pairs);

/// The results as a 4 x 4 table of the human seat's win rate with its 95% interval.
std::string ArenaTable(const ArenaSettings& settings, const std::vector<ArenaPair>& pairs);

/// The 95% Wilson score interval of a proportion of `wins` in `n`.
struct Interval {
    double low = 0;
    double high = 0;
};
Interval WilsonInterval(int wins, int n);

}  // namespace tazkova::cli
