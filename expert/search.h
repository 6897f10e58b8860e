/// The expert's choice of a play: for each play of its hand, the same sampled worlds (the
/// unseen cards dealt at random to the other side's hand and the deck, as the other side's
/// declined sweeps allow), each searched to the end of the round (every play of the seat's,
/// the other side's as the quick player makes them) and estimated beyond it by quick games that
/// re-deal the deck; the play with the best mean hand difference wins. The last round is
/// searched to the hand's end.
#pragma once

#include "expert/knowledge.h"

namespace tazkova::expert {

/// How hard the expert looks.
struct SearchSettings {
    int worlds = 250;       // sampled deals of the unseen cards
    int rollouts = 4;       // quick games from each end of the round searched
    int randomPercent = 0;  // how often a quick game's player plays at random
    /// In the round's search the other side plays the quick player's choice; otherwise it
    /// plays the seat's worst case in each world, as if it saw the seat's cards.
    bool greedyOpponent = true;
};

/// A play: the hand card and the floor cards it takes (none for a lay).
struct ExpertChoice {
    int card = 0;
    CardSet takes = 0;
};

/// The seat's best play by the search; card 0 when no hand card may be played.
ExpertChoice ChoosePlay(const Knowledge& knowledge, const SearchSettings& settings = {});

}  // namespace tazkova::expert
