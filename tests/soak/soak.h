/// Random games through the headless driver: random clicks, drags, options, new games in
/// the middle of a hand and nonsense lines, with the table checked after every command and
/// at every pause.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tazkova::soak {

/// What became of one random game.
struct GameReport {
    /// The first parameter the game was started with, for replaying it with tazkova-cli.
    std::string parameter;
    /// Every command line given, in order.
    std::vector<std::string> script;
    int pauses = 0;
    /// Played until a side won the game.
    bool finished = false;
    /// The state object at the end, as the driver's `state` command prints it.
    std::string finalState;
    /// The first broken rule and the command it followed; empty when all held.
    std::string fault;
};

/// Plays game number `game` of the run `seed`: the same two numbers play the same game.
GameReport PlaySoakGame(std::uint64_t seed, std::uint64_t game);

/// The game as a script for `tazkova-cli PARAMETER < script`.
std::string ReplayScript(const GameReport& report);

}  // namespace tazkova::soak
