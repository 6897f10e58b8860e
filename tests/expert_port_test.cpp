// The expert level plugs into the rules through their port: without one installed there is no
// level 5; with one, the computer's level-5 plays and the hint are its choices, made from what
// the seat may know and nothing more.
#include <gtest/gtest.h>

#include "tests/fixture.h"

namespace tazkova::testing {
namespace {

/// Lays the last card the seat may play, whatever it could take, and remembers what it knew.
class LastCardLayer : public ExpertPlayer {
  public:
    ChosenPlay Choose(const SeatKnowledge& k) const override {
        ++calls;
        last = k;
        return {k.hand[k.lastPlayable - 1], 0};
    }
    mutable int calls = 0;
    mutable SeatKnowledge last;
};

/// The options dialog with only its level group touched: the level item the player picks.
class LevelPick : public OptionsControls {
  public:
    explicit LevelPick(int index) : wanted_(index) {}
    int GameTypeIndex() const override { return type_; }
    void SetGameTypeIndex(int index) override { type_ = index; }
    int LevelIndex() const override { return level_; }
    void SetLevelIndex(int index) override { level_ = index; }
    CheckState DinariRule() const override { return CheckState::Checked; }
    CheckState OpenCards() const override { return CheckState::Unchecked; }
    CheckState AlternateStart() const override { return CheckState::Unchecked; }
    CheckState ReverseGame() const override { return CheckState::Unchecked; }
    void ShowModal() override { level_ = wanted_; }

  private:
    int wanted_;
    int type_ = 2;
    int level_ = 0;
};

TEST(ExpertPortTest, LevelFiveExistsOnlyWithAnExpertAndPlaysItsChoices) {
    GameTable t;
    LevelPick expertItem(4);
    t.game.RunOptions(expertItem);
    EXPECT_EQ(t.game.State().Level, 4);  // refused as a level that does not exist
    EXPECT_FALSE(t.game.SuggestPlay(kExpertLevel).has_value());

    LastCardLayer expert;
    t.game.SetExpertPlayer(&expert);
    t.game.RunOptions(expertItem);
    ASSERT_EQ(t.game.State().Level, kExpertLevel);

    // Nothing can take anything: level four would lay its low club, never the king of the
    // scoring suit, which is the expert's last card.
    t.Arrange({C("2c"), C("5h"), C("Kd")}, {C("Qh"), C("3s")}, {C("Js")});
    const int callsBefore = expert.calls;
    const auto hint = t.game.SuggestPlay(kExpertLevel);
    ASSERT_TRUE(hint.has_value());
    EXPECT_EQ(hint->card, C("3s"));
    EXPECT_TRUE(expert.last.humanSeat);

    t.game.HumanPlay(C("Qh") - 1);
    EXPECT_EQ(expert.calls, callsBefore + 2);
    EXPECT_FALSE(expert.last.humanSeat);
    EXPECT_EQ(t.Cards(t.game.State().MePile), (std::vector<int>{C("2c"), C("5h")}));
    EXPECT_EQ(t.Cards(t.game.State().FloorPile), (std::vector<int>{C("Js"), C("Qh"), C("Kd")}));
    // The computer's seat never sees the three the human kept.
    EXPECT_EQ(expert.last.seen & CardBit(C("3s")), 0u);
    EXPECT_EQ(expert.last.hand, (std::array<int, kHandCards>{C("2c"), C("5h"), C("Kd")}));
}

}  // namespace
}  // namespace tazkova::testing
