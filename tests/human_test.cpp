// The human's plays: what a clicked card takes, the picked floor cards, and drops.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/fixture.h"

namespace tazkova::testing {

using namespace tazkova::game;
namespace {

using ::testing::ElementsAre;

class HumanPlayTest : public ::testing::Test {
  protected:
    void Click(const std::string& card) { t.game.HumanPlay(C(card) - 1); }
    std::string FirstMsg() const {
        const auto msgs = t.Msgs();
        return msgs.empty() ? std::string("<none>") : msgs.front();
    }
    GameTable t;
};

TEST_F(HumanPlayTest, RankEqualToFloorSumSweepsWholeFloorValuedByGameType) {
    StateEditor::Of(t.game).GameType = 1;
    t.Arrange({}, {C("7d")}, {C("3c"), C("4h")});
    Click("7d");
    EXPECT_EQ(t.game.State().YouPile.SweepPoints, 1 * 2 + 1);
    EXPECT_EQ(t.game.State().FloorPile.Count, 0);
    EXPECT_EQ(t.game.State().YouPile.CardCount, 3);
    EXPECT_EQ(FirstMsg(), "You Play 7d and win  3c 4h Tazkova!!");
    EXPECT_EQ(t.Plays(Wave::Sweep), 1);

    GameTable u;
    StateEditor::Of(u.game).GameType = 2;
    u.Arrange({}, {C("7d")}, {C("3c"), C("4h")});
    u.game.HumanPlay(C("7d") - 1);
    EXPECT_EQ(u.game.State().YouPile.SweepPoints, 7);
}

TEST_F(HumanPlayTest, LoneEqualCardIsASweepNotASingleCapture) {
    t.Arrange({}, {C("7d")}, {C("7c")});
    Click("7d");
    EXPECT_EQ(FirstMsg(), "You Play 7d and win  7c Tazkova!!");
    EXPECT_EQ(t.game.State().YouPile.SweepPoints, 7);
}

TEST_F(HumanPlayTest, SweepWithTheLastPlayOfTheHandScoresNothing) {
    t.Arrange({}, {C("7d")}, {C("3c"), C("4h")}, 35);
    Click("7d");
    EXPECT_EQ(FirstMsg(), "You Play 7d and win  3c 4h");
    EXPECT_EQ(t.Plays(Wave::Sweep), 0);
    // The hand ended at once: the sweep added nothing to the human's total.
    EXPECT_EQ(t.LastResults().scores.Boxes()[9], "0");
}

TEST_F(HumanPlayTest, SingleEqualCardIsTakenAndOthersStay) {
    t.Arrange({}, {C("7d")}, {C("7c"), C("3h"), C("4s")});
    Click("7d");
    EXPECT_EQ(FirstMsg(), "You Play 7d and win 7c");
    EXPECT_THAT(t.Cards(t.game.State().FloorPile), ElementsAre(C("3h"), C("4s")));
    EXPECT_EQ(t.game.State().YouPile.SweepPoints, 0);
    EXPECT_EQ(t.game.State().PlayCount, 2);
}

TEST_F(HumanPlayTest, EqualCardBeatsASumAndDropsEarlierPicks) {
    t.Arrange({}, {C("5d")}, {C("2d"), C("3c"), C("5h"), C("Kc")});
    Click("2d");  // picked ahead, then dropped by the equal-rank capture
    EXPECT_TRUE(t.game.State().PickedSet.test(1));
    Click("5d");
    EXPECT_THAT(t.Cards(t.game.State().FloorPile), ElementsAre(C("2d"), C("3c"), C("Kc")));
    EXPECT_FALSE(t.table.Frames()[C("2d") - 1].visible);
    EXPECT_TRUE(t.game.State().PickedSet.none());
}

TEST_F(HumanPlayTest, TwoEqualCardsWaitForTheChoice) {
    t.Arrange({}, {C("7d"), C("1s")}, {C("7c"), C("7h"), C("2s")});
    Click("7d");
    EXPECT_EQ(t.game.State().Input, InputState::PickFloor);
    EXPECT_EQ(t.game.State().SelectedSlot, 1);
    EXPECT_EQ(t.game.State().PlayCount, 1);
    EXPECT_TRUE(t.table.Frames()[C("7d") - 1].visible);

    // Hand cards cannot change the choice in state 2.
    Click("1s");
    EXPECT_EQ(t.game.State().Input, InputState::PickFloor);
    EXPECT_EQ(t.game.State().YouPile.Count, 2);

    Click("7h");
    EXPECT_EQ(t.game.State().Input, InputState::ChooseCard);
    EXPECT_THAT(t.Cards(t.game.State().FloorPile), ElementsAre(C("7c"), C("2s")));
    EXPECT_THAT(t.Cards(t.game.State().YouPile), ElementsAre(C("1s")));
}

TEST_F(HumanPlayTest, StateTwoAcceptsASumWhileEqualCardsLieUnpicked) {
    t.Arrange({}, {C("7d")}, {C("7c"), C("7h"), C("3s"), C("4d")});
    Click("7d");
    ASSERT_EQ(t.game.State().Input, InputState::PickFloor);
    Click("3s");
    EXPECT_EQ(t.game.State().Input, InputState::PickFloor);
    t.table.TakeEvents();
    Click("4d");
    EXPECT_THAT(t.Cards(t.game.State().FloorPile), ElementsAre(C("7c"), C("7h")));
    EXPECT_EQ(t.Msgs().at(1), "You Play 7d and pick  4d 3s");
}

TEST_F(HumanPlayTest, NothingToTakeLaysTheCardAndRemembersTheDeclinedSum) {
    t.Arrange({}, {C("Js")}, {C("5c"), C("2h")});
    Click("Js");
    EXPECT_EQ(FirstMsg(), "You Play Js");
    EXPECT_THAT(t.Cards(t.game.State().FloorPile), ElementsAre(C("5c"), C("2h"), C("Js")));
    EXPECT_EQ(t.game.State().DeclinedSweep[7], 1);
    EXPECT_EQ(t.game.State().YouPile.CardCount, 0);
}

TEST_F(HumanPlayTest, LayOnEmptyFloorFlagsNoSum) {
    t.Arrange({}, {C("3c")}, {});
    Click("3c");
    EXPECT_EQ(t.game.State().FloorPile.Count, 1);
    for (int r = 1; r <= 10; ++r) EXPECT_EQ(t.game.State().DeclinedSweep[r], 0) << r;
}

TEST_F(HumanPlayTest, OnlySumCaptureIsMadeForTheHuman) {
    t.Arrange({}, {C("5s")}, {C("2d"), C("3h"), C("Jc")});
    Click("5s");
    EXPECT_EQ(t.game.State().Input, InputState::ChooseCard);
    EXPECT_THAT(t.Cards(t.game.State().FloorPile), ElementsAre(C("Jc")));
    EXPECT_EQ(t.game.State().YouPile.CardCount, 3);
    EXPECT_EQ(t.game.State().PlayCount, 2);
}

TEST_F(HumanPlayTest, TwoSumCapturesAskTheHumanToPick) {
    t.Arrange({}, {C("5h")}, {C("1c"), C("2d"), C("3h"), C("4s")});
    Click("5h");
    ASSERT_EQ(t.game.State().Input, InputState::PickFloor);
    Click("4s");
    EXPECT_EQ(t.Msgs().back(), "Added to Picked List ");
    Click("1c");
    EXPECT_THAT(t.Cards(t.game.State().FloorPile), ElementsAre(C("2d"), C("3h")));
    EXPECT_EQ(t.game.State().Input, InputState::ChooseCard);
}

TEST_F(HumanPlayTest, PickingAheadPlaysTheOnlyFittingHandCard) {
    t.Arrange({}, {C("7c"), C("1d")}, {C("3c"), C("4h"), C("Js")});
    Click("3c");
    EXPECT_EQ(t.game.State().YouPile.Count, 2);
    t.table.TakeEvents();
    Click("4h");
    EXPECT_THAT(t.Cards(t.game.State().YouPile), ElementsAre(C("1d")));
    EXPECT_THAT(t.Cards(t.game.State().FloorPile), ElementsAre(C("Js")));
    EXPECT_EQ(t.Msgs()[1], "You Play 7c and pick  4h 3c");
}

TEST_F(HumanPlayTest, PickingAheadTheWholeFloorScoresASweep) {
    t.Arrange({}, {C("7c"), C("1d")}, {C("3c"), C("4h")});
    Click("3c");
    Click("4h");
    EXPECT_EQ(t.game.State().FloorPile.Count, 0);
    EXPECT_EQ(t.game.State().YouPile.SweepPoints, 7);
    EXPECT_EQ(t.Plays(Wave::Sweep), 1);
}

TEST_F(HumanPlayTest, PickingAheadWaitsWhileAnEqualFloorCardIsUnpicked) {
    t.Arrange({}, {C("7c"), C("1d")}, {C("3c"), C("4h"), C("7s")});
    Click("3c");
    Click("4h");
    EXPECT_EQ(t.game.State().YouPile.Count, 2);
    EXPECT_EQ(t.game.State().FloorPile.Count, 3);
    Click("7c");  // judged afresh: takes the floor seven
    EXPECT_THAT(t.Cards(t.game.State().FloorPile), ElementsAre(C("3c"), C("4h")));
}

TEST_F(HumanPlayTest, PickingAheadWithTwoFittingHandCardsWaits) {
    t.Arrange({}, {C("7c"), C("7h")}, {C("3c"), C("4h"), C("Js")});
    Click("3c");
    Click("4h");
    EXPECT_EQ(t.game.State().YouPile.Count, 2);
    EXPECT_EQ(t.game.State().PickedSet.count(), 2u);
}

TEST_F(HumanPlayTest, ClickingAPickedCardAgainUnpicksIt) {
    t.Arrange({}, {C("7c")}, {C("3c"), C("4h"), C("Js")});
    Click("3c");
    Click("3c");
    EXPECT_TRUE(t.game.State().PickedSet.none());
    EXPECT_EQ(t.Msgs().back(), "Removed from Picked List ");
    EXPECT_FALSE(t.table.Frames()[C("3c") - 1].visible);
}

TEST_F(HumanPlayTest, CardsOutsideHandAndFloorAndStateZeroChangeNothing) {
    t.Arrange({C("2c")}, {C("7c")}, {C("3c")});
    Click("2c");  // the computer's card
    EXPECT_TRUE(t.table.Events().empty());
    StateEditor::Of(t.game).Input = InputState::Closed;
    Click("7c");
    EXPECT_EQ(t.game.State().YouPile.Count, 1);
    EXPECT_EQ(t.game.State().PlayCount, 1);
}

TEST_F(HumanPlayTest, PlayThatClosesARoundDealsWithoutAComputerPlay) {
    StateEditor::Of(t.game).DeckPos = 11;
    StateEditor::Of(t.game).RoundNo = 2;
    t.Arrange({}, {C("7c")}, {C("3c")}, 5);
    Click("7c");
    EXPECT_EQ(t.game.State().MePile.Count + t.game.State().YouPile.Count,
              6 - (t.game.State().ComputerStarts ? 1 : 0));
    EXPECT_EQ(t.game.State().RoundNo, 3);
}

TEST(DropCardTest, AcceptanceIsTheSameCardOrAnEqualRank) {
    EXPECT_TRUE(Game::DragAccepts(0, 0));
    EXPECT_TRUE(Game::DragAccepts(C("1c") - 1, C("1d") - 1));
    EXPECT_TRUE(Game::DragAccepts(C("Kd") - 1, C("Kc") - 1));
    EXPECT_FALSE(Game::DragAccepts(C("7d") - 1, C("6c") - 1));
}

TEST(DropCardTest, HandCardDroppedOnFloorCardOfItsRankMakesTheChoice) {
    GameTable t;
    t.Arrange({}, {C("7d")}, {C("7c"), C("7h"), C("2s")});
    t.game.DropCard(C("7d") - 1, C("7h") - 1);
    EXPECT_THAT(t.Cards(t.game.State().FloorPile), ElementsAre(C("7c"), C("2s")));
    EXPECT_EQ(t.game.State().YouPile.Count, 0);
}

TEST(DropCardTest, DropOnAnotherRankClicksOnlyTheTarget) {
    GameTable t;
    t.Arrange({}, {C("7d"), C("2c")}, {C("Kh")});
    t.game.DropCard(C("7d") - 1, C("2c") - 1);
    EXPECT_THAT(t.Cards(t.game.State().YouPile), ElementsAre(C("7d")));
}

}  // namespace
}  // namespace tazkova::testing
