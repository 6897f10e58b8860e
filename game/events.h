/// What happens in a game, in the game's own terms: hands started and dealt, plays made,
/// the floor's rest gathered, hands scored, matches and games won. The game tells a listener
/// as it happens, beside what it shows on the table; whatever a window says, slides or counts
/// comes from these, never from the texts it was shown.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/cards.h"

namespace tazkova::game {

/// The two sides at the table.
enum class Side : std::uint8_t { Computer, Human };

/// Some cards, in the order they were taken or laid: at most a whole deck.
struct CardList {
    std::array<std::uint8_t, kDeckSize> cards{};
    int count = 0;

    void Add(int card) {
        if (count < kDeckSize) cards[count++] = static_cast<std::uint8_t>(card);
    }
    const std::uint8_t* begin() const { return cards.data(); }
    const std::uint8_t* end() const { return cards.data() + count; }
    bool operator==(const CardList&) const = default;
};

/// A hand begins: the deck is about to be shuffled and dealt.
struct HandStart {
    int match = 1;
    int hand = 1;
    Side starts = Side::Computer;  // who plays first in the hand's first round
    bool newGame = false;          // the first hand of a new game
    int level = 4;                 // the computer's level and the game type, for the game
    int gameType = 2;
};

/// A play made by one side: its card, and the floor cards it took (none when it was laid).
struct Play {
    Side side = Side::Human;
    int card = 0;
    CardList taken;
    /// The play emptied the floor and scored a sweep worth `sweepPoints` (the last play of a
    /// hand takes the floor but scores none, and is no sweep).
    bool sweep = false;
    int sweepPoints = 0;
    /// The play took every card on the floor: a sweep, or the hand's last play, which scores
    /// none for it.
    bool clearedFloor = false;
    bool Laid() const { return taken.count == 0; }
};

/// The floor's last cards, taken at the hand's end by the side that captured last.
struct Gather {
    Side side = Side::Human;
    CardList cards;
};

/// One side's column of the score sheet. A field left empty is a box the sheet leaves blank.
struct SideScore {
    std::optional<int> scoringSuitCards;  // cards of the scoring suit taken
    bool sevens = false;                  // the sevens' point
    bool haya = false;                    // the seven of the scoring suit
    std::optional<int> cards;             // cards taken, when the majority was scored
    std::optional<int> sweepPoints;       // the hand's sweeps, when they count
    std::optional<int> handWithSweeps;    // the hand's points with its sweeps
    std::optional<int> matchTotal;        // the match total after the hand
    std::optional<int> matchWins;         // matches won in this game
    std::optional<int> handPoints;        // the hand's points before its sweeps
    bool operator==(const SideScore&) const = default;

    /// The side's points in the hand: with its sweeps when they counted.
    int HandGain() const { return handWithSweeps.value_or(handPoints.value_or(0)); }
};

/// The score sheet of a hand: a column for each side.
struct ScoreSheet {
    SideScore computer;
    SideScore human;

    /// The sheet as the results dialog's 18 boxes (Rslt0..Rslt17) show it, the computer's
    /// box of each pair first.
    std::array<std::string, 18> Boxes() const;
    bool operator==(const ScoreSheet&) const = default;
};

/// A match is over.
struct MatchEnd {
    int match = 1;
    /// The side the match counts for: in a reverse game, the one with the smaller total.
    Side winner = Side::Human;
    int computerTotal = 0;
    int humanTotal = 0;
};

/// Told what happens in a game. Every call has an empty default: a listener takes what it
/// needs.
class GameListener {
  public:
    virtual ~GameListener() = default;
    virtual void HandStarted(const HandStart&) {}
    /// A round's three cards each were dealt (`round` 1..6).
    virtual void RoundDealt(int /*round*/) {}
    virtual void PlayMade(const Play&) {}
    /// The human picked a floor card for a capture (`picked`), or put one back.
    virtual void PickChanged(int /*card*/, bool /*picked*/) {}
    virtual void RestGathered(const Gather&) {}
    virtual void HandScored(const ScoreSheet&) {}
    virtual void MatchEnded(const MatchEnd&) {}
    /// The game is over; `winner` won it (in a reverse game, the side with fewer matches).
    virtual void GameEnded(Side /*winner*/) {}
};

/// Tells each of its listeners, in the order they were added.
class GameListeners : public GameListener {
  public:
    void Add(GameListener& listener) { listeners_.push_back(&listener); }

    void HandStarted(const HandStart& start) override;
    void RoundDealt(int round) override;
    void PlayMade(const Play& play) override;
    void PickChanged(int card, bool picked) override;
    void RestGathered(const Gather& gather) override;
    void HandScored(const ScoreSheet& sheet) override;
    void MatchEnded(const MatchEnd& end) override;
    void GameEnded(Side winner) override;

  private:
    std::vector<GameListener*> listeners_;
};

}  // namespace tazkova::game
