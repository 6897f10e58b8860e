// The computer player's search, carried out: the plays of a range of hand cards listed and
// scored by the seat's choice routine (from the computer's side of the table), the best
// one chosen and made. The human's side uses the same search to probe a clicked card and
// to make its one sum capture.
#include <string_view>

#include "game/game.h"
#include "game/play_text.h"

namespace tazkova::game {

SeatView Game::TableSeat() const {
    SeatView seat;
    seat.floor = &FloorPile;
    seat.level = Level;
    seat.dinariRule = DinariRule;
    seat.reverseGame = ReverseGame;
    seat.gameType = GameType;
    return seat;
}

SeatView Game::ComputerSeat(const Pile& hand, int first, int last) const {
    SeatView seat = TableSeat();
    seat.hand = &hand;
    seat.first = first;
    seat.last = last;
    // The weights always read the computer's captures as its own, whichever hand is searched.
    seat.own = &MePile;
    seat.other = &YouPile;
    seat.seenRanks = &SeenRanks;
    seat.declinedSweeps = &DeclinedSweep;
    return seat;
}

bool Game::AutoPlay(Pile& pile, int first, int last, bool probeOnly) {
    SumCaptureCount = 0;
    StatusText.clear();
    MovedCount = 0;
    MeBackToHide = 0;

    const int floorCount = FloorPile.Count;
    const int floorSum = RankSum(FloorPile);
    SeatPlays list;
    ListSeatPlays(ComputerSeat(pile, first, last), list);

    // What the search found, card by card; a probe stops at the first card with nothing to
    // take.
    for (int i = first; i <= last; ++i) {
        const CardPlays& found = list.cards[i];
        SumCaptureCount += found.sumCount;
        if (found.kind == PlayKind::EqualRank) {
            Trace([&] { return "Count same " + std::to_string(found.sameCount); });
        } else if (found.kind == PlayKind::Lay) {
            Trace([] { return std::string("Combinations=0"); });
            if (probeOnly) return true;
        }
    }
    Trace([&] { return "No. of Possible Plays = " + std::to_string(list.count); });
    if (probeOnly || list.count == 0) return false;

    int best = BestSeatPlay(list, ReverseGame);
    if (Level == kExpertLevel && expert_ && &pile == &MePile) best = ExpertPlay(list, best);
    const SeatPlay& chosen = list.plays[best];
    Trace([&] {
        return "Playying No " + std::to_string(best + 1) +
               " Card : " + std::to_string(chosen.handIndex);
    });

    // Carry out the chosen play for the pile that was searched.
    const bool computer = &pile == &MePile;
    const int i = chosen.handIndex;
    const int card = pile.Cards[i];
    const int slot = pile.Slots[i];
    if (computer) ++HumanSeenRanks[CardRank(card)];
    if (chosen.pickedCount == 0) {
        // The human saw the computer let this floor lie: it holds no card of its sum.
        if (computer && floorSum >= 1 && floorSum <= kTopRank) ComputerDeclinedSweep[floorSum] = 1;
        if (slot >= 1 && slot <= kMeBackCount) display_.SetMeBackVisible(slot, false);
        DescribePlay(StatusText, pile.Label, card, TakeWord::None);
        MeBackToHide = slot;
        MoveCard(i, pile, FloorPile);
        ReportPlay(pile, card);
        return false;
    }
    Trace([&] {
        std::string picks = "Picking: ";
        for (int p = 0; p < chosen.pickedCount; ++p) picks += static_cast<char>(chosen.picked[p]);
        return picks;
    });
    DescribePlay(StatusText, pile.Label, card, TakeWord::Win);
    MeBackToHide = slot;
    CaptureCard(pile, i, pile);
    for (int p = 0; p < chosen.pickedCount; ++p) {
        const int c = chosen.picked[p];
        int at = 0;
        for (int f = 1; f <= FloorPile.Count && at == 0; ++f) {
            if (FloorPile.Cards[f] == c) at = f;
        }
        Trace([&] { return " Picking .. floor card at " + std::to_string(at); });
        DescribeTaken(StatusText, c);
        CaptureCard(FloorPile, at, pile);
    }
    if (FloorPile.Count == 0) ScoreSweep(pile, floorCount, floorSum);
    ReportPlay(pile, card);
    return false;
}

}  // namespace tazkova::game
