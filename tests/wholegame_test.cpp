// Whole games played to their end by a scripted human with random clicks and drags, at
// every level, game type and option: after every command all 40 cards are accounted for,
// the counters agree with each other, the game's events agree with the table, and a replay
// gives the same output.
#include <gtest/gtest.h>

#include <random>

#include "cli/driver.h"
#include "telling/arabic_plays.h"
#include "tests/soak/table_checks.h"

namespace tazkova::cli {

using namespace tazkova::game;
namespace {

struct TableSetup {
    int level;
    int type;
    bool dinari;
    bool open;
    bool alternate;
    bool reverse;
};

/// Checks each event of the game against the table it is told at: the play against the
/// status line and the piles, the sweep against its points, the ends against the counters.
class EventCheck : public GameListener {
  public:
    explicit EventCheck(const Game& g) : g_(g) {}

    void PlayMade(const Play& play) override {
        const Pile& taker = play.side == Side::Human ? g_.State().YouPile : g_.State().MePile;
        const std::string played = (play.side == Side::Human ? "You" : "  I") +
                                   std::string(" Play ") + CardName(play.card);
        EXPECT_EQ(g_.State().StatusText.rfind(played, 0), 0u) << g_.State().StatusText;
        if (play.Laid()) {
            EXPECT_EQ(g_.State().StatusText, played);
        }
        for (const int card : play.taken) {
            EXPECT_NE(g_.State().StatusText.find(" " + CardName(card)), std::string::npos);
            for (int f = 1; f <= g_.State().FloorPile.Count; ++f)
                EXPECT_NE(g_.State().FloorPile.Cards[f], card);
        }
        const bool saysSweep = g_.State().StatusText.ends_with(" Tazkova!!");
        EXPECT_EQ(play.sweep, saysSweep) << g_.State().StatusText;
        EXPECT_EQ(play.clearedFloor, !play.Laid() && g_.State().FloorPile.Count == 0);
        EXPECT_TRUE(!play.sweep || play.clearedFloor);
        // The Arabic sentence names the same play: its side, its card and every card taken.
        const std::string told = telling::TellPlay(play);
        EXPECT_EQ(told.rfind(play.side == Side::Human ? "أنت ت" : "الحاسوب ي", 0), 0u) << told;
        EXPECT_NE(told.find(telling::CardName(play.card)), std::string::npos) << told;
        for (const int card : play.taken)
            EXPECT_NE(told.find(telling::CardName(card)), std::string::npos) << told;
        EXPECT_EQ(told.find("تازكوفا") != std::string::npos, play.sweep) << told;
        EXPECT_EQ(taker.SweepPoints, sweeps_[static_cast<int>(play.side)] + play.sweepPoints);
        sweeps_[static_cast<int>(play.side)] = taker.SweepPoints;
        ++plays_;
    }
    void HandStarted(const HandStart& start) override {
        EXPECT_EQ(start.hand, g_.State().HandNumber);
        sweeps_ = {0, 0};
        plays_ = 0;
    }
    void RestGathered(const Gather& gather) override {
        EXPECT_EQ(plays_, 36) << "the rest is gathered after the 36th play";
        EXPECT_EQ(g_.State().FloorPile.Count, 0);
        const Pile& taker = gather.side == Side::Human ? g_.State().YouPile : g_.State().MePile;
        const Pile& other = gather.side == Side::Human ? g_.State().MePile : g_.State().YouPile;
        if (gather.cards.count > 0) {
            EXPECT_GT(taker.LastCapturePlay, other.LastCapturePlay);
        }
    }
    void MatchEnded(const MatchEnd& end) override {
        ++matches_;
        EXPECT_NE(end.computerTotal, end.humanTotal);
        const bool largerWins = !g_.State().ReverseGame;
        const bool humanLarger = end.humanTotal > end.computerTotal;
        EXPECT_EQ(end.winner == Side::Human, humanLarger == largerWins);
    }
    void GameEnded(Side winner) override {
        const bool computerTwo = g_.State().MeMatchWins >= 2;
        EXPECT_EQ(winner == Side::Computer, computerTwo != g_.State().ReverseGame);
        EXPECT_EQ(matches_, g_.State().MeMatchWins + g_.State().YouMatchWins);
        ended_ = true;
    }
    bool Ended() const { return ended_; }

  private:
    const Game& g_;
    std::array<int, 2> sweeps_{};
    int plays_ = 0;
    int matches_ = 0;
    bool ended_ = false;
};

/// Plays one game to its end; returns the whole output, or fails the test.
std::string PlayGame(unsigned advance, const TableSetup& s, unsigned scriptSeed) {
    Driver d;
    EventCheck events(d.game());
    d.game().AddListener(events);
    std::string transcript = d.Start({SeedChoice::Kind::Advance, advance}, 0) + "\n";
    auto run = [&](const std::string& line) {
        transcript += d.Execute(line).value_or("") + "\n";
        const std::string broken =
            soak::BrokenRule(d.game(), d.table(), soak::Moment::BetweenCommands);
        EXPECT_EQ(broken, "") << "after '" << line << "' (seed " << advance << ")";
        return broken.empty();
    };
    run("delay 0");
    run("options level=" + std::to_string(s.level) + " type=" + std::to_string(s.type) +
        " dinari=" + std::to_string(s.dinari) + " open=" + std::to_string(s.open) +
        " alternate=" + std::to_string(s.alternate) + " reverse=" + std::to_string(s.reverse));
    run("new");
    std::mt19937 rng(scriptSeed);
    for (int step = 0; step < 60000 && d.game().State().GameActive; ++step) {
        // Candidate cards: the human's hand and the floor, as a player sees them.
        std::vector<int> cards;
        for (const Pile* p : {&d.game().State().YouPile, &d.game().State().FloorPile}) {
            for (int i = 1; i <= p->Count; ++i) cards.push_back(p->Cards[i] - 1);
        }
        if (cards.empty()) {
            ADD_FAILURE() << "no card to play in a running game";
            break;
        }
        const int a = cards[rng() % cards.size()];
        std::string line = "click " + std::to_string(a);
        if (rng() % 4 == 0) {
            const int b = cards[rng() % cards.size()];
            line = "drag " + std::to_string(a) + " " + std::to_string(b);
        } else if (rng() % 200 == 0) {
            line = "result";
        }
        if (!run(line)) break;
    }
    EXPECT_FALSE(d.game().State().GameActive) << "game did not end (seed " << advance << ")";
    EXPECT_TRUE(d.game().State().MeMatchWins == 2 || d.game().State().YouMatchWins == 2);
    EXPECT_TRUE(events.Ended());
    // At least two matches were played, each ending with a scored hand.
    int count = 0;
    for (std::size_t at = transcript.find("\"dialog\":\"results\""); at != std::string::npos;
         at = transcript.find("\"dialog\":\"results\"", at + 1))
        ++count;
    EXPECT_GE(count, 2);
    return transcript;
}

TEST(WholeGameTest, EveryLevelTypeAndOptionPlaysToTheEnd) {
    int games = 0;
    for (int level = 1; level <= 4; ++level) {
        for (int type = 0; type <= 3; ++type) {
            const unsigned mix = static_cast<unsigned>(level * 4 + type);
            const TableSetup s{level,          type,           (mix & 1) != 0,
                               (mix & 2) != 0, (mix & 4) != 0, (mix & 8) != 0};
            PlayGame(1000 + mix * 37, s, mix);
            ++games;
            if (::testing::Test::HasFailure()) return;
        }
    }
    EXPECT_EQ(games, 16);
}

TEST(WholeGameTest, ManySeedsWithTheDefaultOptions) {
    for (unsigned seed = 1; seed <= 100; ++seed) {
        PlayGame(seed * 7919, {4, 2, true, false, false, false}, seed);
        if (::testing::Test::HasFailure()) return;
    }
}

TEST(WholeGameTest, SameSeedAndScriptGiveTheSameOutput) {
    const TableSetup s{3, 1, true, true, true, false};
    const std::string first = PlayGame(4242, s, 99);
    const std::string second = PlayGame(4242, s, 99);
    EXPECT_EQ(first, second);
    EXPECT_NE(first, PlayGame(4243, s, 99));
}

}  // namespace
}  // namespace tazkova::cli
