// The search for a seat's best play: the floor as the plays will take it, the state
// weights of the level, every play of the hand cards scored, the exposure to a sweep, and
// the choice among equal totals.
#include "game/play_choice.h"

#include <string_view>

#include "game/sum_partitions.h"

namespace tazkova::game {

int SweepValue(int gameType, int floorCount, int floorSum) {
    return (gameType == 2 || gameType == 3) ? floorSum : gameType * floorCount + 1;
}

void ListSeatPlays(const SeatView& seat, SeatPlays& out) {
    out.count = 0;
    const Pile& pile = *seat.hand;
    const Pile& floor = *seat.floor;
    const Pile& own = *seat.own;
    const Pile& other = *seat.other;
    const int level = seat.level;

    // Floor snapshot.
    const int floorCount = floor.Count;
    const auto& floorSeq = floor.Cards;
    int floorSum = 0;
    for (int i = 1; i <= floorCount; ++i) floorSum += CardRank(floorSeq[i]);
    auto preferred = [&seat](int card) {
        return seat.reverseGame ? !IsScoringSuit(card) : IsScoringSuit(card);
    };
    // The floor cards of each rank in the order a sum capture takes them: a part of a sum
    // takes the first preferred card of its rank still there, otherwise the first card of
    // its rank still there, so the n-th part of a rank takes the n-th card of this list.
    std::array<std::array<int, kDeckSize>, 11> takeOrder;
    std::array<int, 11> rankCount{};
    for (const bool wanted : {true, false}) {
        for (int f = 1; f <= floorCount; ++f) {
            const int r = CardRank(floorSeq[f]);
            if (preferred(floorSeq[f]) == wanted) takeOrder[r][rankCount[r]++] = floorSeq[f];
        }
    }
    unsigned ranksOnFloor = 0;  // bit r set when the floor holds a card of rank r
    for (int r = 1; r <= 10; ++r) {
        if (rankCount[r] > 0) ranksOnFloor |= 1u << r;
    }

    // State weights: whether the sevens point is still open and what a scoring-suit card is
    // worth, read from the seat's captures ("own") and the other side's.
    int sevensOpen = 1;
    if (level != 1) {
        const bool decided = own.SevenCount > 2 || other.SevenCount > 2 ||
                             (own.SevenCount == 2 && own.SixSevenCount > 2) ||
                             (other.SevenCount == 2 && other.SixSevenCount > 2);
        if (decided) sevensOpen = 0;
    }
    int suitWeight = 1;
    if (level == 4) {
        suitWeight = 4;
    } else if ((level == 2 || level == 3) && seat.dinariRule) {
        if (other.ScoringSuitCount > 7)
            suitWeight = 10;
        else if (own.ScoringSuitCount > 7)
            suitWeight = 0;
        else
            suitWeight = 2;
    }
    const int sweepValue = SweepValue(seat.gameType, floorCount, floorSum);
    const bool exposure = (level == 3 || level == 4) && !seat.reverseGame;

    auto scoreCapture = [&](SeatPlay& play, int card) {
        const int rank = CardRank(card);
        int sevenOfSuit = card == kHayaCard ? 1 : 0;
        int suitCards = IsScoringSuit(card) ? 1 : 0;
        int sixSeven = rank == 6 ? 1 : (rank == 7 ? 2 : 0);
        for (int p = 0; p < play.pickedCount; ++p) {
            const int c = play.picked[p];
            if (c == kHayaCard) ++sevenOfSuit;
            if (IsScoringSuit(c)) ++suitCards;
            const int r = CardRank(c);
            sixSeven += r == 6 ? 1 : (r == 7 ? 2 : 0);
        }
        const int sweep = floorSum == rank ? sweepValue : 0;
        play.total = 100 * sevenOfSuit + sweep + suitWeight * suitCards + sevensOpen * sixSeven +
                     (play.pickedCount + 1);
    };
    auto scoreLay = [&](SeatPlay& play, int card) {
        const int rank = CardRank(card);
        int suit = 0;
        if (IsScoringSuit(card)) {
            if (rank == 7)
                suit = -50;
            else if (rank == 6 && sevensOpen == 1 && suitWeight != 0)
                suit = -12;
            else if (suitWeight != 0)
                suit = -11;
        }
        int lay = -rank;
        if (rank == 7 && sevensOpen == 1)
            lay = -13;
        else if (rank == 6 && sevensOpen == 1)
            lay = -12;
        play.total = suit + lay;
    };
    auto record = [&out](const SeatPlay& play) {
        if (out.count < SeatPlays::kCapacity) out.plays[out.count++] = play;
    };

    for (int i = seat.first; i <= seat.last; ++i) {
        const int card = pile.Cards[i];
        const int rank = CardRank(card);
        CardPlays& found = out.cards[i];
        found = CardPlays{};

        if (seat.sweepByFloorSum && floorCount > 0 && rank == floorSum) {
            // The card takes the whole floor, in floor order.
            SeatPlay play{};
            play.handIndex = i;
            for (int f = 1; f <= floorCount && play.pickedCount < 10; ++f)
                play.picked[play.pickedCount++] = floorSeq[f];
            play.floorRest = 0;
            scoreCapture(play, card);
            record(play);
            found.kind = PlayKind::Sweep;
            continue;
        }

        // Equal rank: the last preferred card of the rank, otherwise the first of the rank.
        int sameCount = 0, firstSame = 0, lastPreferred = 0;
        for (int f = 1; f <= floorCount; ++f) {
            if (CardRank(floorSeq[f]) != rank) continue;
            ++sameCount;
            if (firstSame == 0) firstSame = floorSeq[f];
            if (preferred(floorSeq[f])) lastPreferred = floorSeq[f];
        }
        if (sameCount > 0) {
            SeatPlay play{};
            play.handIndex = i;
            play.picked[0] = lastPreferred != 0 ? lastPreferred : firstSame;
            play.pickedCount = 1;
            play.floorRest = floorSum - rank;
            scoreCapture(play, card);
            record(play);
            found.kind = PlayKind::EqualRank;
            found.sameCount = sameCount;
            continue;
        }

        if (rank >= 2 && rank <= 10) {
            const SumPartitionRow& row = SumPartitionRows()[rank];
            for (int t = 0; t < row.count; ++t) {
                const SumPartition& token = row.ways[t];
                // A sum with a part of a rank the floor lacks cannot be made.
                if ((token.ranks & ~ranksOnFloor) != 0) continue;
                std::array<int, 11> taken{};  // parts of each rank taken so far
                SeatPlay play{};
                int takenSum = 0;
                for (int d = 0; d < token.length; ++d) {
                    // A part whose rank has no card left is skipped: the sum then falls short.
                    const int digit = token.parts[d];
                    if (taken[digit] == rankCount[digit]) continue;
                    play.picked[play.pickedCount++] = takeOrder[digit][taken[digit]++];
                    takenSum += digit;
                }
                if (takenSum != rank) continue;
                ++found.sumCount;
                play.handIndex = i;
                play.floorRest = floorSum - rank;
                scoreCapture(play, card);
                record(play);
            }
        }
        if (found.sumCount > 0) {
            found.kind = PlayKind::Sum;
            continue;
        }
        SeatPlay play{};
        play.handIndex = i;
        play.floorRest = floorSum + rank;
        scoreLay(play, card);
        record(play);
        found.kind = PlayKind::Lay;
    }

    // Exposure: a floor left at a sum the other side may still hold a card of invites a
    // sweep. A rank is out of its hand when all four cards have been seen, or when it let a
    // floor of that sum lie this round.
    if (exposure) {
        for (int p = 0; p < out.count; ++p) {
            const int r = out.plays[p].floorRest;
            if (r >= 1 && r <= 10 && (*seat.declinedSweeps)[r] == 0 && (*seat.seenRanks)[r] < 4)
                out.plays[p].total -= 30;
        }
    }
}

int BestSeatPlay(const SeatPlays& list, bool reverseGame) {
    if (list.count == 0) return -1;
    int best = 0;
    for (int p = 1; p < list.count; ++p) {
        const int total = list.plays[p].total;
        if (reverseGame ? total < list.plays[best].total : total > list.plays[best].total) best = p;
    }
    return best;
}

std::optional<PlaySuggestion> ChooseSeatPlay(const SeatView& seat) {
    SeatPlays list;
    ListSeatPlays(seat, list);
    const int best = BestSeatPlay(list, seat.reverseGame);
    if (best < 0) return std::nullopt;
    const SeatPlay& play = list.plays[best];
    PlaySuggestion out;
    out.card = seat.hand->Cards[play.handIndex];
    out.takes.assign(play.picked.begin(), play.picked.begin() + play.pickedCount);
    return out;
}

}  // namespace tazkova::game
