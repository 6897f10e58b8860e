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
    const CaptureMarks marks = MarksOf(card);
    if (marks.haya) {
        taker.HasHaya = 1;
        PlayWave(Wave::Haya);
    }
    taker.ScoringSuitCount += marks.scoringSuit;
    taker.SixSevenCount += marks.sixOrSeven;
    taker.SevenCount += marks.seven;
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
    if (PlayCount >= kPlaysPerHand - 1) return;
    const int points = SweepValue(n, s);
    taker.SweepPoints += points;
    swept_ = true;
    sweptPoints_ = points;
    PlayWave(Wave::Sweep);
    StatusText += " Tazkova!!";
}

void Game::ReportPlay(const Pile& taker, int card) {
    Play play;
    play.side = SideOf(taker);
    play.card = card;
    // The played card moved first; every card moved after it was taken by it.
    for (int i = 2; i <= MovedCount; ++i) play.taken.Add(MovedCards[i] + 1);
    play.sweep = swept_;
    play.sweepPoints = sweptPoints_;
    play.clearedFloor = !play.Laid() && FloorPile.Count == 0;
    swept_ = false;
    sweptPoints_ = 0;
    RecordRoundPlay(play);
    if (play.side == Side::Human) {
        ChosenPlay made{card, 0};
        for (const int c : play.taken) made.takes |= CardBit(c);
        humanPlays_.push_back({humanBefore_, made});
    }
    listeners_.PlayMade(play);
}

}  // namespace tazkova::game
