/// What happens in a game, told in short Arabic sentences (UTF-8), from the game's events
/// alone: a play, a pick, the rest gathered, a hand's start and score, a match and a game
/// won. The sentences follow the glossary beside the rules manual: a hand is "يد", a round
/// "دور", a play "حركة", a match "طرح", a game "لعبة"; the player's side is named first.
#pragma once

#include <functional>
#include <string>

#include "game/events.h"

namespace tazkova::game {
class Game;
}

namespace tazkova::telling {

/// The Arabic name of card n (1..40): its rank, then its suit ("سبعة ديناري"); empty for
/// anything else.
std::string CardName(int card);

/// Cards joined as they are read, "ثلاثة كبة وأربعة سباتي".
std::string CardNames(const game::CardList& cards);

/// A whole number in words where a listener needs them: a negative one as "ناقص 3".
std::string Number(int n);

/// How long a play's sentence may be: whole, or for the status line, the taken cards counted
/// instead of named once they are more than two.
enum class Length { Whole, Short };

/// A play: "الحاسوب يضع سبعة ديناري على الأرض", "أنت تلعب سبعة ديناري وتأخذ ثلاثة سباتي
/// وأربعة كبة، تازكوفا! (7 نقاط)".
std::string TellPlay(const game::Play& play, Length length = Length::Whole);

/// A floor card marked for the chosen card to take, or unmarked.
std::string TellPick(int card, bool picked);

/// The floor's last cards gathered by the side that captured last.
std::string TellGather(const game::Gather& gather);

/// The deck shuffled, before a hand is dealt.
std::string TellShuffle();

/// A hand begins: its match and number, and who starts it.
std::string TellHandStart(const game::HandStart& start);

/// A round dealt (1..6).
std::string TellRound(int round);

/// A hand scored: who won it, by the hand's points. In a reverse game the side with fewer
/// points wins the hand.
std::string TellHandScored(const game::ScoreSheet& sheet, bool reverseGame);

/// The dinari rule's bonus, when one side took 8, 9 or all 10 of them; empty otherwise.
std::string TellDinari(game::Side side, int dinariCards);

/// A match won, with both totals, the winner's first.
std::string TellMatchEnd(const game::MatchEnd& end);

/// The game won, by the matches each side won.
std::string TellGameEnd(game::Side winner, int winnerMatches, int loserMatches, bool reverseGame);

/// The match totals after a hand, "مجموع الطرح: أنت 9، الحاسوب 12".
std::string TellTotals(const game::ScoreSheet& sheet);

/// Tells every event of a game as it happens, a sentence at a time, reading from the game
/// only what an event leaves to it (whether the game is reversed or counts the dinari, and
/// the matches won).
class GameTeller : public game::GameListener {
  public:
    using Told = std::function<void(const std::string&)>;
    GameTeller(const game::Game& game, Told told) : game_(game), told_(std::move(told)) {}

    void HandStarted(const game::HandStart& start) override;
    void RoundDealt(int round) override;
    void PlayMade(const game::Play& play) override;
    void PickChanged(int card, bool picked) override;
    void RestGathered(const game::Gather& gather) override;
    void HandScored(const game::ScoreSheet& sheet) override;
    void MatchEnded(const game::MatchEnd& end) override;
    void GameEnded(game::Side winner) override;

  private:
    const game::Game& game_;
    Told told_;
};

}  // namespace tazkova::telling
