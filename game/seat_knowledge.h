/// What one seat at the table can know when it is to play: its own hand, the floor, the cards
/// it has seen face up this hand, both sides' captured counters and match scores, the turn,
/// the other side's declined sweeps, the round so far and the options. Nothing here can hold
/// the other side's hand or the order of the deck: a rule of the game, for the computer never
/// looks at the human's hand, and whoever chooses a play from it (the expert level) cannot.
#pragma once

#include <array>
#include <cstdint>

#include "game/cards.h"

namespace tazkova::game {

/// Cards are numbered 1..40 as the game numbers them; a set of cards is a mask with bit n
/// set for card n.
using CardSet = std::uint64_t;
constexpr CardSet CardBit(int card) {
    return CardSet{1} << card;
}

/// One side's captured cards, as the game counts them, and its points in the match.
struct SideCounters {
    int scoringSuit = 0;  // captured cards 11..20
    int sevens = 0;
    int sixSevens = 0;
    int cards = 0;
    int haya = 0;  // 1 once the seven of the scoring suit is taken
    int sweepPoints = 0;
    int lastCapturePlay = 0;  // the play count at the side's latest capture
    int matchScore = 0;       // the side's points in the match before this hand is scored

    /// Counts a card this side captured at play `playCount`, as the game's piles count it.
    void Count(int card, int playCount) {
        const CaptureMarks marks = MarksOf(card);
        if (marks.haya) haya = 1;
        scoringSuit += marks.scoringSuit;
        sixSevens += marks.sixOrSeven;
        sevens += marks.seven;
        ++cards;
        lastCapturePlay = playCount;
    }
    bool operator==(const SideCounters&) const = default;
};

/// A play of this round, as both seats saw it.
struct SeenPlay {
    int card = 0;
    CardSet takes = 0;  // the floor cards it took; none when the card was laid
    bool own = false;   // made by the seat itself
    bool operator==(const SeenPlay&) const = default;
};

/// The round so far: the floor and both sides' counters as they were when its cards were
/// dealt, then its plays in order. What the other side chose, from the floor it saw, tells
/// something of the cards it kept.
struct RoundSoFar {
    std::array<int, kDeckSize> floor{};  // in floor order
    int floorCount = 0;
    SideCounters own;
    SideCounters other;
    std::array<SeenPlay, kPlaysPerRound> plays{};
    int playCount = 0;
    bool operator==(const RoundSoFar&) const = default;
};

struct SeatKnowledge {
    /// The seat's hand cards in hand order, and the positions of it that may be played
    /// (1-based; a player who has chosen a card and waits for its floor cards has only it).
    std::array<int, kHandCards> hand{};
    int handCount = 0;
    int firstPlayable = 1;
    int lastPlayable = 0;
    /// The floor cards in floor order.
    std::array<int, kDeckSize> floor{};
    int floorCount = 0;
    /// Every card the seat has seen face up this hand: the floor cards dealt, its own cards,
    /// every card either side played.
    CardSet seen = 0;

    SideCounters own;
    SideCounters other;
    /// Ranks r (bit r) on whose floor of rank sum r a side laid a card this round: the
    /// other side's tell the seat what it does not hold; its own are what the other knows.
    std::uint16_t otherDeclined = 0;
    std::uint16_t ownDeclined = 0;

    RoundSoFar round;

    int playCount = 0;            // plays made this hand, 0..kPlaysPerHand - 1
    bool ownStartsRound = false;  // the seat is dealt to first and plays first in each round
    bool humanSeat = false;       // the seat plays by the human's clicks (its sweep by sum)

    int gameType = 2;
    int targetScore = 41;
    bool dinariRule = true;
    bool reverseGame = false;

    /// Seeds the seat's own generator (with the position): the same seed and position make
    /// the same choice.
    std::uint64_t seed = 0;
};

/// A seat's chosen play: the hand card and the floor cards it takes (none for a lay).
struct ChosenPlay {
    int card = 0;
    CardSet takes = 0;
    bool operator==(const ChosenPlay&) const = default;
};

/// One of the human's plays of a hand, with what the human's seat knew just before it (its
/// whole hand playable, as before the play's first click): what a review of the hand reads.
struct HumanPlayRecord {
    SeatKnowledge before;
    ChosenPlay play;
};

}  // namespace tazkova::game
