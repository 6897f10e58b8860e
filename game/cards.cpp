#include "game/cards.h"

namespace tazkova::game {

const std::string& CardName(int n) {
    static const std::array<std::string, kDeckSize + 1> names = [] {
        static constexpr const char* kRankNames[] = {"",  "1", "2", "3", "4", "5",
                                                     "6", "7", "Q", "J", "K"};
        static constexpr char kSuitLetters[] = {'c', 'd', 'h', 's'};
        std::array<std::string, kDeckSize + 1> made{};
        for (int c = 1; c <= kDeckSize; ++c)
            made[c] = std::string(kRankNames[CardRank(c)]) + kSuitLetters[(c - 1) / 10];
        return made;
    }();
    return n >= 1 && n <= kDeckSize ? names[n] : names[0];
}

void InitPile(Pile& pile, std::string_view label, int x, int y, bool rowLayout) {
    pile.Count = 0;
    pile.Cards.fill(0);
    pile.Slots.fill(0);
    pile.Label = label.substr(0, 4);
    pile.X = x;
    pile.Y = y;
    pile.HasHaya = 0;
    pile.ScoringSuitCount = 0;
    pile.SixSevenCount = 0;
    pile.CardCount = 0;
    pile.SweepPoints = 0;
    pile.SevenCount = 0;
    pile.LastCapturePlay = 0;
    pile.RowLayout = rowLayout;
}

bool AssignFreeSlot(Pile& pile) {
    if (pile.Count < 1 || pile.Count > kDeckSize) return false;
    for (int s = 1; s <= kDeckSize; ++s) {
        bool taken = false;
        for (int i = 1; i < pile.Count; ++i) {
            if (pile.Slots[i] == s) {
                taken = true;
                break;
            }
        }
        if (!taken) {
            pile.Slots[pile.Count] = s;
            return true;
        }
    }
    return false;
}

void RemoveFromPile(Pile& pile, int index) {
    if (index < 1 || index > pile.Count) return;
    for (int i = index; i < pile.Count; ++i) {
        pile.Cards[i] = pile.Cards[i + 1];
        pile.Slots[i] = pile.Slots[i + 1];
    }
    pile.Cards[pile.Count] = 0;
    pile.Slots[pile.Count] = 0;
    --pile.Count;
}

int RankSum(const Pile& pile) {
    int sum = 0;
    for (int i = 1; i <= pile.Count; ++i) sum += CardRank(pile.Cards[i]);
    return sum;
}

}  // namespace tazkova::game
