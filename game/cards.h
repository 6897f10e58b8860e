/// Cards, their ranks and names, and the pile record shared by both sides and the floor.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tazkova::game {

/// Number of cards in the deck; cards are numbered 1..40, 0 meaning no card.
inline constexpr int kDeckSize = 40;
/// The seven of the scoring suit, scored on its own.
inline constexpr int kHayaCard = 17;
/// The highest rank (the king); ranks run 1..10.
inline constexpr int kTopRank = 10;

/// The shape of a hand: four cards laid on the floor, then six rounds of three cards to each
/// side, played alternately one card at a time.
inline constexpr int kFloorDealCards = 4;
inline constexpr int kHandCards = 3;  // a side's cards in each round
inline constexpr int kRoundsPerHand = 6;
inline constexpr int kPlaysPerRound = 2 * kHandCards;
inline constexpr int kPlaysPerHand = kRoundsPerHand * kPlaysPerRound;  // 36
static_assert(kFloorDealCards + kPlaysPerHand == kDeckSize);

/// Whether `playCount` plays close a round (every sixth play).
constexpr bool EndsRound(int playCount) {
    return playCount % kPlaysPerRound == 0;
}
/// The plays made so far in the round under way.
constexpr int PlaysIntoRound(int playCount) {
    return playCount % kPlaysPerRound;
}

/// Rank of a card: n mod 10, a remainder of 0 read as 10; 0 for no card.
constexpr int CardRank(int n) {
    if (n == 0) return 0;
    const int r = n % 10;
    return r == 0 ? 10 : r;
}

/// True for the cards of the scoring suit (diamonds, 11..20).
constexpr bool IsScoringSuit(int n) {
    return n >= 11 && n <= 20;
}

/// What a captured card counts for on its taker's counters: the one reading of it, for the
/// game's piles and for every model of a hand.
struct CaptureMarks {
    bool haya = false;  // the seven of the scoring suit
    bool scoringSuit = false;
    bool sixOrSeven = false;
    bool seven = false;
};
constexpr CaptureMarks MarksOf(int card) {
    const int rank = CardRank(card);
    return {card == kHayaCard, IsScoringSuit(card), rank == 6 || rank == 7, rank == 7};
}

/// The short name of card n ("7d", "Qc", "Kh"): rank name then suit letter; empty for a
/// number that is no card.
const std::string& CardName(int n);

/// One side's hand and capture counters, or the floor. Arrays are indexed 1..40.
struct Pile {
    int X = 0;
    int Y = 0;
    std::array<std::uint8_t, kDeckSize + 1> Cards{};  // small: a play copies the piles to keep it
    std::array<std::uint8_t, kDeckSize + 1> Slots{};
    int Count = 0;
    std::string_view Label;  // "  I", "You" or "Flr": always one of the game's own texts
    int HasHaya = 0;
    int ScoringSuitCount = 0;
    int SixSevenCount = 0;
    int CardCount = 0;
    int SweepPoints = 0;
    int SevenCount = 0;
    int LastCapturePlay = 0;
    bool RowLayout = false;
    int Score = 0;  // the side's points in the current match; survives InitPile
};

/// Resets a pile for a new hand; its match Score is kept.
void InitPile(Pile& pile, std::string_view label, int x, int y, bool rowLayout);

/// Gives the card just appended at index Count the lowest display position no other card
/// of the pile holds. Returns false (and changes nothing) when all 40 are taken.
bool AssignFreeSlot(Pile& pile);

/// Removes entry `index` (1..Count) of a pile: later cards move down one index with their
/// display positions, so none of them moves on the screen.
void RemoveFromPile(Pile& pile, int index);

/// Sum of the ranks of the cards of a pile.
int RankSum(const Pile& pile);

}  // namespace tazkova::game
