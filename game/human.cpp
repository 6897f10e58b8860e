// The human's side of a play: what a clicked card means, the picked floor cards, and the
// captures they make. Every click ends in one HumanPlay call.
#include "game/game.h"
#include "game/play_text.h"

namespace tazkova::game {

void Game::HumanPlay(int cardIndex) {
    // The table at rest, before the first click of a play: what TakeBack returns to.
    if (Input == InputState::ChooseCard && PickedSet.none()) {
        if (kept_.size() <= static_cast<std::size_t>(keptPlays_)) kept_.emplace_back();
        kept_[keptPlays_] = *this;
        restPoint_ = true;
        humanBefore_ = KnowledgeOf(false);
    }
    const int playsBefore = PlayCount;
    const std::uint64_t epoch = handEpoch_;
    HumanClick(cardIndex);
    // A play completed in the same hand; one that ended the hand is never taken back.
    if (epoch == handEpoch_ && PlayCount > playsBefore && restPoint_) {
        ++keptPlays_;
        restPoint_ = false;
    }
}

bool Game::TakeBack() {
    if (keptPlays_ == 0) return false;
    // The speed and the sound switch are the player's preferences, not the table's.
    const int delay = DelayTime;
    const bool sound = SoundOn;
    --keptPlays_;
    static_cast<GameState&>(*this) = kept_[keptPlays_];
    DelayTime = delay;
    SoundOn = sound;
    restPoint_ = false;
    while (!humanPlays_.empty() && humanPlays_.back().before.playCount >= PlayCount)
        humanPlays_.pop_back();
    display_.ShowAll();
    return true;
}

GameSnapshot Game::Snapshot() const {
    GameSnapshot out{*this, {kept_.begin(), kept_.begin() + keptPlays_}, std::nullopt};
    if (restPoint_) out.playBegun = kept_[keptPlays_];
    return out;
}

void Game::Resume(const GameSnapshot& snapshot) {
    static_cast<GameState&>(*this) = snapshot.state;
    kept_ = snapshot.plays;
    keptPlays_ = static_cast<int>(snapshot.plays.size());
    restPoint_ = snapshot.playBegun.has_value();
    if (restPoint_) kept_.push_back(*snapshot.playBegun);
    ++handEpoch_;
    swept_ = false;
    sweptPoints_ = 0;
    display_.ShowAll();
}

void Game::ForgetPlays() {
    keptPlays_ = 0;
    restPoint_ = false;
    ++handEpoch_;
}

SeatView Game::HumanSeat(int level) const {
    SeatView seat = TableSeat();
    seat.hand = &YouPile;
    seat.first = 1;
    seat.last = YouPile.Count;
    if (Input == InputState::PickFloor) seat.first = seat.last = SelectedSlot;
    seat.own = &YouPile;
    seat.other = &MePile;
    seat.seenRanks = &HumanSeenRanks;
    seat.declinedSweeps = &ComputerDeclinedSweep;
    seat.level = level;
    seat.sweepByFloorSum = true;
    return seat;
}

std::optional<PlaySuggestion> Game::SuggestPlay(int level) const {
    if (!GameActive || Input == InputState::Closed || YouPile.Count < 1) return std::nullopt;
    if (Input == InputState::PickFloor && (SelectedSlot < 1 || SelectedSlot > YouPile.Count))
        return std::nullopt;
    if (level == kExpertLevel) return expert_ ? ExpertSuggestion() : std::nullopt;
    return ChooseSeatPlay(HumanSeat(level));
}

void Game::HumanClick(int cardIndex) {
    MovedCount = 0;
    MeBackToHide = 0;
    if (cardIndex < 0 || cardIndex >= kDeckSize) return;
    const int card = cardIndex + 1;

    if (Input == InputState::ChooseCard) {
        SelectedSlot = 0;
        for (int k = 1; k <= YouPile.Count; ++k) {
            if (YouPile.Cards[k] == card) {
                SelectedSlot = k;
                SetCardFrame(cardIndex, false);
                HumanPlayHandCard(cardIndex, k);
                return;
            }
        }
        // Picking ahead: a floor card clicked before any hand card.
        if (!TogglePick(card)) return;
        const int q = PickedSum();
        int fits = 0, k = 0;
        for (int i = 1; i <= YouPile.Count; ++i) {
            if (CardRank(YouPile.Cards[i]) == q) {
                ++fits;
                k = i;
            }
        }
        for (int f = 1; f <= FloorPile.Count; ++f) {
            // An unpicked floor card of the sum's rank would be taken by that hand card instead.
            if (CardRank(FloorPile.Cards[f]) == q && !PickedSet.test(f)) return;
        }
        if (fits != 1) return;
        SelectedSlot = k;
        HumanCapturePicked(k);
        return;
    }

    if (Input == InputState::PickFloor) {
        if (!TogglePick(card)) return;
        if (SelectedSlot < 1 || SelectedSlot > YouPile.Count) return;
        if (CardRank(YouPile.Cards[SelectedSlot]) != PickedSum()) return;
        HumanCapturePicked(SelectedSlot);
    }
    // Before the first hand there is no card on the table: nothing to do.
}

void Game::HumanPlayHandCard(int cardIndex, int k) {
    const int card = cardIndex + 1;
    const int rank = CardRank(card);
    const int floorCount = FloorPile.Count;
    const int floorSum = RankSum(FloorPile);
    Trace([&] { return "Sum is = " + std::to_string(floorSum); });

    if (rank == floorSum) {
        // The card's rank equals the whole floor: it sweeps every card there.
        DescribePlay(StatusText, YouPile.Label, card, TakeWord::Win);
        NoteSeen(card);
        CaptureCard(YouPile, k, YouPile);
        for (int n = 0; n < floorCount; ++n) {
            DescribeTaken(StatusText, FloorPile.Cards[1]);
            CaptureCard(FloorPile, 1, YouPile);
        }
        ScoreSweep(YouPile, floorCount, floorSum);
        ReportPlay(YouPile, card);
        ++PlayCount;
        Input = InputState::ChooseCard;
        AfterHumanPlay();
        return;
    }
    Trace([] { return std::string("not Tazkova.."); });

    int equal = 0, at = 0;
    for (int f = 1; f <= floorCount; ++f) {
        if (CardRank(FloorPile.Cards[f]) == rank) {
            ++equal;
            at = f;
        }
    }
    if (equal == 1) {
        ClearPicks();
        DescribePlay(StatusText, YouPile.Label, card, TakeWord::Win);
        DescribeTaken(StatusText, FloorPile.Cards[at], false);
        NoteSeen(card);
        CaptureCard(YouPile, k, YouPile);
        CaptureCard(FloorPile, at, YouPile);
        ReportPlay(YouPile, card);
        ++PlayCount;
        AfterHumanPlay();
        return;
    }

    SumCaptureCount = 0;
    if (AutoPlay(YouPile, k, k, true)) {
        // Nothing to take: the card is laid on the floor.
        ClearPicks();
        SetCardFrame(cardIndex, true);
        ++PlayCount;
        DescribePlay(StatusText, YouPile.Label, card, TakeWord::None);
        NoteSeen(card);
        const int before = RankSum(FloorPile);
        // The human let a floor of this sum lie, so holds no card of that rank this round.
        if (before >= 1 && before <= kTopRank) DeclinedSweep[before] = 1;
        MoveCard(k, YouPile, FloorPile);
        ReportPlay(YouPile, card);
        AfterHumanPlay();
        return;
    }
    if (SumCaptureCount == 1) {
        // The one way of taking floor cards by sum is made for the human. Cards picked
        // earlier and not taken lose their frames with the picks.
        ClearPicks();
        AutoPlay(YouPile, k, k, false);
        NoteSeen(card);
        ++PlayCount;
        AfterHumanPlay();
        return;
    }
    // A choice to make: the chosen card keeps its frame and waits for the floor cards.
    ClearPicks();
    Input = InputState::PickFloor;
    PickedSet.reset();
}

void Game::HumanCapturePicked(int k) {
    const int card = YouPile.Cards[k];
    int takenCount = 0, takenSum = 0;
    DescribePlay(StatusText, YouPile.Label, card, TakeWord::Pick);
    NoteSeen(card);
    CaptureCard(YouPile, k, YouPile);
    for (int i = FloorPile.Count; i >= 1; --i) {
        if (!PickedSet.test(i)) continue;
        const int taken = FloorPile.Cards[i];
        ++takenCount;
        takenSum += CardRank(taken);
        DescribeTaken(StatusText, taken);
        CaptureCard(FloorPile, i, YouPile);
    }
    if (FloorPile.Count == 0) ScoreSweep(YouPile, takenCount, takenSum);
    ReportPlay(YouPile, card);
    ++PlayCount;
    Input = InputState::ChooseCard;
    PickedSet.reset();
    AfterHumanPlay();
}

bool Game::TogglePick(int card) {
    for (int f = 1; f <= FloorPile.Count; ++f) {
        if (FloorPile.Cards[f] != card) continue;
        if (PickedSet.test(f)) {
            PickedSet.reset(f);
            SetCardFrame(card - 1, true);
            listeners_.PickChanged(card, false);
            display_.SetMsg("Removed from Picked List ");
        } else {
            PickedSet.set(f);
            SetCardFrame(card - 1, false);
            listeners_.PickChanged(card, true);
            display_.SetMsg("Added to Picked List ");
        }
        return true;
    }
    return false;
}

int Game::PickedSum() const {
    int sum = 0;
    for (int f = 1; f <= FloorPile.Count; ++f) {
        if (PickedSet.test(f)) sum += CardRank(FloorPile.Cards[f]);
    }
    return sum;
}

void Game::DropCard(int source, int target) {
    if (source != target && DragAccepts(source, target)) HumanPlay(source);
    HumanPlay(target);
}

bool Game::DragAccepts(int sourceIndex, int targetIndex) {
    return sourceIndex == targetIndex || CardRank(sourceIndex + 1) == CardRank(targetIndex + 1);
}

}  // namespace tazkova::game
