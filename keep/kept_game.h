/// A game kept between two runs of the program: its whole state written as one small JSON
/// text of a known version, and read back only when it is whole and consistent.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "game/game.h"

namespace tazkova::keep {

/// The version of the kept game's text that this program writes and reads.
inline constexpr int kFormatVersion = 1;
/// The longest kept game that is read: a whole game with every play of a hand to take back
/// takes about a tenth of it.
inline constexpr std::size_t kMaxKeptBytes = 1 << 20;

/// A game as the program keeps it: the game itself, and whether a play of it was taken back
/// (which the statistics count apart).
struct KeptGame {
    game::GameSnapshot game;
    bool playTakenBack = false;
};

/// The kept game as text.
std::string Encode(const KeptGame& kept);

/// What a kept game's text holds: the game, or why it is refused.
struct Decoded {
    std::optional<KeptGame> kept;
    std::string refusal;  // empty when the game was read
};

/// Reads a kept game's text: refused when it is not JSON, of another version, or when any
/// value is missing, of the wrong kind or out of its bounds, or the cards, the counters and
/// the table do not agree (every card in one place, each side's counters those of the cards
/// off the table).
Decoded Decode(std::string_view text);

/// The first rule a game's state breaks, or an empty text: the checks `Decode` makes.
std::string BrokenRule(const game::GameState& state);

}  // namespace tazkova::keep
