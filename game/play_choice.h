/// The choice of a play for one seat at the table: every play the seat's hand cards can
/// make on the floor (an equal rank, a sum of floor cards, a lay, and for the human's seat
/// the sweep of the whole floor by sum), each scored by the level's weights, and the best.
/// The computer's turn and the hint given to the human both choose through it; it reads
/// only what it is given.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "game/cards.h"

namespace tazkova::game {

/// What one side may look at when it chooses its play.
struct SeatView {
    const Pile* hand = nullptr;  // the seat's hand; positions first..last are tried
    int first = 1;
    int last = 0;
    const Pile* floor = nullptr;
    const Pile* own = nullptr;    // the seat's captured cards, as counters
    const Pile* other = nullptr;  // the other side's
    /// For each rank 1..10, how many of its four cards the seat has seen this hand.
    const std::array<int, 11>* seenRanks = nullptr;
    /// Rank r set when the other side laid a card on a floor of rank sum r this round: it
    /// holds no card of rank r.
    const std::array<int, 11>* declinedSweeps = nullptr;
    int level = 4;
    bool dinariRule = true;
    bool reverseGame = false;
    int gameType = 2;
    /// The human's clicks: a card whose rank equals the floor's whole rank sum takes the
    /// whole floor, whatever else it could take. The computer's search has no such rule.
    bool sweepByFloorSum = false;
};

/// How a hand card can play.
enum class PlayKind { EqualRank, Sum, Lay, Sweep };

/// One candidate play: the hand card at `handIndex` taking the floor cards `picked`. Made
/// with `SeatPlay{}`, all zero; a list of them is left uninitialised, as only the entries
/// recorded are ever read.
struct SeatPlay {
    int handIndex;
    std::array<int, 10> picked;  // card numbers, in the order they are taken
    int pickedCount;
    int floorRest;  // the floor's rank sum after the play
    int total;      // the score, exposure penalty included
};

/// What the search found for one hand card.
struct CardPlays {
    PlayKind kind = PlayKind::Lay;
    int sameCount = 0;  // equal-rank floor cards
    int sumCount = 0;   // sum captures found
};

/// Every play of the seat's hand positions, in the order the ties are broken: by hand
/// position, and for one card its sum captures in the order of their partitions.
struct SeatPlays {
    // Three hand cards of rank 10, each with every way of making 10.
    static constexpr int kCapacity = 99;
    std::array<SeatPlay, kCapacity> plays;
    int count = 0;
    std::array<CardPlays, kDeckSize + 1> cards{};  // by hand position
};

/// What a sweep is worth: the floor's rank sum in the games counted by value, otherwise a
/// point for each card the game type gives (0 or 1 a card) plus one.
int SweepValue(int gameType, int floorCount, int floorSum);

/// Lists and scores the plays of the seat. Declare the list as `SeatPlays list;`.
void ListSeatPlays(const SeatView& seat, SeatPlays& out);

/// The number of the best play in the list (the highest total, the lowest in a reverse
/// game; the first of equal totals), or -1 for an empty list.
int BestSeatPlay(const SeatPlays& list, bool reverseGame);

/// A play as the human would make it: the card to play and the floor cards it takes.
struct PlaySuggestion {
    int card = 0;
    std::vector<int> takes;
    bool operator==(const PlaySuggestion&) const = default;
};

/// The best play of the seat, or nothing when its hand positions hold no card.
std::optional<PlaySuggestion> ChooseSeatPlay(const SeatView& seat);

}  // namespace tazkova::game
