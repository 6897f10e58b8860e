// The end of a hand: categories, the scoring-suit rule, sweeps, verdicts and match rules.
#include <gtest/gtest.h>

#include "game/texts.h"
#include "tests/fixture.h"

namespace tazkova::testing {

using namespace tazkova::game;
namespace {

struct Counts {
    int suit = 0;
    int haya = 0;
    int sixSeven = 0;
    int seven = 0;
    int cards = 0;
    int sweeps = 0;
};

class EndHandTest : public ::testing::Test {
  protected:
    /// Ends a hand whose 36 plays are made and whose floor is empty, with these captures.
    ResultsSheet End(const Counts& me, const Counts& you) {
        t.Arrange({}, {}, {}, 36);
        Set(StateEditor::Of(t.game).MePile, me);
        Set(StateEditor::Of(t.game).YouPile, you);
        t.game.EndHand();
        return t.LastResults();
    }
    static void Set(Pile& p, const Counts& c) {
        p.ScoringSuitCount = c.suit;
        p.HasHaya = c.haya;
        p.SixSevenCount = c.sixSeven;
        p.SevenCount = c.seven;
        p.CardCount = c.cards;
        p.SweepPoints = c.sweeps;
    }
    static std::string S(std::string_view text) { return std::string(text); }
    GameTable t;
};

TEST_F(EndHandTest, OnePointPerCategoryAndSheetRows) {
    StateEditor::Of(t.game).MePile.Score = 3;
    StateEditor::Of(t.game).YouPile.Score = 4;
    const ResultsSheet r = End({6, 1, 2, 1, 22, 5}, {4, 0, 5, 2, 18, 2});
    // Computer: suit, haya, cards; human: the sixes and sevens.
    EXPECT_EQ(r.scores.Boxes()[0], "6");
    EXPECT_EQ(r.scores.Boxes()[1], "4");
    EXPECT_EQ(r.scores.Boxes()[2], "");
    EXPECT_EQ(r.scores.Boxes()[3], S(texts::kYes));
    EXPECT_EQ(r.scores.Boxes()[4], S(texts::kYes));
    EXPECT_EQ(r.scores.Boxes()[5], "");
    EXPECT_EQ(r.scores.Boxes()[6], "22");
    EXPECT_EQ(r.scores.Boxes()[7], "18");
    EXPECT_EQ(r.scores.Boxes()[16], "3");
    EXPECT_EQ(r.scores.Boxes()[17], "1");
    EXPECT_EQ(r.scores.Boxes()[8], "5");
    EXPECT_EQ(r.scores.Boxes()[9], "2");
    EXPECT_EQ(r.scores.Boxes()[10], "8");
    EXPECT_EQ(r.scores.Boxes()[11], "3");
    EXPECT_EQ(r.scores.Boxes()[12], "11");
    EXPECT_EQ(r.scores.Boxes()[13], "7");
    EXPECT_EQ(r.status, S(texts::kVerdictMe));
    EXPECT_EQ(r.caption, " 1\\1" + S(texts::kResultCaptionTail));
    EXPECT_EQ(t.game.State().MePile.Score, 11);
    EXPECT_TRUE(t.game.State().ComputerStarts);
}

TEST_F(EndHandTest, EvenSplitsGiveNoPoint) {
    const ResultsSheet r = End({5, 0, 0, 0, 20, 0}, {5, 0, 0, 0, 20, 0});
    EXPECT_EQ(r.scores.Boxes()[16], "0");
    EXPECT_EQ(r.scores.Boxes()[17], "0");
    EXPECT_EQ(r.status, S(texts::kVerdictDraw));
    EXPECT_TRUE(r.faces[static_cast<int>(Face::ComputerSmiling)]);
    EXPECT_TRUE(r.faces[static_cast<int>(Face::HumanSmiling)]);
}

TEST_F(EndHandTest, ThreeSevensBeatFiveSixesAndSevensOfTheOtherSide) {
    ResultsSheet r = End({0, 0, 3, 3, 0, 0}, {0, 0, 5, 1, 0, 0});
    EXPECT_EQ(r.scores.Boxes()[2], S(texts::kYes));
    EXPECT_EQ(r.scores.Boxes()[3], "");

    StateEditor::Of(t.game).MePile.Score = StateEditor::Of(t.game).YouPile.Score = 0;
    r = End({0, 0, 2, 2, 0, 0}, {0, 0, 5, 2, 0, 0});
    EXPECT_EQ(r.scores.Boxes()[2], "");
    EXPECT_EQ(r.scores.Boxes()[3], S(texts::kYes));
}

TEST_F(EndHandTest, EightScoringCardsReplaceNormalScoring) {
    const ResultsSheet r = End({2, 1, 4, 3, 25, 4}, {8, 0, 1, 0, 15, 3});
    EXPECT_EQ(r.status, S(texts::kYou8));
    EXPECT_EQ(r.scores.Boxes()[17], "10");
    EXPECT_EQ(r.scores.Boxes()[16], "0");
    for (int b : {2, 3, 4, 5, 6, 7}) EXPECT_EQ(r.scores.Boxes()[b], "") << b;
    EXPECT_EQ(r.scores.Boxes()[8], "4");
    EXPECT_EQ(r.scores.Boxes()[9], "3");
    EXPECT_EQ(t.game.State().YouPile.Score, 13);
    EXPECT_EQ(t.game.State().MePile.Score, 4);
}

TEST_F(EndHandTest, NineScoringCardsSendTheOtherSideToZeroAndCancelItsSweeps) {
    StateEditor::Of(t.game).YouPile.Score = 17;
    StateEditor::Of(t.game).MePile.Score = 5;
    const ResultsSheet r = End({9, 0, 0, 0, 20, 2}, {1, 0, 0, 0, 20, 6});
    EXPECT_EQ(r.status, S(texts::kMe9));
    EXPECT_EQ(r.scores.Boxes()[17], "-17");
    EXPECT_EQ(r.scores.Boxes()[9], "");
    EXPECT_EQ(r.scores.Boxes()[11], "");
    EXPECT_EQ(r.scores.Boxes()[8], "2");
    EXPECT_EQ(r.scores.Boxes()[10], "12");
    EXPECT_EQ(r.scores.Boxes()[12], "17");
    EXPECT_EQ(r.scores.Boxes()[13], "0");
}

TEST_F(EndHandTest, AllTenScoringCardsCloseTheMatchWithoutSweeps) {
    StateEditor::Of(t.game).MePile.Score = 30;
    const ResultsSheet r = End({0, 0, 0, 0, 10, 9}, {10, 1, 0, 0, 30, 4});
    EXPECT_EQ(t.game.State().YouMatchWins, 1);
    EXPECT_EQ(r.scores.Boxes()[15], "1");
    for (int b : {8, 9, 10, 11}) EXPECT_EQ(r.scores.Boxes()[b], "") << b;
    EXPECT_EQ(r.status, S(texts::kYou10));
    // The match is over: the next one starts from nothing with the human to start.
    EXPECT_EQ(t.game.State().MatchNumber, 2);
    EXPECT_EQ(t.game.State().HandNumber, 1);
    EXPECT_FALSE(t.game.State().ComputerStarts);
}

TEST_F(EndHandTest, DinariRuleOffMakesNineCardsOnePoint) {
    StateEditor::Of(t.game).DinariRule = false;
    const ResultsSheet r = End({9, 0, 0, 0, 20, 0}, {1, 0, 0, 0, 20, 0});
    EXPECT_EQ(r.scores.Boxes()[16], "1");
    EXPECT_EQ(r.scores.Boxes()[6], "20");
    EXPECT_EQ(r.status, S(texts::kVerdictMe));
}

TEST_F(EndHandTest, ReverseGameGivesTheHandToTheSmallerGain) {
    StateEditor::Of(t.game).ReverseGame = true;
    ResultsSheet r = End({6, 0, 0, 0, 22, 0}, {4, 0, 0, 0, 18, 0});
    EXPECT_EQ(r.status, S(texts::kVerdictYou));
    EXPECT_TRUE(r.faces[static_cast<int>(Face::ComputerDispleased)]);
    EXPECT_TRUE(r.faces[static_cast<int>(Face::HumanSmiling)]);
    r = End({0, 0, 0, 0, 20, 0}, {0, 0, 0, 0, 20, 0});
    EXPECT_EQ(r.status, S(texts::kVerdictDraw));
}

TEST_F(EndHandTest, BothPastTheTargetPlayOnToTenMore) {
    StateEditor::Of(t.game).TargetScore = 21;
    StateEditor::Of(t.game).MePile.Score = 22;
    StateEditor::Of(t.game).YouPile.Score = 22;
    End({0, 0, 0, 0, 22, 0}, {0, 0, 0, 0, 18, 0});  // 23 to 22: target is now 31
    EXPECT_EQ(t.game.State().MatchNumber, 1);
    EXPECT_EQ(t.game.State().MePile.Score, 23);
    StateEditor::Of(t.game).MePile.Score = 31;
    StateEditor::Of(t.game).YouPile.Score = 29;
    End({0, 0, 0, 0, 20, 0}, {0, 0, 0, 0, 20, 0});
    EXPECT_EQ(t.game.State().MeMatchWins, 1);
    EXPECT_EQ(t.game.State().MatchNumber, 2);
}

TEST_F(EndHandTest, EqualTotalsPastTheTargetDoNotEndTheMatch) {
    StateEditor::Of(t.game).TargetScore = 21;
    StateEditor::Of(t.game).MePile.Score = 33;
    StateEditor::Of(t.game).YouPile.Score = 33;
    End({}, {});
    EXPECT_EQ(t.game.State().MatchNumber, 1);
    EXPECT_EQ(t.game.State().MeMatchWins + t.game.State().YouMatchWins, 0);
}

TEST_F(EndHandTest, ComputerMatchWinIsAnnouncedWithTheMatchNumber) {
    StateEditor::Of(t.game).MePile.Score = 40;
    End({6, 0, 0, 0, 22, 0}, {4, 0, 0, 0, 18, 0});
    const std::string expected = S(texts::kMeWinsMatch) + " 1";
    EXPECT_EQ(t.LastResults().status, expected);
    EXPECT_EQ(t.Texts(TableEvent::Kind::Message), std::vector<std::string>{expected + " ...."});
    EXPECT_TRUE(t.LastResults().faces[static_cast<int>(Face::ComputerTriumphant)]);
    EXPECT_EQ(t.game.State().MePile.Score, 0);
}

TEST_F(EndHandTest, HumanMatchWinHasNoMessageAndKeepsTheVerdict) {
    StateEditor::Of(t.game).YouPile.Score = 40;
    End({4, 0, 0, 0, 18, 0}, {6, 0, 0, 0, 22, 0});
    EXPECT_EQ(t.LastResults().status, S(texts::kVerdictYou));
    EXPECT_TRUE(t.Texts(TableEvent::Kind::Message).empty());
    EXPECT_TRUE(t.LastResults().faces[static_cast<int>(Face::HumanTriumphant)]);
    EXPECT_EQ(t.game.State().YouMatchWins, 1);
}

TEST_F(EndHandTest, SecondMatchWinEndsTheGame) {
    StateEditor::Of(t.game).MeMatchWins = 1;
    StateEditor::Of(t.game).MePile.Score = 40;
    const int handBefore = t.game.State().HandNumber;
    End({6, 0, 0, 0, 22, 0}, {4, 0, 0, 0, 18, 0});
    EXPECT_FALSE(t.game.State().GameActive);
    EXPECT_EQ(t.game.State().HandNumber, handBefore);
    EXPECT_EQ(t.game.State().StatusText, S(texts::kBeatenYou));
    EXPECT_EQ(t.Texts(TableEvent::Kind::Message),
              std::vector<std::string>{S(texts::kGameOver) + S(texts::kBeatenYou) + " ...."});
    EXPECT_EQ(t.Plays(Wave::Applause), 1);
    EXPECT_EQ(t.Msgs().back(), "");
}

TEST_F(EndHandTest, ReverseGameSecondHumanWinIsTheComputersTriumph) {
    StateEditor::Of(t.game).ReverseGame = true;
    StateEditor::Of(t.game).YouMatchWins = 1;
    StateEditor::Of(t.game).YouPile.Score = 40;
    End({4, 0, 0, 0, 18, 0}, {6, 0, 0, 0, 22, 0});
    EXPECT_FALSE(t.game.State().GameActive);
    EXPECT_EQ(t.game.State().StatusText, S(texts::kBeatenYouShort));
    const ResultsSheet r = t.LastResults();
    EXPECT_TRUE(r.faces[static_cast<int>(Face::ComputerTriumphant)]);
    EXPECT_TRUE(r.faces[static_cast<int>(Face::HumanDispleased)]);
}

TEST(GatherTest, LastCapturerTakesTheRestAndTiesGoToTheHuman) {
    for (const bool computerLast : {true, false}) {
        GameTable t;
        t.Arrange({}, {}, {C("3c"), C("Kd")}, 36);
        StateEditor::Of(t.game).MePile.LastCapturePlay = computerLast ? 30 : 0;
        StateEditor::Of(t.game).YouPile.LastCapturePlay = 0;
        t.game.EndHand();
        const auto msgs = t.Msgs();
        ASSERT_FALSE(msgs.empty());
        EXPECT_EQ(msgs.front(),
                  computerLast ? "  I Gather the rest ...." : "You Gather the rest ....");
        EXPECT_EQ(t.LastResults().scores.Boxes()[computerLast ? 0 : 1], "1");
        EXPECT_EQ(t.LastResults().scores.Boxes()[computerLast ? 6 : 7], "2");
    }
}

}  // namespace
}  // namespace tazkova::testing
