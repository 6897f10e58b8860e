// The hint and the take-back, through the headless driver's command lines.
#include <gtest/gtest.h>

#include <algorithm>

#include "cli/driver.h"

namespace tazkova::cli {

using namespace tazkova::game;
namespace {

using nlohmann::json;

class HintUndoTest : public ::testing::Test {
  protected:
    void SetUp() override { d.Start({SeedChoice::Kind::Advance, 4242}, 0); }
    std::string Line(const std::string& command) { return d.Execute(command).value_or(""); }
    json Run(const std::string& command) { return json::parse(Line(command)); }
    std::string State() { return Line("state"); }

    /// The clicks that make the hinted play: the card, then the floor cards if asked for.
    /// Returns the output lines.
    std::vector<std::string> PlayHint(const json& hint) {
        std::vector<std::string> out{Line("click " + std::to_string(hint["card"].get<int>() - 1))};
        if (d.game().State().Input == InputState::PickFloor) {
            for (const int card : hint["takes"])
                out.push_back(Line("click " + std::to_string(card - 1)));
        }
        return out;
    }
    Driver d;
};

TEST_F(HintUndoTest, HintAndARefusedUndoChangeNothing) {
    const std::string before = State();
    EXPECT_EQ(Line("hint"), R"({"cmd":"hint","hint":null,"events":[]})");
    EXPECT_EQ(Line("undo"), R"({"cmd":"undo","error":"nothing to take back"})");
    EXPECT_TRUE(Run("hint 1").contains("error"));
    EXPECT_EQ(State(), before);

    Run("new");
    const std::string dealt = State();
    const json hint = Run("hint");
    ASSERT_TRUE(hint["hint"].is_object());
    EXPECT_EQ(hint["events"], json::array());
    // The expert's hint is one of the human's cards, and asking it changes nothing either.
    const json expert = Run("hint expert");
    const Pile& you = d.game().State().YouPile;
    EXPECT_NE(std::find(you.Cards.begin() + 1, you.Cards.begin() + 1 + you.Count,
                        expert["hint"]["card"].get<int>()),
              you.Cards.begin() + 1 + you.Count);
    EXPECT_EQ(Line("undo"), R"({"cmd":"undo","error":"nothing to take back"})");
    EXPECT_EQ(State(), dealt);
}

TEST_F(HintUndoTest, TheHintIsThePlayTheClicksMake) {
    Run("new");
    // At the first pause of a human play the computer has not answered yet: the table then
    // shows what the human's play took.
    std::vector<int> handBefore, floorBefore, handAt, floorAt;
    bool seen = false;
    auto cards = [](const Pile& p) {
        return std::vector<int>(p.Cards.begin() + 1, p.Cards.begin() + 1 + p.Count);
    };
    d.table().SetPauseWatch([&] {
        if (seen) return;
        seen = true;
        handAt = cards(d.game().State().YouPile);
        floorAt = cards(d.game().State().FloorPile);
    });
    int plays = 0, picked = 0, laid = 0;
    while (d.game().State().GameActive && plays < 5000) {
        const json hint = Run("hint")["hint"];
        ASSERT_TRUE(hint.is_object());
        const int card = hint["card"];
        std::vector<int> takes = hint["takes"];
        handBefore = cards(d.game().State().YouPile);
        floorBefore = cards(d.game().State().FloorPile);
        ASSERT_NE(std::find(handBefore.begin(), handBefore.end(), card), handBefore.end());
        seen = false;
        const int clicks = static_cast<int>(PlayHint(hint).size());
        picked += clicks > 1;
        ++plays;
        ASSERT_TRUE(seen);
        std::vector<int> expectHand = handBefore, expectFloor = floorBefore;
        std::erase(expectHand, card);
        if (takes.empty()) {
            ++laid;
            expectFloor.push_back(card);
        }
        for (const int t : takes) {
            ASSERT_NE(std::find(expectFloor.begin(), expectFloor.end(), t), expectFloor.end());
            std::erase(expectFloor, t);
        }
        std::sort(expectFloor.begin(), expectFloor.end());
        std::sort(floorAt.begin(), floorAt.end());
        EXPECT_EQ(handAt, expectHand) << "play " << plays;
        EXPECT_EQ(floorAt, expectFloor) << "play " << plays;
    }
    EXPECT_FALSE(d.game().State().GameActive);
    EXPECT_EQ(Line("hint"), R"({"cmd":"hint","hint":null,"events":[]})");
    // The game went through every kind of play.
    EXPECT_GT(picked, 0);
    EXPECT_GT(laid, 0);
}

TEST_F(HintUndoTest, WhileACardWaitsForPicksTheHintIsForThatCard) {
    Run("new");
    int waits = 0;
    for (int play = 0; d.game().State().GameActive && play < 5000; ++play) {
        const std::string before = State();
        const json hint = Run("hint")["hint"];
        // Choose each other card in turn; when it waits for picks, take the hint; then back
        // to the table as it was (unless the play ended the hand) and play the first hint.
        std::vector<int> others;
        for (int k = 1; k <= d.game().State().YouPile.Count; ++k) {
            if (d.game().State().YouPile.Cards[k] != hint["card"])
                others.push_back(d.game().State().YouPile.Cards[k]);
        }
        bool handEnded = false;
        for (const int other : others) {
            Run("click " + std::to_string(other - 1));
            if (d.game().State().Input == InputState::PickFloor) {
                ++waits;
                const json chosen = Run("hint")["hint"];
                ASSERT_TRUE(chosen.is_object());
                EXPECT_EQ(chosen["card"], other);
                const int plays = d.game().State().PlayCount;
                PlayHint(chosen);
                EXPECT_EQ(d.game().State().Input, InputState::ChooseCard);
                EXPECT_NE(d.game().State().PlayCount, plays);
            }
            handEnded = Run("undo").contains("error");
            if (handEnded) break;
            EXPECT_EQ(State(), before);
        }
        if (!handEnded) PlayHint(hint);
    }
    EXPECT_GT(waits, 5);
}

TEST_F(HintUndoTest, UndoGoesBackPlayByPlayToTheHandsStart) {
    Run("new");
    const int hand = d.game().State().HandNumber;
    std::vector<std::string> before;                // state lines before each play
    std::vector<std::vector<std::string>> outputs;  // the play's output lines
    std::vector<json> hints;
    while (d.game().State().PlayCount < 30) {
        before.push_back(State());
        hints.push_back(Run("hint")["hint"]);
        outputs.push_back(PlayHint(hints.back()));
    }
    ASSERT_EQ(d.game().State().HandNumber, hand);
    // The preferences stay as the player last set them.
    Run("sound");
    Run("delay 7");
    const auto withPreferences = [](std::string state) {
        json s = json::parse(state);
        s["state"]["SoundOn"] = false;
        s["state"]["DelayTime"] = 7;
        return s;
    };
    for (std::size_t k = before.size(); k-- > 0;) {
        EXPECT_EQ(Line("undo"), R"({"cmd":"undo","events":[]})");
        EXPECT_EQ(json::parse(State()), withPreferences(before[k])) << "play " << k;
    }
    const std::string start = State();
    EXPECT_EQ(Line("undo"), R"({"cmd":"undo","error":"nothing to take back"})");
    EXPECT_EQ(State(), start);

    // The same clicks again make the same lines.
    Run("sound");
    Run("delay 1500");
    EXPECT_EQ(State(), before[0]);
    EXPECT_EQ(PlayHint(hints[0]), outputs[0]);
    EXPECT_EQ(State(), before[1]);
}

TEST_F(HintUndoTest, APlayThatEndsTheHandIsNotTakenBack) {
    Run("new");
    const int hand = d.game().State().HandNumber;
    while (d.game().State().HandNumber == hand) PlayHint(Run("hint")["hint"]);
    EXPECT_EQ(Line("undo"), R"({"cmd":"undo","error":"nothing to take back"})");
    // The next hand's first play is taken back, and no further.
    const std::string start = State();
    PlayHint(Run("hint")["hint"]);
    EXPECT_EQ(Line("undo"), R"({"cmd":"undo","events":[]})");
    EXPECT_EQ(State(), start);
    EXPECT_EQ(Line("undo"), R"({"cmd":"undo","error":"nothing to take back"})");
}

}  // namespace
}  // namespace tazkova::cli
