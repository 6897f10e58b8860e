/// The ways of writing a rank as a sum of smaller ranks, in the order the rules number them:
/// the computer's search lists its sum captures by them, and the expert's model of a hand
/// lists them the same way, both from the one reading of the table here.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "game/cards.h"

namespace tazkova::game {

/// The ways of writing each rank 2..10 as a sum of two or more smaller parts, one digit a
/// part. The order of the tokens numbers a card's sum captures and so breaks ties.
inline constexpr std::array<std::string_view, 11> kSumPartitions{
    "",
    "",
    "11 ",
    "21 111 ",
    "22 31 211 1111 ",
    "32 41 221 311 2111 ",
    "33 42 222 51 321 411 2211 3111 21111 ",
    "43 52 322 61 331 421 2221 511 3211 4111 22111 31111 ",
    "44 53 62 332 422 2222 71 431 521 3221 611 3311 4211 22211 5111 32111 41111 221111 ",
    "54 63 333 72 432 522 3222 81 441 531 621 3321 4221 22221 711 4311 5211 32211 6111 33111 "
    "42111 222111 51111 321111 ",
    "55 64 73 433 82 442 532 622 3322 4222 91 541 631 3331 721 4321 5221 32221 811 4411 5311 "
    "6211 33211 42211 222211 7111 43111 52111 322111 61111 331111 421111 2221111 ",
};

/// One way of writing a rank as a sum: its parts in the table's order.
struct SumPartition {
    static constexpr int kMaxParts = 9;
    std::array<std::uint8_t, kMaxParts> parts{};
    int length = 0;
    unsigned ranks = 0;  // bit d set when a part is of rank d
};

/// The ways of one rank, in the table's order.
struct SumPartitionRow {
    static constexpr int kMaxWays = 33;
    std::array<SumPartition, kMaxWays> ways{};
    int count = 0;
};

/// The table read once: row r holds the ways of rank r (none for ranks 0 and 1).
const std::array<SumPartitionRow, kTopRank + 1>& SumPartitionRows();

}  // namespace tazkova::game
