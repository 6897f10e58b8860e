// Passing what happens in a game on to everyone who listens.
#include "game/events.h"

namespace tazkova::game {

void GameListeners::HandStarted(const HandStart& start) {
    for (GameListener* l : listeners_) l->HandStarted(start);
}

void GameListeners::RoundDealt(int round) {
    for (GameListener* l : listeners_) l->RoundDealt(round);
}

void GameListeners::PlayMade(const Play& play) {
    for (GameListener* l : listeners_) l->PlayMade(play);
}

void GameListeners::PickChanged(int card, bool picked) {
    for (GameListener* l : listeners_) l->PickChanged(card, picked);
}

void GameListeners::RestGathered(const Gather& gather) {
    for (GameListener* l : listeners_) l->RestGathered(gather);
}

void GameListeners::HandScored(const ScoreSheet& sheet) {
    for (GameListener* l : listeners_) l->HandScored(sheet);
}

void GameListeners::MatchEnded(const MatchEnd& end) {
    for (GameListener* l : listeners_) l->MatchEnded(end);
}

void GameListeners::GameEnded(Side winner) {
    for (GameListener* l : listeners_) l->GameEnded(winner);
}

}  // namespace tazkova::game
