/// A lean model of one hand: cards as small integers and masks, both hands, the floor in
/// order, the rest of the deck, the captured counters. Its plays, its deals and its hand
/// score are the game's own, for the computer's seat and for the human's (whose card sweeps
/// the floor when its rank equals the floor's whole sum), so the expert can search it fast.
#pragma once

#include <array>
#include <cstdint>

#include "game/cards.h"
#include "game/play_choice.h"
#include "game/seat_knowledge.h"

namespace tazkova::expert {

// The cards, their sets and what a seat knows are the game's own.
using game::CardSet;
using game::IsScoringSuit;
using game::kDeckSize;
using game::kHandCards;
using game::kHayaCard;
using game::RoundSoFar;
using game::SeenPlay;
using game::SideCounters;
using Knowledge = game::SeatKnowledge;

/// The two sides, as the game numbers its piles' owners.
inline constexpr int kComputer = 0;
inline constexpr int kHuman = 1;

/// The game's ranks looked up in a table: the search asks for them in its innermost loops.
inline constexpr std::array<std::uint8_t, kDeckSize + 1> kRanks = [] {
    std::array<std::uint8_t, kDeckSize + 1> out{};
    for (int n = 1; n <= kDeckSize; ++n) out[n] = static_cast<std::uint8_t>(game::CardRank(n));
    return out;
}();
inline constexpr int CardRank(int n) {
    return kRanks[n];
}
/// The number of cards in a set (without a call: the machines the game runs on need not
/// count bits in one instruction).
inline constexpr int CountCards(CardSet set) {
    set = set - ((set >> 1) & 0x5555555555555555ull);
    set = (set & 0x3333333333333333ull) + ((set >> 2) & 0x3333333333333333ull);
    set = (set + (set >> 4)) & 0x0f0f0f0f0f0f0f0full;
    return static_cast<int>((set * 0x0101010101010101ull) >> 56);
}
inline constexpr CardSet Bit(int card) {
    return game::CardBit(card);
}
/// Every card of the deck.
inline constexpr CardSet kAllCards = (CardSet{1} << (kDeckSize + 1)) - 2;

/// The options that change the plays and the score.
struct Rules {
    int gameType = 2;
    int targetScore = 41;
    bool dinariRule = true;
    bool reverseGame = false;
};

/// One hand with everything in it known: a sampled world, or the real table in a test.
struct Position {
    std::array<std::array<std::uint8_t, kHandCards>, 2> hand{};  // in hand order
    std::array<std::uint8_t, 2> handCount{};
    std::array<std::uint8_t, kDeckSize> floor{};  // in floor order
    int floorCount = 0;
    std::array<std::uint8_t, kDeckSize> deck{};  // the cards still to deal, in dealing order
    int deckPos = 0;
    int deckEnd = 0;
    CardSet deckSet = 0;  // the cards of deck[deckPos..deckEnd)
    std::array<SideCounters, 2> side{};
    std::array<std::uint16_t, 2> declined{};  // by the side that laid
    int playCount = 0;
    int starter = kComputer;  // the side dealt to first and playing first in each round
    Rules rules;

    int FloorSum() const;
    /// The deck to deal from: `count` cards in dealing order.
    void SetDeck(const std::uint8_t* cards, int count);
    CardSet DeckSet() const { return deckSet; }
    CardSet HandSet(int s) const;
    /// The side whose turn it is.
    int ToMove() const { return game::PlaysIntoRound(playCount) % 2 == 0 ? starter : 1 - starter; }
    /// What side `s` has seen this hand: every card but the other's hand and the deck.
    CardSet SeenBy(int s) const;
};

/// One play: the hand card at `handPos` (0-based) taking the floor cards `picked` (none for a
/// lay). `total` is the level-four score the cheap player judges it by.
struct Play {
    std::uint8_t handPos;
    std::uint8_t card;
    std::uint8_t pickedCount;
    std::int8_t floorRest;
    int total;
    CardSet picked;
};

/// Every play of side `s` from hand positions first..last (0-based), in the game's order:
/// by hand position, and for one card its sum captures in the order of their partitions.
struct PlayList {
    static constexpr int kCapacity = game::SeatPlays::kCapacity;
    std::array<Play, kCapacity> plays;
    int count = 0;
};
void ListPlays(const Position& pos, int s, PlayList& out, int first = 0, int last = kHandCards - 1);

/// Scores the list as the level-four computer does (its weights, the exposure to a sweep
/// judged from what side `s` has seen and the other's declined sweeps) and returns the
/// index of the play it would choose (-1 for an empty list).
int ChooseLevelFour(const Position& pos, int s, PlayList& list);

/// Makes a play of the side to move; the round's deal and the hand's end are apart.
void ApplyPlay(Position& pos, const Play& play);

/// Deals the next round from the deck: three cards each, the starter first.
void DealRound(Position& pos);

/// The hand's end: the floor to the side that captured last, then the points each side
/// gains (sweeps, the scoring-suit rule and all), as the score sheet shows them.
struct HandGains {
    int gain[2] = {0, 0};
    bool closedBySuit = false;
};
HandGains ScoreHand(const Position& pos);

}  // namespace tazkova::expert
