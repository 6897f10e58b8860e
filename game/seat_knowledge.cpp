// What a seat knows, kept from the table as it was shown, and the expert level's answer found
// among the plays the game lists.
#include <utility>

#include "game/game.h"

namespace tazkova::game {

namespace {

SideCounters CountersOf(const Pile& pile) {
    SideCounters out;
    out.scoringSuit = pile.ScoringSuitCount;
    out.sevens = pile.SevenCount;
    out.sixSevens = pile.SixSevenCount;
    out.cards = pile.CardCount;
    out.haya = pile.HasHaya;
    out.sweepPoints = pile.SweepPoints;
    out.lastCapturePlay = pile.LastCapturePlay;
    out.matchScore = pile.Score;
    return out;
}

std::uint16_t RankBits(const std::array<int, 11>& flags) {
    std::uint16_t out = 0;
    for (int r = 1; r <= 10; ++r) {
        if (flags[r] != 0) out |= static_cast<std::uint16_t>(1u << r);
    }
    return out;
}

CardSet TakenSet(const SeatPlay& play) {
    CardSet out = 0;
    for (int p = 0; p < play.pickedCount; ++p) out |= CardBit(play.picked[p]);
    return out;
}

}  // namespace

void Game::RecordRoundDealt() {
    Round = RoundSoFar{};
    Round.floorCount = std::min(FloorPile.Count, kDeckSize);
    for (int f = 0; f < Round.floorCount; ++f) Round.floor[f] = FloorPile.Cards[f + 1];
    Round.own = CountersOf(MePile);
    Round.other = CountersOf(YouPile);
}

void Game::RecordRoundPlay(const Play& play) {
    if (Round.playCount >= static_cast<int>(Round.plays.size())) return;
    SeenPlay& entry = Round.plays[Round.playCount++];
    entry.card = play.card;
    entry.own = play.side == Side::Computer;
    for (const int c : play.taken) entry.takes |= CardBit(c);
}

SeatKnowledge Game::KnowledgeOf(bool computer) const {
    const Pile& hand = computer ? MePile : YouPile;
    const Pile& other = computer ? YouPile : MePile;
    SeatKnowledge k;
    k.handCount = std::min(hand.Count, kHandCards);
    for (int i = 0; i < k.handCount; ++i) k.hand[i] = hand.Cards[i + 1];
    k.firstPlayable = 1;
    k.lastPlayable = k.handCount;
    if (!computer && Input == InputState::PickFloor)
        k.firstPlayable = k.lastPlayable = SelectedSlot;
    k.floorCount = std::min(FloorPile.Count, kDeckSize);
    for (int f = 0; f < k.floorCount; ++f) k.floor[f] = FloorPile.Cards[f + 1];
    // A seat has seen every card of the hand but those the other side holds and those the
    // deck still hides: the floor's first cards, its own, and every card played.
    CardSet hidden = 0;
    for (int i = 1; i <= other.Count; ++i) hidden |= CardBit(other.Cards[i]);
    for (int i = DeckPos; i <= kDeckSize; ++i) hidden |= CardBit(Deck[i]);
    for (int c = 1; c <= kDeckSize; ++c) {
        if ((hidden & CardBit(c)) == 0) k.seen |= CardBit(c);
    }
    k.own = CountersOf(hand);
    k.other = CountersOf(other);
    k.otherDeclined = RankBits(computer ? DeclinedSweep : ComputerDeclinedSweep);
    k.ownDeclined = RankBits(computer ? ComputerDeclinedSweep : DeclinedSweep);
    // The round so far, when the record is whole (every play since the deal is in it).
    if (Round.playCount == PlaysIntoRound(PlayCount)) {
        k.round = Round;
        if (!computer) {
            std::swap(k.round.own, k.round.other);
            for (int p = 0; p < Round.playCount; ++p) k.round.plays[p].own = !Round.plays[p].own;
        }
    }
    k.playCount = PlayCount;
    k.ownStartsRound = computer == ComputerStarts;
    k.humanSeat = !computer;
    k.gameType = GameType;
    k.targetScore = TargetScore;
    k.dinariRule = DinariRule;
    k.reverseGame = ReverseGame;
    // The generator's state changes only when cards are shuffled, so a hand's searches
    // are the same whenever the same seed deals it; they never draw from it.
    k.seed = (static_cast<std::uint64_t>(Rng.State()) << 32) ^
             static_cast<std::uint64_t>(MatchNumber * 1000 + HandNumber);
    return k;
}

ChosenPlay Game::ExpertChoice(bool computer) const {
    const SeatKnowledge knowledge = KnowledgeOf(computer);
    ChosenPlay choice;
    pauser_.Think([&] { choice = expert_->Choose(knowledge); });
    return choice;
}

int Game::ExpertPlay(const SeatPlays& list, int fallback) {
    const ChosenPlay choice = ExpertChoice(true);
    for (int p = 0; p < list.count; ++p) {
        const SeatPlay& play = list.plays[p];
        if (MePile.Cards[play.handIndex] == choice.card && TakenSet(play) == choice.takes) return p;
    }
    return fallback;
}

std::optional<PlaySuggestion> Game::ExpertSuggestion() const {
    const ChosenPlay choice = ExpertChoice(false);
    if (choice.card == 0) return std::nullopt;
    PlaySuggestion out;
    out.card = choice.card;
    for (int f = 1; f <= FloorPile.Count; ++f) {
        if (choice.takes & CardBit(FloorPile.Cards[f])) out.takes.push_back(FloorPile.Cards[f]);
    }
    return out;
}

}  // namespace tazkova::game
