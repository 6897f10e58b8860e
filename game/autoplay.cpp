// The computer player's search: every play a hand card can make on the floor (an equal
// rank, a sum of floor cards through the partition rows, or a lay), scored by level and
// options, the best one chosen and carried out.
#include <array>
#include <string_view>

#include "game/game.h"

namespace tazkova::game {

namespace {

/// The ways of writing each rank 2..10 as a sum of two or more smaller parts, one digit a
/// part. The order of the tokens numbers a card's sum captures and so breaks ties.
constexpr std::array<std::string_view, 11> SumPartitions{
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

constexpr int kMaxTokenDigits = 9;
constexpr int kMaxTokensPerRow = 33;

struct Token {
    std::array<int, kMaxTokenDigits> digits{};
    int length = 0;
    unsigned ranks = 0;  // bit d set when a part is of rank d
};

struct PartitionRow {
    std::array<Token, kMaxTokensPerRow> tokens{};
    int count = 0;
};

/// The rows read character by character: a blank ends a token, anything else extends it.
const std::array<PartitionRow, 11>& Partitions() {
    static const std::array<PartitionRow, 11> rows = [] {
        std::array<PartitionRow, 11> out{};
        for (int rank = 2; rank <= 10; ++rank) {
            Token current;
            for (const char ch : SumPartitions[rank]) {
                if (ch == ' ') {
                    if (out[rank].count < kMaxTokensPerRow)
                        out[rank].tokens[out[rank].count++] = current;
                    current = Token{};
                } else if (current.length < kMaxTokenDigits) {
                    current.digits[current.length++] = ch - '0';
                    current.ranks |= 1u << (ch - '0');
                }
            }
        }
        return out;
    }();
    return rows;
}

/// One candidate move of the search. Made with `Play{}`, all zero; the list of candidates
/// is left uninitialised, as only the entries recorded are ever read.
struct Play {
    int handIndex;
    std::array<int, kMaxTokenDigits> picked;  // card numbers of the floor cards taken
    int pickedCount;
    int floorRest;
    int total;
};

// The most plays a search can find: three hand cards of rank 10, each with every token.
constexpr int kPlayCapacity = 3 * kMaxTokensPerRow;

}  // namespace

bool Game::AutoPlay(Pile& pile, int first, int last, bool probeOnly) {
    SumCaptureCount = 0;
    StatusText.clear();
    MovedCount = 0;
    MeBackToHide = 0;

    // Floor snapshot, before anything moves.
    const int floorCount = FloorPile.Count;
    std::array<int, kDeckSize + 1> floorSeq{};
    int floorSum = 0;
    for (int i = 1; i <= floorCount; ++i) {
        floorSeq[i] = FloorPile.Cards[i];
        floorSum += CardRank(FloorPile.Cards[i]);
    }
    auto preferred = [this](int card) {
        return ReverseGame ? !IsScoringSuit(card) : IsScoringSuit(card);
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

    // State weights: whether the sevens point is still open and what a scoring-suit card is worth.
    int sevensOpen = 1;
    if (Level != 1) {
        const bool decided = MePile.SevenCount > 2 || YouPile.SevenCount > 2 ||
                             (MePile.SevenCount == 2 && MePile.SixSevenCount > 2) ||
                             (YouPile.SevenCount == 2 && YouPile.SixSevenCount > 2);
        if (decided) sevensOpen = 0;
    }
    int suitWeight = 1;
    if (Level == 4) {
        suitWeight = 4;
    } else if ((Level == 2 || Level == 3) && DinariRule) {
        if (YouPile.ScoringSuitCount > 7)
            suitWeight = 10;
        else if (MePile.ScoringSuitCount > 7)
            suitWeight = 0;
        else
            suitWeight = 2;
    }
    const int sweepValue = SweepValue(floorCount, floorSum);
    const bool exposure = (Level == 3 || Level == 4) && !ReverseGame;

    std::array<Play, kPlayCapacity> plays;
    int playCount = 0;

    auto scoreCapture = [&](Play& play, int card) {
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
    auto scoreLay = [&](Play& play, int card) {
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
    auto record = [&](const Play& play) {
        if (playCount < kPlayCapacity) plays[playCount++] = play;
    };

    for (int i = first; i <= last; ++i) {
        const int card = pile.Cards[i];
        const int rank = CardRank(card);

        // Equal rank: the last preferred card of the rank, otherwise the first of the rank.
        int sameCount = 0, firstSame = 0, lastPreferred = 0;
        for (int f = 1; f <= floorCount; ++f) {
            if (CardRank(floorSeq[f]) != rank) continue;
            ++sameCount;
            if (firstSame == 0) firstSame = floorSeq[f];
            if (preferred(floorSeq[f])) lastPreferred = floorSeq[f];
        }
        if (sameCount > 0) {
            Play play{};
            play.handIndex = i;
            play.picked[0] = lastPreferred != 0 ? lastPreferred : firstSame;
            play.pickedCount = 1;
            play.floorRest = floorSum - rank;
            if (!probeOnly) scoreCapture(play, card);
            record(play);
            Trace([&] { return "Count same " + std::to_string(sameCount); });
            continue;
        }

        bool matched = false;
        if (rank >= 2 && rank <= 10) {
            const PartitionRow& row = Partitions()[rank];
            for (int t = 0; t < row.count; ++t) {
                const Token& token = row.tokens[t];
                // A sum with a part of a rank the floor lacks cannot be made.
                if ((token.ranks & ~ranksOnFloor) != 0) continue;
                std::array<int, 11> taken{};  // parts of each rank taken so far
                Play play{};
                int takenSum = 0;
                for (int d = 0; d < token.length; ++d) {
                    // A part whose rank has no card left is skipped: the sum then falls short.
                    const int digit = token.digits[d];
                    if (taken[digit] == rankCount[digit]) continue;
                    play.picked[play.pickedCount++] = takeOrder[digit][taken[digit]++];
                    takenSum += digit;
                }
                if (takenSum != rank) continue;
                matched = true;
                ++SumCaptureCount;
                play.handIndex = i;
                play.floorRest = floorSum - rank;
                if (!probeOnly) scoreCapture(play, card);
                record(play);
            }
        }
        if (!matched) {
            Trace([] { return std::string("Combinations=0"); });
            Play play{};
            play.handIndex = i;
            play.floorRest = floorSum + rank;
            if (!probeOnly) scoreLay(play, card);
            record(play);
            if (probeOnly) return true;
        }
    }
    Trace([&] { return "No. of Possible Plays = " + std::to_string(playCount); });
    if (probeOnly || playCount == 0) return false;

    // Exposure: a floor left at a sum the human may still hold a card of invites a sweep.
    if (exposure) {
        for (int p = 0; p < playCount; ++p) {
            const int r = plays[p].floorRest;
            if (r >= 1 && r <= 10 && DeclinedSweep[r] == 0 && SeenRanks[r] < 4)
                plays[p].total -= 30;
        }
    }
    int best = 0;
    for (int p = 1; p < playCount; ++p) {
        if (ReverseGame ? plays[p].total < plays[best].total : plays[p].total > plays[best].total)
            best = p;
    }
    const Play& chosen = plays[best];
    Trace([&] {
        return "Playying No " + std::to_string(best + 1) +
               " Card : " + std::to_string(chosen.handIndex);
    });

    // Carry out the chosen play for the pile that was searched.
    const int i = chosen.handIndex;
    const int card = pile.Cards[i];
    const int slot = pile.Slots[i];
    if (chosen.pickedCount == 0) {
        if (slot >= 1 && slot <= 3) display_.SetMeBackVisible(slot, false);
        StatusText = pile.Label + " Play " + CardNames[card];
        MeBackToHide = slot;
        MoveCard(i, pile, FloorPile);
        return false;
    }
    Trace([&] {
        std::string list = "Picking: ";
        for (int p = 0; p < chosen.pickedCount; ++p) list += static_cast<char>(chosen.picked[p]);
        return list;
    });
    StatusText = pile.Label + " Play " + CardNames[card] + " and win ";
    MeBackToHide = slot;
    CaptureCard(pile, i, pile);
    for (int p = 0; p < chosen.pickedCount; ++p) {
        const int c = chosen.picked[p];
        int at = 0;
        for (int f = 1; f <= FloorPile.Count && at == 0; ++f) {
            if (FloorPile.Cards[f] == c) at = f;
        }
        Trace([&] { return " Picking .. floor card at " + std::to_string(at); });
        StatusText += " " + CardNames[c];
        CaptureCard(FloorPile, at, pile);
    }
    if (FloorPile.Count == 0) ScoreSweep(pile, floorCount, floorSum);
    return false;
}

}  // namespace tazkova::game
