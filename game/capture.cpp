// Taking one card into a side's captured cards, the picked floor cards, and sweeps.
#include "game/game.h"

namespace tazkova::game {

void Game::CaptureCard(Pile& pile, int index, Pile& taker) {
    if (index < 1 || index > pile.Count) return;
    const int card = pile.Cards[index];
    CountCapture(taker, card);
    SetCardFrame(card - 1, false);
    if (MovedCount < kDeckSize) {
        ++MovedCount;
        MovedCards[MovedCount] = card - 1;
    }
    display_.SetImageEnabled(card - 1, false);
    display_.SetImageTag(card - 1, 0);
    RemoveFromPile(pile, index);
}

void Game::CountCapture(Pile& taker, int card) {
    if (card == kHayaCard) {
        taker.HasHaya = 1;
        PlayWave(Wave::Haya);
    }
    if (IsScoringSuit(card)) ++taker.ScoringSuitCount;
    const int rank = CardRank(card);
    if (rank == 6 || rank == 7) ++taker.SixSevenCount;
    if (rank == 7) ++taker.SevenCount;
    ++taker.CardCount;
    taker.LastCapturePlay = PlayCount;
}

void Game::ClearPicks() {
    for (int i = 1; i <= FloorPile.Count; ++i) {
        if (PickedSet.test(i)) {
            PickedSet.reset(i);
            SetCardFrame(FloorPile.Cards[i] - 1, true);
        }
    }
    PickedSet.reset();
}

int Game::SweepValue(int floorCount, int floorSum) const {
    return game::SweepValue(GameType, floorCount, floorSum);
}

void Game::ScoreSweep(Pile& taker, int n, int s) {
    // The 36th and last play of the hand takes the cards but scores no sweep.
    if (PlayCount >= 35) return;
    taker.SweepPoints += SweepValue(n, s);
    PlayWave(Wave::Sweep);
    StatusText += " Tazkova!!";
}

}  // namespace tazkova::game
