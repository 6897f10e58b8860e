// Whole games played to their end by a scripted human with random clicks and drags, at
// every level, game type and option: after every command all 40 cards are accounted for,
// the counters agree with each other, and a replay gives the same output.
#include <gtest/gtest.h>

#include <random>

#include "cli/driver.h"
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

/// Plays one game to its end; returns the whole output, or fails the test.
std::string PlayGame(unsigned advance, const TableSetup& s, unsigned scriptSeed) {
    Driver d;
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
    for (int step = 0; step < 60000 && d.game().GameActive; ++step) {
        // Candidate cards: the human's hand and the floor, as a player sees them.
        std::vector<int> cards;
        for (const Pile* p : {&d.game().YouPile, &d.game().FloorPile}) {
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
    EXPECT_FALSE(d.game().GameActive) << "game did not end (seed " << advance << ")";
    EXPECT_TRUE(d.game().MeMatchWins == 2 || d.game().YouMatchWins == 2);
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
