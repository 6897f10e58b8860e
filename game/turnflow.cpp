// The flow of a hand: showing each play, the pauses, the card frames, and whose turn is next.
#include "game/game.h"

namespace tazkova::game {

void Game::AfterHumanPlay() {
    MeBackToHide = 0;
    ShowPlay(DelayTime / 2);
    PickedSet.reset();
    if (PlayCount == kPlaysPerHand) {
        EndHand();
        return;
    }
    if (EndsRound(PlayCount)) {
        DealRound();
        return;
    }
    if (MePile.Count > 0) {
        ComputerTurn(MePile);
        ++PlayCount;
        ShowPlay(DelayTime);
        if (PlayCount == kPlaysPerHand) {
            EndHand();
        } else if (EndsRound(PlayCount)) {
            DealRound();
        }
    }
    Input = InputState::ChooseCard;
}

void Game::ShowPlay(int n) {
    display_.SetMsg(StatusText);
    display_.SetCounters({MatchNumber, HandNumber, RoundNo - 1});
    if (!OpenCards && MeBackToHide >= 1 && MeBackToHide <= kMeBackCount) {
        display_.SetMeBackVisible(MeBackToHide, false);
        display_.RedrawMeBack(MeBackToHide);
        Pause(DelayTime / 20);
    }
    for (int i = 1; i <= MovedCount; ++i) {
        display_.SetImageVisible(MovedCards[i], true);
        display_.RedrawImage(MovedCards[i]);
    }
    Pause(n);
    for (int i = 1; i <= MovedCount; ++i) {
        const int image = MovedCards[i];
        // A card laid on the floor stays; a taken one goes.
        display_.SetImageVisible(image, Table.images[image].tag == 1);
        display_.RedrawImage(image);
        SetCardFrame(image, true);
    }
}

void Game::Pause(int n) {
    if (MovedCount <= 0) return;
    display_.SetHourglassCursor();
    Wait(n);
    display_.SetDefaultCursor();
}

void Game::SetCardFrame(int image, bool hide) {
    if (image < 0 || image >= kDeckSize) return;
    const int frame = image + 1;
    display_.SetFrameVisible(frame, !hide);
    display_.RedrawFrame(frame);
    display_.RedrawImage(image);
    if (!hide) PlayWave(Wave::Card);
}

}  // namespace tazkova::game
