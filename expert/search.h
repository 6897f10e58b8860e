/// The expert's choice of a play: for each play of its hand, the same sampled worlds (the
/// unseen cards dealt at random to the other side's hand and the deck, as the other side's
/// declined sweeps allow, the hands that explain the other's plays this round as the quick
/// player's choices drawn the more often), each played to the end of the round (the other
/// side's plays as the quick player makes them, the seat's later plays chosen once for all
/// the worlds it cannot tell apart by what it sees) and estimated beyond it by quick games
/// that re-deal the deck; the play with the best mean hand difference wins. The last round is
/// searched to the hand's end.
#pragma once

#include <cstdint>
#include <vector>

#include "expert/model.h"

namespace tazkova::expert {

/// How hard the expert looks.
struct SearchSettings {
    int worlds = 250;       // sampled deals of the unseen cards
    int rollouts = 4;       // quick games from each end of the round searched
    int randomPercent = 0;  // how often a quick game's player plays at random
    /// The other side is taken to choose as the quick player does: a world whose hand for
    /// it would have made the quick player choose otherwise this round is kept the less
    /// often, half as often for every `choiceSlack` points its plays fall short (0: never).
    bool readPlays = true;
    int choiceSlack = 4;
};

/// A play: the hand card and the floor cards it takes (none for a lay).
using ExpertChoice = game::ChosenPlay;

/// How far the other side's plays this round fall short of the quick player's choices, had
/// it held `otherHand` (cards the seat has not seen): for each, the points by which its
/// total lies below the best the quick player saw. 0 without a whole record of the round.
int ChoiceShortfall(const Knowledge& knowledge, CardSet otherHand);

/// The seat's best play by the search; card 0 when no hand card may be played.
ExpertChoice ChoosePlay(const Knowledge& knowledge, const SearchSettings& settings = {});

/// A play with the search's estimate of its worth: the seat's mean hand difference (its
/// points less the other side's; the other way round in a reverse game) over the worlds.
struct WeighedPlay {
    ExpertChoice play;
    double worth = 0;
};

/// Every play the seat may make, in the order the game lists them, each weighed over the
/// same worlds as `ChoosePlay` weighs them (it chooses the first of the best). Even a lone
/// play is weighed. Empty when no hand card may be played.
std::vector<WeighedPlay> WeighPlays(const Knowledge& knowledge,
                                    const SearchSettings& settings = {});

}  // namespace tazkova::expert
