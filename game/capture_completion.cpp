#include "game/capture_completion.h"

#include <cstddef>

namespace tazkova::game {

std::vector<int> CardsCompletingACapture(const std::vector<int>& floorRanks,
                                         const std::vector<bool>& picked, int rank) {
    const std::size_t n = floorRanks.size();
    unsigned pickedSet = 0;
    for (std::size_t i = 0; i < n && i < picked.size(); ++i)
        if (picked[i]) pickedSet |= 1u << i;
    // Every set of floor cards that holds the picked ones (a floor has at most a dozen).
    unsigned useful = 0;
    for (unsigned set = 0; set < (1u << n); ++set) {
        if ((set & pickedSet) != pickedSet) continue;
        int sum = 0;
        for (std::size_t i = 0; i < n; ++i)
            if (set & (1u << i)) sum += floorRanks[i];
        if (sum == rank) useful |= set;
    }
    std::vector<int> cards;
    for (std::size_t i = 0; i < n; ++i)
        if ((useful & ~pickedSet) & (1u << i)) cards.push_back(static_cast<int>(i));
    return cards;
}

std::vector<int> WaitedForCards(const Game& table) {
    const GameState& game = table.State();
    if (game.Input != InputState::PickFloor || game.SelectedSlot < 1 ||
        game.SelectedSlot > game.YouPile.Count)
        return {};
    std::vector<int> ranks;
    std::vector<bool> picked;
    for (int f = 1; f <= game.FloorPile.Count; ++f) {
        ranks.push_back(CardRank(game.FloorPile.Cards[f]));
        picked.push_back(game.PickedSet.test(static_cast<std::size_t>(f)));
    }
    std::vector<int> cards;
    for (const int at :
         CardsCompletingACapture(ranks, picked, CardRank(game.YouPile.Cards[game.SelectedSlot])))
        cards.push_back(game.FloorPile.Cards[at + 1]);
    return cards;
}

}  // namespace tazkova::game
