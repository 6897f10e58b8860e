/// The floor cards a card waiting for its floor cards can still take: those that, with the
/// floor cards picked so far, belong to a set whose ranks add up to the waiting card's rank.
#pragma once

#include <vector>

#include "game/game.h"

namespace tazkova::game {

/// Of the floor cards with ranks `floorRanks`, those marked in `picked` already chosen, the
/// positions (from 0) of the unpicked ones that lie in some set holding every picked card
/// whose ranks add up to `rank`.
std::vector<int> CardsCompletingACapture(const std::vector<int>& floorRanks,
                                         const std::vector<bool>& picked, int rank);

/// The card numbers of the floor cards that can complete a capture of the player's card
/// waiting for its floor cards; none when no card waits.
std::vector<int> WaitedForCards(const Game& game);

}  // namespace tazkova::game
