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

namespace {

/// The floor as the plays will take it: its sum, and the cards of each rank in the order a
/// sum capture takes them. A part of a sum takes the first preferred card of its rank still
/// there (of the scoring suit; not of it in a reverse game), otherwise the first card of its
/// rank still there, so the n-th part of a rank takes the n-th card of its list.
struct FloorReading {
    int count = 0;
    int sum = 0;
    std::array<std::array<int, kDeckSize>, kTopRank + 1> takeOrder;
    std::array<int, kTopRank + 1> rankCount{};
    unsigned ranksOnFloor = 0;  // bit r set when the floor holds a card of rank r
};

/// The level's weights, read from the seat's captures ("own") and the other side's: whether
/// the sevens point is still open and what a scoring-suit card is worth.
struct Weights {
    int sevensOpen = 1;
    int suitWeight = 1;
    int sweepValue = 0;
};

/// Lists and scores the plays of one seat's hand cards, card by card.
class PlayLister {
  public:
    PlayLister(const SeatView& seat, SeatPlays& out) : seat_(seat), out_(out) {
        ReadFloor();
        ReadWeights();
    }

    void ListCard(int i) {
        const int card = seat_.hand->Cards[i];
        const int rank = CardRank(card);
        CardPlays& found = out_.cards[i];
        found = CardPlays{};
        if (seat_.sweepByFloorSum && floor_.count > 0 && rank == floor_.sum) {
            ListSweep(i, card);
            found.kind = PlayKind::Sweep;
        } else if (const int same = ListEqualRank(i, card); same > 0) {
            found.kind = PlayKind::EqualRank;
            found.sameCount = same;
        } else if (const int sums = ListSums(i, card); sums > 0) {
            found.kind = PlayKind::Sum;
            found.sumCount = sums;
        } else {
            SeatPlay play{};
            play.handIndex = i;
            play.floorRest = floor_.sum + rank;
            ScoreLay(play, card);
            Record(play);
            found.kind = PlayKind::Lay;
        }
    }

    /// A floor left at a sum the other side may still hold a card of invites a sweep. A rank
    /// is out of its hand when all four cards have been seen, or when it let a floor of that
    /// sum lie this round.
    void PenaliseExposure() {
        if (!((seat_.level == 3 || seat_.level == 4) && !seat_.reverseGame)) return;
        for (int p = 0; p < out_.count; ++p) {
            const int r = out_.plays[p].floorRest;
            if (r >= 1 && r <= kTopRank && (*seat_.declinedSweeps)[r] == 0 &&
                (*seat_.seenRanks)[r] < 4)
                out_.plays[p].total -= 30;
        }
    }

  private:
    bool Preferred(int card) const {
        return seat_.reverseGame ? !IsScoringSuit(card) : IsScoringSuit(card);
    }

    void ReadFloor() {
        const Pile& floor = *seat_.floor;
        floor_.count = floor.Count;
        for (int i = 1; i <= floor_.count; ++i) floor_.sum += CardRank(floor.Cards[i]);
        for (const bool wanted : {true, false}) {
            for (int f = 1; f <= floor_.count; ++f) {
                const int c = floor.Cards[f];
                const int r = CardRank(c);
                if (Preferred(c) == wanted) floor_.takeOrder[r][floor_.rankCount[r]++] = c;
            }
        }
        for (int r = 1; r <= kTopRank; ++r) {
            if (floor_.rankCount[r] > 0) floor_.ranksOnFloor |= 1u << r;
        }
    }

    void ReadWeights() {
        const Pile& own = *seat_.own;
        const Pile& other = *seat_.other;
        const int level = seat_.level;
        if (level != 1) {
            const bool decided = own.SevenCount > 2 || other.SevenCount > 2 ||
                                 (own.SevenCount == 2 && own.SixSevenCount > 2) ||
                                 (other.SevenCount == 2 && other.SixSevenCount > 2);
            if (decided) weights_.sevensOpen = 0;
        }
        if (level == 4) {
            weights_.suitWeight = 4;
        } else if ((level == 2 || level == 3) && seat_.dinariRule) {
            if (other.ScoringSuitCount > 7)
                weights_.suitWeight = 10;
            else if (own.ScoringSuitCount > 7)
                weights_.suitWeight = 0;
            else
                weights_.suitWeight = 2;
        }
        weights_.sweepValue = SweepValue(seat_.gameType, floor_.count, floor_.sum);
    }

    void ScoreCapture(SeatPlay& play, int card) const {
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
        const int sweep = floor_.sum == rank ? weights_.sweepValue : 0;
        play.total = 100 * sevenOfSuit + sweep + weights_.suitWeight * suitCards +
                     weights_.sevensOpen * sixSeven + (play.pickedCount + 1);
    }

    void ScoreLay(SeatPlay& play, int card) const {
        const int rank = CardRank(card);
        const bool sevensOpen = weights_.sevensOpen == 1;
        const bool suitCounts = weights_.suitWeight != 0;
        int suit = 0;
        if (IsScoringSuit(card)) {
            if (rank == 7)
                suit = -50;
            else if (rank == 6 && sevensOpen && suitCounts)
                suit = -12;
            else if (suitCounts)
                suit = -11;
        }
        int lay = -rank;
        if (rank == 7 && sevensOpen)
            lay = -13;
        else if (rank == 6 && sevensOpen)
            lay = -12;
        play.total = suit + lay;
    }

    void Record(const SeatPlay& play) {
        if (out_.count < SeatPlays::kCapacity) out_.plays[out_.count++] = play;
    }

    /// The card takes the whole floor, in floor order.
    void ListSweep(int i, int card) {
        SeatPlay play{};
        play.handIndex = i;
        for (int f = 1; f <= floor_.count && play.pickedCount < 10; ++f)
            play.picked[play.pickedCount++] = seat_.floor->Cards[f];
        play.floorRest = 0;
        ScoreCapture(play, card);
        Record(play);
    }

    /// Equal rank: the last preferred card of the rank, otherwise the first of the rank.
    /// Returns the floor cards of the rank (0: no such play).
    int ListEqualRank(int i, int card) {
        const int rank = CardRank(card);
        int sameCount = 0, firstSame = 0, lastPreferred = 0;
        for (int f = 1; f <= floor_.count; ++f) {
            const int c = seat_.floor->Cards[f];
            if (CardRank(c) != rank) continue;
            ++sameCount;
            if (firstSame == 0) firstSame = c;
            if (Preferred(c)) lastPreferred = c;
        }
        if (sameCount == 0) return 0;
        SeatPlay play{};
        play.handIndex = i;
        play.picked[0] = lastPreferred != 0 ? lastPreferred : firstSame;
        play.pickedCount = 1;
        play.floorRest = floor_.sum - rank;
        ScoreCapture(play, card);
        Record(play);
        return sameCount;
    }

    /// Every way of taking floor cards whose ranks add up to the card's, in the table's order.
    /// Returns how many were found.
    int ListSums(int i, int card) {
        const int rank = CardRank(card);
        if (rank < 2 || rank > kTopRank) return 0;
        int found = 0;
        const SumPartitionRow& row = SumPartitionRows()[rank];
        for (int t = 0; t < row.count; ++t) {
            const SumPartition& way = row.ways[t];
            // A sum with a part of a rank the floor lacks cannot be made.
            if ((way.ranks & ~floor_.ranksOnFloor) != 0) continue;
            std::array<int, kTopRank + 1> taken{};  // parts of each rank taken so far
            SeatPlay play{};
            int takenSum = 0;
            for (int d = 0; d < way.length; ++d) {
                // A part whose rank has no card left is skipped: the sum then falls short.
                const int digit = way.parts[d];
                if (taken[digit] == floor_.rankCount[digit]) continue;
                play.picked[play.pickedCount++] = floor_.takeOrder[digit][taken[digit]++];
                takenSum += digit;
            }
            if (takenSum != rank) continue;
            ++found;
            play.handIndex = i;
            play.floorRest = floor_.sum - rank;
            ScoreCapture(play, card);
            Record(play);
        }
        return found;
    }

    const SeatView& seat_;
    SeatPlays& out_;
    FloorReading floor_;
    Weights weights_;
};

}  // namespace

void ListSeatPlays(const SeatView& seat, SeatPlays& out) {
    out.count = 0;
    PlayLister lister(seat, out);
    for (int i = seat.first; i <= seat.last; ++i) lister.ListCard(i);
    lister.PenaliseExposure();
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
