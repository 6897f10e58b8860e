/// Where the things of the card table lie, in window pixels: the places the rules give the
/// cards, the floor, the deck stack, the computer's face-down cards and the highlight frames.
/// The window draws at them and the recording table starts from them.
#pragma once

#include <array>

namespace tazkova::game {

/// A card image.
inline constexpr int kCardWidth = 71;
inline constexpr int kCardHeight = 96;
/// A frame lies this far right of its card's left edge, at the same top.
inline constexpr int kFrameShift = 2;
/// Where the frames wait before their card is first placed.
inline constexpr int kFrameHomeLeft = 179;
inline constexpr int kFrameHomeTop = 25;

/// Where the shuffle puts every card image: outside the window.
inline constexpr int kOffTableLeft = 8000;
inline constexpr int kOffTableTop = 1000;

/// The two hand rows: place p (1..3) of a row lies at kHandRowLeft + (p - 1) * kHandSlotStep.
inline constexpr int kHandRowLeft = 50;
inline constexpr int kHandSlotStep = 80;
inline constexpr int kComputerRowTop = 2;
inline constexpr int kHumanRowTop = 300;

/// Display positions of the floor that have a place of their own on the table.
inline constexpr int kFloorPlaces = 12;
/// Where the floor's display positions 1..12 lie: the middle square first, then the columns
/// at 252, 12, 332 and 412.
inline constexpr std::array<int, kFloorPlaces + 1> FloorSlotLeft{0,  92, 172, 92,  172, 252, 252,
                                                                 12, 12, 332, 332, 412, 412};
inline constexpr std::array<int, kFloorPlaces + 1> FloorSlotTop{0,   102, 102, 200, 200, 102, 200,
                                                                102, 200, 102, 200, 102, 200};

/// The deck stack: six card backs, image k (1..6) three pixels up and right of the one before.
inline constexpr int kDeckStackCount = 6;
constexpr int DeckStackLeft(int k) {
    return 400 + 3 * (k - 1);
}
constexpr int DeckStackTop(int k) {
    return 300 - 3 * (k - 1);
}

/// The computer's three face-down cards, where they lie before the first deal.
inline constexpr int kMeBackCount = 3;
inline constexpr std::array<int, kMeBackCount> kMeBackHomeLefts{60, 143, 224};
inline constexpr int kMeBackHomeTop = 5;

/// True when `index` names one of `count` objects numbered from `first`.
constexpr bool InRange(int index, int first, int count) {
    return index >= first && index < first + count;
}

}  // namespace tazkova::game
