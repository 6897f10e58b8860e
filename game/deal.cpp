// New games and hands: the shuffle, dealing a card, placing it, and the six rounds.
#include "game/game.h"
#include "game/texts.h"

namespace tazkova::game {

namespace {
// Where the images of floor cards beyond the twelfth display position are drawn: over the
// twelve places again, shifted so that the card beneath still shows.
void FloorPlace(int slot, int& left, int& top) {
    if (slot >= 1 && slot <= kFloorPlaces) {
        left = FloorSlotLeft[slot];
        top = FloorSlotTop[slot];
        return;
    }
    const int base = slot < 1 ? 1 : (slot - 1) % kFloorPlaces + 1;
    const int layer = slot < 1 ? 1 : (slot - 1) / kFloorPlaces;
    left = FloorSlotLeft[base] + 12 * layer;
    top = FloorSlotTop[base] + 10 * layer;
}
}  // namespace

void Game::NewGame() {
    BuildGameTitle();
    Results.ClearBoxes();
    Results.SetFaces(Face::ComputerDispleased, Face::HumanDispleased);
    Input = InputState::Closed;
    ComputerStarts = Random(2) == 0;
    MePile.Score = 0;
    YouPile.Score = 0;
    YouMatchWins = 0;
    MeMatchWins = 0;
    MatchNumber = 1;
    HandNumber = 0;
    GameActive = true;
    display_.SetOfficeLogoVisible(false);
    StartHand();
}

void Game::StartHand() {
    ForgetPlays();
    humanPlays_.clear();
    SeenRanks.fill(0);
    HumanSeenRanks.fill(0);
    ++HandNumber;
    const bool computerStarts = AlternateStart ? !ComputerStarts : ComputerStarts;
    listeners_.HandStarted({MatchNumber, HandNumber, computerStarts ? Side::Computer : Side::Human,
                            MatchNumber == 1 && HandNumber == 1, Level, GameType});
    Shuffle();
    RoundNo = 1;
    DeckPos = 1;
    InitPile(MePile, "  I", kHandRowLeft, kComputerRowTop, true);
    InitPile(YouPile, "You", kHandRowLeft, kHumanRowTop, true);
    InitPile(FloorPile, "Flr", 0, 0, false);
    display_.SetCounters({MatchNumber, HandNumber, RoundNo});
    BuildGameTitle();
    display_.SetMsg(std::string(texts::kStartOfNewGame) + GameTitle);
    if (AlternateStart) ComputerStarts = !ComputerStarts;
    for (int i = 0; i < kFloorDealCards; ++i) DealCard(FloorPile, true, true);
    LayOutPile(FloorPile, true);
    Input = InputState::ChooseCard;
    PlayCount = 0;
    DealRound();
}

void Game::Shuffle() {
    display_.SetLastRoundMarkerVisible(false);
    display_.SetHourglassCursor();
    for (int i = 0; i < kDeckSize; ++i) {
        display_.SetImageVisible(i, false);
        display_.SetImageEnabled(i, true);
        display_.SetImageTag(i, 0);
        display_.SetImagePos(i, kOffTableLeft, kOffTableTop);
    }
    display_.SetMsg(std::string(texts::kMomentText));
    display_.RedrawMsg();
    for (int k = 1; k <= kMeBackCount; ++k) display_.SetMeBackVisible(k, false);

    // The swap partner is the card number found at a random place, used as a place:
    // the deck is always a permutation of 1..40, so it is always valid.
    for (int i = 1; i <= kDeckSize; ++i) {
        const int r = Random(40);
        const int j = Deck[r + 1];
        std::swap(Deck[i], Deck[j]);
    }
    PlayWave(Wave::Shuffle);
    for (int i = 1; i <= 4000; ++i) {
        const int a = Deck[Random(40) + 1];
        const int b = Deck[Random(40) + 1];
        const int t = Random(4) + 1;
        if (i % 200 == 0) {
            display_.SetDeckStackVisible(t + 1, !Table.deckStack[t]);
            for (int k = 1; k <= kDeckStackCount; ++k) display_.RedrawDeckStack(k);
        }
        std::swap(Deck[a], Deck[b]);
    }
    for (int k = 1; k <= kDeckStackCount; ++k) {
        display_.SetDeckStackVisible(k, true);
        display_.RedrawDeckStack(k);
        PlayWave(Wave::Shuffle);
    }
    display_.SetDefaultCursor();
    display_.SetMsg("");
    StopWave(Wave::Shuffle);
}

void Game::DealCard(Pile& pile, bool visible, bool noteSeen) {
    if (DeckPos < 1 || DeckPos > kDeckSize || pile.Count >= kDeckSize) return;
    ++pile.Count;
    pile.Cards[pile.Count] = Deck[DeckPos];
    if (!AssignFreeSlot(pile)) pile.Slots[pile.Count] = pile.Count;
    if (noteSeen) NoteSeen(Deck[DeckPos]);
    // The human sees the floor cards and its own; the computer's are dealt face down.
    if (&pile != &MePile) ++HumanSeenRanks[CardRank(Deck[DeckPos])];
    PlayWave(Wave::Card);
    PlaceCard(pile, pile.Count, visible);
    ++DeckPos;
}

void Game::PlaceCard(Pile& pile, int k, bool visible) {
    const int card = pile.Cards[k];
    if (card < 1 || card > kDeckSize) return;
    const int image = card - 1;
    int left = 0, top = 0;
    if (pile.RowLayout) {
        top = pile.Y;
        left = pile.X + (pile.Slots[k] - 1) * kHandSlotStep;
    } else {
        FloorPlace(pile.Slots[k], left, top);
    }
    display_.SetImagePos(image, left, top);
    display_.SetImageVisible(image, visible);
    display_.RedrawImage(image);
    display_.SetFramePos(card, left + kFrameShift, top);
    display_.SetFrameVisible(card, false);
}

void Game::LayOutPile(Pile& pile, bool visible) {
    for (int k = 1; k <= pile.Count; ++k) {
        if (pile.Cards[k] > 0) PlaceCard(pile, k, visible);
    }
}

void Game::DealRound() {
    DeclinedSweep.fill(0);
    ComputerDeclinedSweep.fill(0);
    if (!ComputerStarts) Pause(DelayTime / 4);
    display_.SetHourglassCursor();
    for (int i = 1; i <= kHandCards; ++i) {
        if (i == kHandCards && RoundNo >= 1 && RoundNo <= kRoundsPerHand)
            display_.SetDeckStackVisible(kRoundsPerHand + 1 - RoundNo, false);
        if (RoundNo == kRoundsPerHand) display_.SetLastRoundMarkerVisible(true);
        if (ComputerStarts) {
            DealCard(MePile, OpenCards, true);
            DealCard(YouPile, true, false);
        } else {
            DealCard(YouPile, true, false);
            DealCard(MePile, OpenCards, true);
        }
        YouPile.Slots[i] = i;
        MePile.Slots[i] = i;
        display_.SetMeBackPos(i, MePile.X + (i - 1) * kHandSlotStep, MePile.Y);
        display_.SetMeBackVisible(i, !OpenCards);
        if (!OpenCards) display_.RedrawMeBack(i);
        Pause(DelayTime / 200);
    }
    display_.SetDefaultCursor();
    Pause(DelayTime / 10);
    ++RoundNo;
    RecordRoundDealt();
    listeners_.RoundDealt(RoundNo - 1);
    PickedSet.reset();
    MovedCount = 0;
    if (ComputerStarts) {
        ComputerTurn(MePile);
        ++PlayCount;
        ShowPlay(DelayTime);
    }
}

}  // namespace tazkova::game
