#include "tests/soak/table_checks.h"

#include <array>
#include <utility>

namespace tazkova::soak {

using namespace tazkova::game;

namespace {

enum class Place { Captured, Me, You, Floor, Deck };

std::string N(int value) {
    return std::to_string(value);
}

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

/// Where each card 1..40 is, or the reason the piles and the deck do not say it once.
struct Places {
    std::array<Place, kDeckSize + 1> of{};
    std::string broken;
};

Places LocateCards(const Game& g) {
    Places out;
    std::array<bool, kDeckSize + 1> placed{};
    auto put = [&](int card, Place place, const std::string& where) {
        if (!out.broken.empty()) return;
        if (!InRange(card, 1, kDeckSize)) {
            out.broken = where + ": card number " + N(card) + " out of range";
        } else if (placed[card]) {
            out.broken = where + ": card " + CardName(card) + " is in two places";
        } else {
            placed[card] = true;
            out.of[card] = place;
        }
    };
    const std::pair<const Pile*, Place> piles[] = {{&g.State().MePile, Place::Me},
                                                   {&g.State().YouPile, Place::You},
                                                   {&g.State().FloorPile, Place::Floor}};
    for (const auto& [pile, place] : piles) {
        if (!InRange(pile->Count, 0, kDeckSize)) {
            out.broken = std::string(pile->Label) + ": count " + N(pile->Count) + " out of range";
            return out;
        }
        std::array<bool, kDeckSize + 1> slotTaken{};
        for (int i = 1; i <= pile->Count; ++i) {
            put(pile->Cards[i], place, std::string(pile->Label));
            const int slot = pile->Slots[i];
            if (!InRange(slot, 1, kDeckSize)) {
                out.broken =
                    std::string(pile->Label) + ": display position " + N(slot) + " out of range";
            } else if (slotTaken[slot]) {
                out.broken =
                    std::string(pile->Label) + ": two cards at display position " + N(slot);
            } else {
                slotTaken[slot] = true;
            }
            if (!out.broken.empty()) return out;
        }
        for (int i = pile->Count + 1; i <= kDeckSize; ++i) {
            if (pile->Cards[i] != 0) {
                out.broken = std::string(pile->Label) + ": a card is left beyond the count";
                return out;
            }
        }
    }
    if (!InRange(g.State().DeckPos, 1, kDeckSize + 1)) {
        out.broken = "DeckPos " + N(g.State().DeckPos) + " out of range";
        return out;
    }
    std::array<bool, kDeckSize + 1> inDeck{};
    for (int pos = 1; pos <= kDeckSize; ++pos) {
        const int card = g.State().Deck[pos];
        if (!InRange(card, 1, kDeckSize) || inDeck[card]) {
            out.broken = "the deck is not a permutation of the 40 cards";
            return out;
        }
        inDeck[card] = true;
    }
    for (int pos = g.State().DeckPos; pos <= kDeckSize; ++pos)
        put(g.State().Deck[pos], Place::Deck, "deck");
    return out;  // cards placed nowhere have been captured
}

/// The side counters against the captured cards: both sides together counted each captured
/// card exactly once.
std::string CounterRule(const Game& g, const Places& places) {
    int captured = 0, suit = 0, sevens = 0, sixesAndSevens = 0, haya = 0;
    for (int card = 1; card <= kDeckSize; ++card) {
        if (places.of[card] != Place::Captured) continue;
        const int rank = CardRank(card);
        ++captured;
        suit += IsScoringSuit(card) ? 1 : 0;
        sevens += rank == 7 ? 1 : 0;
        sixesAndSevens += rank == 6 || rank == 7 ? 1 : 0;
        haya += card == kHayaCard ? 1 : 0;
    }
    const Pile& me = g.State().MePile;
    const Pile& you = g.State().YouPile;
    if (me.CardCount + you.CardCount != captured)
        return "captured counts " + N(me.CardCount) + "+" + N(you.CardCount) + " but " +
               N(captured) + " cards are off the table";
    if (me.ScoringSuitCount + you.ScoringSuitCount != suit) return "scoring-suit counts disagree";
    if (me.SevenCount + you.SevenCount != sevens) return "seven counts disagree";
    if (me.SixSevenCount + you.SixSevenCount != sixesAndSevens) return "six-seven counts disagree";
    if (!InRange(me.HasHaya, 0, 1) || !InRange(you.HasHaya, 0, 1) ||
        me.HasHaya + you.HasHaya != haya)
        return "the seven of the scoring suit is counted wrongly";
    if (me.Score < 0 || you.Score < 0) return "a negative match total";
    if (!InRange(g.State().MeMatchWins, 0, 2) || !InRange(g.State().YouMatchWins, 0, 2))
        return "match wins out of range";
    if (g.State().MatchNumber < 1 || g.State().HandNumber < 0)
        return "match or hand number out of range";
    if (!InRange(g.State().PlayCount, 0, 36))
        return "PlayCount " + N(g.State().PlayCount) + " out of range";
    if (!InRange(g.State().RoundNo, 1, 7))
        return "RoundNo " + N(g.State().RoundNo) + " out of range";
    if (!InRange(g.State().MovedCount, 0, kDeckSize)) return "MovedCount out of range";
    for (int i = 1; i <= g.State().MovedCount; ++i) {
        if (!InRange(g.State().MovedCards[i], 0, kDeckSize - 1)) return "a moved card out of range";
    }
    if (!InRange(g.State().MeBackToHide, 0, 3)) return "MeBackToHide out of range";
    for (int r = 1; r <= 10; ++r) {
        if (!InRange(g.State().SeenRanks[r], 0, 4))
            return "SeenRanks of rank " + N(r) + " out of range";
        if (!InRange(g.State().DeclinedSweep[r], 0, 1)) return "DeclinedSweep out of range";
    }
    return {};
}

/// What the player sees against where the cards are. The cards of the play being shown in a
/// pause are left out: they are on their way.
std::string ImageRule(const Game& g, const RecordingTable& t, const Places& places, Moment moment) {
    std::array<bool, kDeckSize> showing{};
    if (moment == Moment::DuringPause) {
        for (int i = 1; i <= g.State().MovedCount; ++i) showing[g.State().MovedCards[i]] = true;
    }
    for (int card = 1; card <= kDeckSize; ++card) {
        const int image = card - 1;
        if (showing[image]) continue;
        const ImageState& im = t.Images()[image];
        auto name = [card] { return CardName(card); };
        switch (places.of[card]) {
            case Place::Captured:
                if (im.visible || im.enabled || im.tag != 0)
                    return "captured card " + name() + " is still shown, enabled or tagged";
                break;
            case Place::Deck:
                if (im.visible) return "undealt card " + name() + " is shown";
                break;
            case Place::Floor:
            case Place::You:
                if (!im.visible || !im.enabled)
                    return "card " + name() + " on the table is hidden or disabled";
                break;
            case Place::Me:
                if (!im.enabled || im.visible != g.State().OpenCards)
                    return "the computer's card " + name() + " is shown wrongly";
                break;
        }
        // Frames mark the human's choice and picks. One may stay on a card that a new game
        // put back in the deck, where the window draws no frame around a hidden card.
        if (moment == Moment::BetweenCommands && t.Frames()[image].visible &&
            (places.of[card] == Place::Captured || places.of[card] == Place::Me))
            return "the frame of " + name() + " shows off the human's reach";
    }
    if (moment == Moment::BetweenCommands) {
        // The last play shown: a laid card lies face up with the tag of a laid card.
        for (int i = 1; i <= g.State().MovedCount; ++i) {
            const int image = g.State().MovedCards[i];
            const ImageState& im = t.Images()[image];
            if (places.of[image + 1] == Place::Floor && (!im.visible || im.tag != 1))
                return "laid card " + CardName(image + 1) + " is not shown with tag 1";
        }
        for (int f = 1; f <= g.State().FloorPile.Count; ++f) {
            if (g.State().PickedSet.test(f) &&
                !t.Frames()[g.State().FloorPile.Cards[f] - 1].visible)
                return "a picked floor card has no frame";
        }
    }
    return {};
}

/// Between commands: the picks lie on the floor (a play may take the floor from under them,
/// and drops them when it ends), and in a running hand the deal, the plays and the turn agree.
std::string TurnRule(const Game& g) {
    for (std::size_t f = 0; g.State().PickedSet.any() && f < g.State().PickedSet.size(); ++f) {
        if (g.State().PickedSet.test(f) &&
            !InRange(static_cast<int>(f), 1, g.State().FloorPile.Count))
            return "a picked place " + N(static_cast<int>(f)) + " off the floor";
    }
    if (g.State().HandNumber < 1) return {};
    const Pile& me = g.State().MePile;
    const Pile& you = g.State().YouPile;
    if (!g.State().GameActive) {
        if (g.State().MeMatchWins < 2 && g.State().YouMatchWins < 2)
            return "the game stopped before it was won";
        if (me.Count + you.Count + g.State().FloorPile.Count != 0)
            return "cards left after the game";
        return {};
    }
    const int dealt = g.State().DeckPos - 1;
    if (dealt != 4 + 6 * (g.State().RoundNo - 1))
        return "RoundNo " + N(g.State().RoundNo) + " disagrees with DeckPos " +
               N(g.State().DeckPos);
    if (g.State().PlayCount != dealt - 4 - me.Count - you.Count)
        return "PlayCount " + N(g.State().PlayCount) + " disagrees with the cards dealt and held";
    if (g.State().PlayCount >= 36) return "the hand did not end after its 36th play";
    if (you.Count < 1) return "the human has no card to play: the table is stuck";
    if (me.Count != you.Count && me.Count != you.Count - 1) return "the turn order is broken";
    if (g.State().Input == InputState::Closed) return "a running hand takes no input";
    if (g.State().Input == InputState::PickFloor && !InRange(g.State().SelectedSlot, 1, you.Count))
        return "the chosen hand card is not in the hand";
    return {};
}

}  // namespace

std::string BrokenRule(const Game& g, const RecordingTable& t, Moment moment) {
    const Places places = LocateCards(g);
    if (!places.broken.empty()) return places.broken;
    std::string broken = CounterRule(g, places);
    if (broken.empty()) broken = ImageRule(g, t, places, moment);
    if (broken.empty() && moment == Moment::BetweenCommands) broken = TurnRule(g);
    // The game draws a taken-back play from its own record of the table: it must be what
    // the table was told.
    if (broken.empty() && g.State().Table != t.View())
        broken = "the game's record of the table is not what the table shows";
    return broken;
}

}  // namespace tazkova::soak
