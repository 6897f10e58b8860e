/// What must hold at a game table whatever the player does: every card in one place, every
/// counter in range, and the table showing what the piles hold.
#pragma once

#include <string>

#include "game/game.h"
#include "game/recording.h"

namespace tazkova::soak {

using namespace tazkova::game;

/// When the table is looked at.
enum class Moment {
    /// Between two commands: the human is to play (or no game runs).
    BetweenCommands,
    /// In a pause in the middle of a play or a deal: the cards of the play being shown are
    /// in flux, and the round may be half dealt.
    DuringPause,
};

/// The first rule the table breaks, in words, or an empty text when it keeps them all.
std::string BrokenRule(const Game& game, const RecordingTable& table, Moment moment);

}  // namespace tazkova::soak
