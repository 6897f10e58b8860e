// The hand review: the judge blind to what the player could not know, equal to the expert's
// own weighing, the same every time, and changing nothing at the table; `review` in the
// driver.
#include <gtest/gtest.h>

#include <utility>

#include "cli/driver.h"
#include "coach/judge.h"
#include "expert/expert_player.h"
#include "game/recording.h"

namespace tazkova::coach {
namespace {

using namespace tazkova::game;
using nlohmann::json;

/// Fewer worlds than the window's review, for the sanitizer builds' sake: the judge is the
/// same at any number.
expert::SearchSettings TestSettings() {
    expert::SearchSettings s = JudgeSettings();
    s.worlds = 60;
    return s;
}

/// A table whose human seat plays level 4's choice by clicks.
struct Table {
    SilentTable table;
    Game game{table, table, table, table};
    explicit Table(std::uint32_t seed) {
        game.SetExpertPlayer(&expert::StandardPlayer());
        game.SetGeneratorState(seed);
        game.Startup({SeedChoice::Kind::Untouched, 0}, 0);
        game.SetDelayTime(0);
        game.NewGame();
    }
    void Play(const PlaySuggestion& play) {
        game.HumanPlay(play.card - 1);
        if (game.State().Input == InputState::PickFloor) {
            for (const int card : play.takes) game.HumanPlay(card - 1);
        }
    }
    void PlayOwnChoice() { Play(*game.SuggestPlay(4)); }
};

bool operator==(const Judgement& a, const Judgement& b) {
    return a.play == b.play && a.worth == b.worth && a.best == b.best && a.bestWorth == b.bestWorth;
}

TEST(CoachTest, TheReviewIsBlindToTheComputersHandAndTheDecksOrder) {
    int judged = 0;
    for (const std::uint32_t seed : {11u, 907u, 52341u}) {
        for (const int before : {0, 1, 3, 4, 6, 7, 9, 10}) {
            Table seen(seed), moved(seed);
            while (static_cast<int>(seen.game.HumanPlays().size()) < before) {
                seen.PlayOwnChoice();
                moved.PlayOwnChoice();
            }
            // The unseen cards change places: the computer's hand with the deck, the deck
            // reversed; everything the human saw stays.
            GameState& s = StateEditor::Of(moved.game);
            if (s.DeckPos > kDeckSize || s.MePile.Count == 0) continue;
            for (int i = 1; i <= s.MePile.Count && s.DeckPos + i - 1 <= kDeckSize; ++i) {
                const int card = s.MePile.Cards[i];
                s.MePile.Cards[i] = static_cast<std::uint8_t>(s.Deck[s.DeckPos + i - 1]);
                s.Deck[s.DeckPos + i - 1] = card;
            }
            std::reverse(s.Deck.begin() + s.DeckPos, s.Deck.end());
            ASSERT_NE(s.MePile.Cards, seen.game.State().MePile.Cards);
            const PlaySuggestion play = *seen.game.SuggestPlay(4);
            seen.Play(play);
            moved.Play(play);
            const HumanPlayRecord& a = seen.game.HumanPlays().back();
            const HumanPlayRecord& b = moved.game.HumanPlays().back();
            const auto ja = Judge(a.before, a.play, TestSettings());
            const auto jb = Judge(b.before, b.play, TestSettings());
            ASSERT_TRUE(ja && jb);
            EXPECT_TRUE(*ja == *jb) << "seed " << seed << ", play " << before;
            ++judged;
        }
    }
    EXPECT_GE(judged, 12);
}

TEST(CoachTest, AJudgementIsTheExpertsOwnWeighingAndTheSameEveryTime) {
    Table t(4242);
    int marked = 0;
    while (t.game.State().MatchNumber == 1 && t.game.State().HandNumber == 1) {
        const SeatKnowledge k = t.game.KnowledgeOf(false);
        const std::vector<expert::WeighedPlay> weighed = expert::WeighPlays(k, TestSettings());
        ASSERT_FALSE(weighed.empty());
        // The expert chooses the first of the best of the same weighing.
        const auto best = std::max_element(weighed.begin(), weighed.end(),
                                           [](auto& x, auto& y) { return x.worth < y.worth; });
        EXPECT_EQ(expert::ChoosePlay(k, TestSettings()),
                  weighed.size() == 1 ? weighed[0].play : best->play);
        // Every play the seat may make is judged against the same best.
        for (const expert::WeighedPlay& w : weighed) {
            const auto j = Judge(k, w.play, TestSettings());
            ASSERT_TRUE(j);
            EXPECT_EQ(j->worth, w.worth);
            EXPECT_EQ(j->bestWorth, best->worth);
            EXPECT_EQ(j->best, j->Loss() > 0 ? best->play : w.play);
            marked += j->Marked();
        }
        const auto again = Judge(k, weighed.back().play, TestSettings());
        EXPECT_TRUE(*again == *Judge(k, weighed.back().play, TestSettings()));
        t.PlayOwnChoice();
    }
    EXPECT_GT(marked, 0);  // some plays are worse by half a point
    EXPECT_FALSE(Judge(t.game.KnowledgeOf(false), {kDeckSize + 1, 0}, TestSettings()));
}

TEST(CoachTest, TheSummaryAddsTheLossesAndNamesTheWorstMarkedPlay) {
    std::vector<Judgement> review(3);
    review[0].worth = 1.0, review[0].bestWorth = 1.2;
    review[1].worth = -0.5, review[1].bestWorth = 0.5;
    review[2].worth = 0.1, review[2].bestWorth = 0.8;
    HandSummary summary = Summarize(review);
    EXPECT_NEAR(summary.givenAway, 1.9, 1e-9);
    EXPECT_EQ(summary.worst, 1);
    review.erase(review.begin() + 1, review.end());
    EXPECT_FALSE(Summarize(review).worst);  // a fifth of a point marks nothing
}

class CoachDriverTest : public ::testing::Test {
  protected:
    static std::string Line(cli::Driver& d, const std::string& command) {
        return d.Execute(command).value_or("");
    }
    /// The human plays its hint until `plays` of its plays are made or the hand is over.
    static std::vector<std::string> PlayHints(cli::Driver& d, std::size_t plays, bool review) {
        std::vector<std::string> out;
        const int hand = d.game().State().HandNumber;
        while (d.game().HumanPlays().size() < plays && d.game().State().HandNumber == hand) {
            const json hint = json::parse(Line(d, "hint"))["hint"];
            out.push_back(Line(d, "click " + std::to_string(hint["card"].get<int>() - 1)));
            if (d.game().State().Input == InputState::PickFloor) {
                for (const int card : hint["takes"])
                    out.push_back(Line(d, "click " + std::to_string(card - 1)));
            }
            if (review && d.game().HumanPlays().size() % 8 == 1) Line(d, "review current");
        }
        out.push_back(Line(d, "state"));
        return out;
    }
};

TEST_F(CoachDriverTest, ReviewIsAnErrorBeforeAHandAndFollowsTakeBack) {
    cli::Driver d;
    d.Start({SeedChoice::Kind::Advance, 77}, 0);
    EXPECT_TRUE(json::parse(Line(d, "review")).contains("error"));
    EXPECT_TRUE(json::parse(Line(d, "review current")).contains("error"));
    EXPECT_TRUE(json::parse(Line(d, "review now")).contains("error"));
    Line(d, "delay 0");
    Line(d, "new");
    EXPECT_TRUE(json::parse(Line(d, "review")).contains("error"));  // no hand is over yet
    PlayHints(d, 3, false);
    const json three = json::parse(Line(d, "review current"))["review"];
    ASSERT_EQ(three.size(), 3u);
    for (const json& entry : three) {
        EXPECT_GE(entry["bestWorth"].get<double>(), entry["worth"].get<double>());
        for (const char* key : {"card", "takes", "worth", "best", "bestWorth"})
            EXPECT_TRUE(entry.contains(key)) << key;
    }
    Line(d, "undo");
    const json two = json::parse(Line(d, "review current"))["review"];
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[1], three[1]);
    // The hand played out: `review` judges it whole, the next hand under way.
    PlayHints(d, 99, false);
    const json hand = json::parse(Line(d, "review"))["review"];
    EXPECT_EQ(hand.size(), static_cast<std::size_t>(kPlaysPerHand / 2));
    EXPECT_EQ(hand[0], three[0]);
    EXPECT_EQ(json::parse(Line(d, "review current"))["review"].size(), 0u);
}

TEST_F(CoachDriverTest, AReviewChangesNothingAndIsTheSameTwice) {
    cli::Driver plain, reviewed;
    plain.Start({SeedChoice::Kind::Advance, 5150}, 0);
    reviewed.Start({SeedChoice::Kind::Advance, 5150}, 0);
    for (cli::Driver* d : {&plain, &reviewed}) {
        Line(*d, "delay 0");
        Line(*d, "new");
    }
    // Every line the game answers, and its whole state with the generator's, alike.
    EXPECT_EQ(PlayHints(plain, 99, false), PlayHints(reviewed, 99, true));
    EXPECT_EQ(Line(plain, "review"), Line(reviewed, "review"));
    EXPECT_EQ(Line(reviewed, "review"), Line(reviewed, "review"));
    EXPECT_EQ(PlayHints(plain, 4, false), PlayHints(reviewed, 4, true));
}

}  // namespace
}  // namespace tazkova::coach
