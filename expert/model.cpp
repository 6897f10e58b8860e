// The hand model: plays listed and scored as the game lists and scores them, made, dealt and
// scored at the hand's end.
#include "expert/model.h"

#include <bit>
#include <string_view>

#include "game/sum_partitions.h"

namespace tazkova::expert {

namespace {

/// Counts of the ranks 1..9, four bits each (rank d at bits 4d..4d+3); no count exceeds 4.
using RankCounts = std::uint64_t;
constexpr RankCounts kNibbleTops = 0x8888888880ull;  // the top bit of ranks 1..9

/// Whether `have` holds at least `need` of every rank: no nibble borrows from its top bit.
constexpr bool Covers(RankCounts have, RankCounts need) {
    return (((have | kNibbleTops) - need) & kNibbleTops) == kNibbleTops;
}

/// A way of writing a rank as a sum, with the parts of each rank it needs as counts.
struct Token {
    const game::SumPartition* way = nullptr;
    RankCounts need = 0;
};
struct Row {
    std::array<Token, game::SumPartitionRow::kMaxWays> tokens{};
    int count = 0;
};

const std::array<Row, game::kTopRank + 1>& Rows() {
    static const std::array<Row, game::kTopRank + 1> rows = [] {
        std::array<Row, game::kTopRank + 1> out{};
        const auto& table = game::SumPartitionRows();
        for (int rank = 2; rank <= game::kTopRank; ++rank) {
            out[rank].count = table[rank].count;
            for (int t = 0; t < table[rank].count; ++t) {
                Token& token = out[rank].tokens[t];
                token.way = &table[rank].ways[t];
                for (int k = 0; k < token.way->length; ++k)
                    token.need += RankCounts{1} << (4 * token.way->parts[k]);
            }
        }
        return out;
    }();
    return rows;
}

constexpr CardSet RankSet(int r) {
    return Bit(r) | Bit(r + 10) | Bit(r + 20) | Bit(r + 30);
}

int SweepValue(const Rules& rules, int floorCount, int floorSum) {
    return game::SweepValue(rules.gameType, floorCount, floorSum);
}

constexpr CardSet kScoringSuit = [] {
    CardSet out = 0;
    for (int c = 1; c <= kDeckSize; ++c) {
        if (IsScoringSuit(c)) out |= Bit(c);
    }
    return out;
}();

}  // namespace

int Position::FloorSum() const {
    int sum = 0;
    for (int i = 0; i < floorCount; ++i) sum += CardRank(floor[i]);
    return sum;
}

void Position::SetDeck(const std::uint8_t* cards, int count) {
    deckPos = 0;
    deckEnd = count;
    deckSet = 0;
    for (int i = 0; i < count; ++i) {
        deck[i] = cards[i];
        deckSet |= Bit(cards[i]);
    }
}

CardSet Position::HandSet(int s) const {
    CardSet out = 0;
    for (int i = 0; i < handCount[s]; ++i) out |= Bit(hand[s][i]);
    return out;
}

CardSet Position::SeenBy(int s) const {
    return kAllCards & ~HandSet(1 - s) & ~DeckSet();
}

void ListPlays(const Position& pos, int s, PlayList& out, int first, int last) {
    out.count = 0;
    const bool reverse = pos.rules.reverseGame;
    const int floorCount = pos.floorCount;
    const int floorSum = pos.FloorSum();
    // The floor cards of each rank in the order a part of a sum takes them: the preferred
    // cards (of the scoring suit, or not of it in a reverse game) first, each in floor order.
    std::array<std::array<std::uint8_t, 4>, 11> takeOrder;
    std::array<int, 11> rankCount{};
    for (const bool wanted : {true, false}) {
        for (int f = 0; f < floorCount; ++f) {
            const int c = pos.floor[f];
            if ((IsScoringSuit(c) != reverse) == wanted) {
                const int r = CardRank(c);
                if (rankCount[r] < 4) takeOrder[r][rankCount[r]++] = static_cast<std::uint8_t>(c);
            }
        }
    }
    RankCounts floorRanks = 0;
    for (int d = 1; d <= 9; ++d) floorRanks |= RankCounts(rankCount[d]) << (4 * d);
    if (last >= pos.handCount[s]) last = pos.handCount[s] - 1;
    for (int i = first; i <= last; ++i) {
        const int card = pos.hand[s][i];
        const int rank = CardRank(card);
        Play play{};
        play.handPos = static_cast<std::uint8_t>(i);
        play.card = static_cast<std::uint8_t>(card);
        play.floorRest = static_cast<std::int8_t>(floorSum - rank);
        if (s == kHuman && floorCount > 0 && rank == floorSum) {
            // The human's card of the floor's whole sum takes the whole floor.
            for (int f = 0; f < floorCount; ++f) play.picked |= Bit(pos.floor[f]);
            play.pickedCount = static_cast<std::uint8_t>(floorCount);
            play.floorRest = 0;
            out.plays[out.count++] = play;
            continue;
        }
        if (rankCount[rank] > 0) {
            // Equal rank: the last preferred card of the rank, otherwise the first of it.
            int firstSame = 0, lastPreferred = 0;
            for (int f = 0; f < floorCount; ++f) {
                const int c = pos.floor[f];
                if (CardRank(c) != rank) continue;
                if (firstSame == 0) firstSame = c;
                if (IsScoringSuit(c) != reverse) lastPreferred = c;
            }
            play.picked = Bit(lastPreferred != 0 ? lastPreferred : firstSame);
            play.pickedCount = 1;
            out.plays[out.count++] = play;
            continue;
        }
        bool captured = false;
        if (rank >= 2) {
            const Row& row = Rows()[rank];
            for (int t = 0; t < row.count; ++t) {
                const Token& token = row.tokens[t];
                if (!Covers(floorRanks, token.need)) continue;
                std::array<int, game::kTopRank> taken{};
                Play sum = play;
                for (int k = 0; k < token.way->length; ++k) {
                    const int d = token.way->parts[k];
                    sum.picked |= Bit(takeOrder[d][taken[d]++]);
                }
                sum.pickedCount = static_cast<std::uint8_t>(token.way->length);
                out.plays[out.count++] = sum;
                captured = true;
            }
        }
        if (captured) continue;
        play.floorRest = static_cast<std::int8_t>(floorSum + rank);
        out.plays[out.count++] = play;
    }
}

int ChooseLevelFour(const Position& pos, int s, PlayList& list) {
    if (list.count == 0) return -1;
    const SideCounters& own = pos.side[s];
    const SideCounters& other = pos.side[1 - s];
    const bool decided = own.sevens > 2 || other.sevens > 2 ||
                         (own.sevens == 2 && own.sixSevens > 2) ||
                         (other.sevens == 2 && other.sixSevens > 2);
    const int sevensOpen = decided ? 0 : 1;
    constexpr int suitWeight = 4;
    const int floorSum = pos.FloorSum();
    const int sweepValue = SweepValue(pos.rules, pos.floorCount, floorSum);
    const bool reverse = pos.rules.reverseGame;
    const CardSet seen = reverse ? 0 : pos.SeenBy(s);
    const std::uint16_t declined = pos.declined[1 - s];
    int best = 0;
    for (int p = 0; p < list.count; ++p) {
        Play& play = list.plays[p];
        const int card = play.card;
        const int rank = CardRank(card);
        int total;
        if (play.pickedCount > 0) {
            const CardSet taken = play.picked | Bit(card);
            const int suitCards = CountCards(taken & kScoringSuit);
            const int sixes = CountCards(taken & RankSet(6));
            const int sevens = CountCards(taken & RankSet(7));
            total = ((taken & Bit(kHayaCard)) ? 100 : 0) + (floorSum == rank ? sweepValue : 0) +
                    suitWeight * suitCards + sevensOpen * (sixes + 2 * sevens) + play.pickedCount +
                    1;
        } else {
            int suit = 0;
            if (IsScoringSuit(card)) {
                if (rank == 7)
                    suit = -50;
                else if (rank == 6 && sevensOpen == 1)
                    suit = -12;
                else
                    suit = -11;
            }
            int lay = -rank;
            if (rank == 7 && sevensOpen == 1)
                lay = -13;
            else if (rank == 6 && sevensOpen == 1)
                lay = -12;
            total = suit + lay;
        }
        const int rest = play.floorRest;
        if (!reverse && rest >= 1 && rest <= game::kTopRank && (declined & (1u << rest)) == 0 &&
            CountCards(seen & RankSet(rest)) < 4)
            total -= 30;
        play.total = total;
        if (p > 0 && (reverse ? total < list.plays[best].total : total > list.plays[best].total))
            best = p;
    }
    return best;
}

void ApplyPlay(Position& pos, const Play& play) {
    const int s = pos.ToMove();
    auto& hand = pos.hand[s];
    for (int i = play.handPos; i + 1 < pos.handCount[s]; ++i) hand[i] = hand[i + 1];
    --pos.handCount[s];
    if (play.pickedCount == 0) {
        const int sum = pos.FloorSum();
        if (sum >= 1 && sum <= game::kTopRank)
            pos.declined[s] |= static_cast<std::uint16_t>(1u << sum);
        pos.floor[pos.floorCount++] = play.card;
    } else {
        SideCounters& taker = pos.side[s];
        taker.Count(play.card, pos.playCount);
        int kept = 0, takenSum = 0;
        for (int f = 0; f < pos.floorCount; ++f) {
            const int c = pos.floor[f];
            if (play.picked & Bit(c)) {
                taker.Count(c, pos.playCount);
                takenSum += CardRank(c);
            } else {
                pos.floor[kept++] = static_cast<std::uint8_t>(c);
            }
        }
        pos.floorCount = kept;
        // A sweep scores, except by the 36th and last play of the hand.
        if (kept == 0 && pos.playCount < game::kPlaysPerHand - 1)
            taker.sweepPoints += SweepValue(pos.rules, play.pickedCount, takenSum);
    }
    ++pos.playCount;
}

void DealRound(Position& pos) {
    pos.declined = {0, 0};
    const int first = pos.starter;
    for (int i = 0; i < kHandCards; ++i) {
        for (const int s : {first, 1 - first}) {
            if (pos.deckPos < pos.deckEnd && pos.handCount[s] < kHandCards) {
                const int card = pos.deck[pos.deckPos++];
                pos.deckSet &= ~Bit(card);
                pos.hand[s][pos.handCount[s]++] = static_cast<std::uint8_t>(card);
            }
        }
    }
}

HandGains ScoreHand(const Position& pos) {
    std::array<SideCounters, 2> side = pos.side;
    // The rest of the floor goes to the side that captured last; the human on equal plays.
    const int taker =
        side[kComputer].lastCapturePlay > side[kHuman].lastCapturePlay ? kComputer : kHuman;
    for (int f = 0; f < pos.floorCount; ++f) side[taker].Count(pos.floor[f], pos.playCount);

    std::array<int, 2> score{side[0].matchScore, side[1].matchScore};
    bool normal = true, closed = false;
    std::array<bool, 2> sweepsCount{true, true};
    if (pos.rules.dinariRule) {
        for (const int s : {kComputer, kHuman}) {
            const int suit = side[s].scoringSuit;
            if (suit >= 8) {
                score[s] += 10;
                normal = false;
            }
            if (suit >= 9) {
                score[1 - s] = 0;
                sweepsCount[1 - s] = false;
            }
            if (suit == 10) closed = true;
        }
    }
    if (normal) {
        for (const int s : {kComputer, kHuman}) {
            if (side[s].scoringSuit > 5) ++score[s];
            if (side[s].haya == 1) ++score[s];
        }
        if (side[kComputer].sevens >= 3)
            ++score[kComputer];
        else if (side[kHuman].sevens >= 3)
            ++score[kHuman];
        else if (side[kComputer].sixSevens >= 5)
            ++score[kComputer];
        else if (side[kHuman].sixSevens >= 5)
            ++score[kHuman];
        if (side[kComputer].cards > side[kHuman].cards)
            ++score[kComputer];
        else if (side[kHuman].cards > side[kComputer].cards)
            ++score[kHuman];
    }
    if (!closed) {
        for (const int s : {kComputer, kHuman}) {
            if (sweepsCount[s]) score[s] += side[s].sweepPoints;
        }
    }
    HandGains out;
    for (const int s : {kComputer, kHuman}) out.gain[s] = score[s] - side[s].matchScore;
    out.closedBySuit = closed;
    return out;
}

}  // namespace tazkova::expert
