// The computer's choice of play and its execution.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/fixture.h"

namespace tazkova::testing {

using namespace tazkova::game;
namespace {

using ::testing::ElementsAre;

class ComputerTest : public ::testing::Test {
  protected:
    void Turn() { t.game.ComputerTurn(StateEditor::Of(t.game).MePile); }
    GameTable t;
};

TEST_F(ComputerTest, TakesTheHayaBeforeAnythingElse) {
    t.Arrange({C("7c"), C("Kh")}, {}, {C("7d"), C("Ks"), C("3c")});
    Turn();
    EXPECT_EQ(t.game.State().MePile.HasHaya, 1);
    EXPECT_THAT(t.Cards(t.game.State().MePile), ElementsAre(C("Kh")));
    EXPECT_EQ(t.game.State().StatusText, "  I Play 7c and win  7d");
}

TEST_F(ComputerTest, SweepsTheFloorAndScoresIt) {
    t.Arrange({C("2c"), C("5h")}, {}, {C("1s"), C("4c")});
    Turn();
    EXPECT_EQ(t.game.State().FloorPile.Count, 0);
    EXPECT_EQ(t.game.State().MePile.SweepPoints, 5);
    EXPECT_EQ(t.game.State().StatusText, "  I Play 5h and win  4c 1s Tazkova!!");
    EXPECT_EQ(t.Plays(Wave::Sweep), 1);
}

TEST_F(ComputerTest, NoSweepPointsOnTheLastPlayOfTheHand) {
    t.Arrange({C("5h")}, {}, {C("1s"), C("4c")}, 35);
    Turn();
    EXPECT_EQ(t.game.State().FloorPile.Count, 0);
    EXPECT_EQ(t.game.State().MePile.SweepPoints, 0);
    EXPECT_EQ(t.Plays(Wave::Sweep), 0);
}

TEST_F(ComputerTest, LaysTheCheapestCardWhenNothingCanBeTaken) {
    t.Arrange({C("Kc"), C("1h"), C("7s")}, {}, {});
    Turn();
    EXPECT_THAT(t.Cards(t.game.State().FloorPile), ElementsAre(C("1h")));
    EXPECT_EQ(t.game.State().StatusText, "  I Play 1h");
    EXPECT_EQ(t.game.State().MeBackToHide, 2);
    EXPECT_EQ(t.table.Images()[C("1h") - 1].tag, 1);
}

TEST_F(ComputerTest, PrefersScoringSuitCardsAmongEqualRanks) {
    t.Arrange({C("3s"), C("Kc")}, {}, {C("3c"), C("3d"), C("Jh")});
    Turn();
    EXPECT_EQ(t.game.State().MePile.ScoringSuitCount, 1);
    EXPECT_THAT(t.Cards(t.game.State().FloorPile), ElementsAre(C("3c"), C("Jh")));
}

TEST_F(ComputerTest, ReverseGamePlaysForTheSmallestEvaluation) {
    StateEditor::Of(t.game).ReverseGame = true;
    t.Arrange({C("7c"), C("Kh")}, {}, {C("7d"), C("Ks"), C("3c")});
    Turn();
    EXPECT_EQ(t.game.State().MePile.HasHaya, 0);
}

TEST_F(ComputerTest, ProbeReportsSumCapturesWithoutMovingCards) {
    t.Arrange({}, {C("5h")}, {C("1c"), C("2d"), C("3h"), C("4s")});
    EXPECT_FALSE(t.game.AutoPlay(StateEditor::Of(t.game).YouPile, 1, 1, true));
    EXPECT_EQ(t.game.State().SumCaptureCount, 2);
    EXPECT_EQ(t.game.State().FloorPile.Count, 4);
    t.Arrange({}, {C("Kh")}, {C("1c"), C("2d")});
    EXPECT_TRUE(t.game.AutoPlay(StateEditor::Of(t.game).YouPile, 1, 1, true));
    EXPECT_EQ(t.game.State().SumCaptureCount, 0);
}

TEST_F(ComputerTest, MoveCardLaysAtTheFirstFreeFloorPlace) {
    t.Arrange({C("Kc")}, {}, {C("1s"), C("2s"), C("3s")});
    RemoveFromPile(StateEditor::Of(t.game).FloorPile, 2);  // place 2 is free again
    t.game.MoveCard(1, StateEditor::Of(t.game).MePile, StateEditor::Of(t.game).FloorPile);
    EXPECT_EQ(t.game.State().FloorPile.Slots[3], 2);
    EXPECT_EQ(t.table.Images()[C("Kc") - 1].left, FloorSlotLeft[2]);
    EXPECT_EQ(t.table.Images()[C("Kc") - 1].top, FloorSlotTop[2]);
    EXPECT_EQ(t.game.State().MePile.Count, 0);
}

}  // namespace
}  // namespace tazkova::testing
