// The computer's turn, and laying a hand card on the floor (for either side).
#include "game/game.h"

namespace tazkova::game {

void Game::ComputerTurn(Pile& pile) {
    if (pile.Count < 1) return;
    display_.SetHourglassCursor();
    PickedSet.reset();
    MeBackToHide = 0;
    AutoPlay(pile, 1, pile.Count, false);
    display_.SetDefaultCursor();
}

void Game::MoveCard(int index, Pile& source, Pile& destination) {
    if (index < 1 || index > source.Count || destination.Count >= kDeckSize) return;
    const int card = source.Cards[index];
    Trace([&] {
        return "MoveCard " + std::string(destination.Label) + "Has " +
               std::to_string(destination.Count);
    });
    Trace([&] { return std::string(source.Label) + " Plays " + CardName(card); });
    ++destination.Count;
    if (!AssignFreeSlot(destination)) destination.Slots[destination.Count] = destination.Count;
    destination.Cards[destination.Count] = card;
    PlaceCard(destination, destination.Count, true);
    if (MovedCount < kDeckSize) {
        ++MovedCount;
        MovedCards[MovedCount] = card - 1;
    }
    SetCardFrame(card - 1, false);
    display_.SetImageTag(card - 1, 1);
    RemoveFromPile(source, index);
}

}  // namespace tazkova::game
