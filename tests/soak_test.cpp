// The random-game soak in a bounded run, and the table checks it relies on: each check must
// notice the fault it is there for.
#include "tests/soak/soak.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <sstream>

#include "cli/driver.h"
#include "tests/soak/table_checks.h"

namespace tazkova::soak {

using namespace tazkova::game;
namespace {

using ::testing::HasSubstr;

/// A fresh game just dealt, human to play.
struct DealtTable {
    cli::Driver d;
    DealtTable() {
        d.Start({SeedChoice::Kind::Advance, 5}, 0);
        d.Execute("new");
    }
    Game& g() { return d.game(); }
    std::string Broken(Moment moment = Moment::BetweenCommands) {
        return BrokenRule(d.game(), d.table(), moment);
    }
};

TEST(TableChecksTest, AFreshTableAndAFinishedGameBreakNothing) {
    cli::Driver before;
    before.Start({SeedChoice::Kind::Advance, 5}, 0);
    EXPECT_EQ(BrokenRule(before.game(), before.table(), Moment::BetweenCommands), "");
    DealtTable t;
    EXPECT_EQ(t.Broken(), "");
    EXPECT_EQ(t.Broken(Moment::DuringPause), "");
}

TEST(TableChecksTest, EachCorruptionIsNoticed) {
    struct Case {
        const char* what;
        std::function<void(DealtTable&)> corrupt;
        const char* expected;
    };
    const Case cases[] = {
        {"a card in two places",
         [](DealtTable& t) {
             StateEditor::Of(t.g()).FloorPile.Cards[1] = StateEditor::Of(t.g()).YouPile.Cards[1];
         },
         "two places"},
        {"a card number off the deck",
         [](DealtTable& t) { StateEditor::Of(t.g()).MePile.Cards[2] = 41; }, "out of range"},
        {"a card lost from the floor",
         [](DealtTable& t) { --StateEditor::Of(t.g()).FloorPile.Count; }, "left beyond the count"},
        {"a capture counted twice",
         [](DealtTable& t) { ++StateEditor::Of(t.g()).MePile.CardCount; }, "captured counts"},
        {"a seven counted without its card",
         [](DealtTable& t) { ++StateEditor::Of(t.g()).YouPile.SevenCount; }, "seven counts"},
        {"two floor cards at one place",
         [](DealtTable& t) {
             StateEditor::Of(t.g()).FloorPile.Slots[2] = StateEditor::Of(t.g()).FloorPile.Slots[1];
         },
         "two cards at display position"},
        {"a play counted twice", [](DealtTable& t) { ++StateEditor::Of(t.g()).PlayCount; },
         "PlayCount"},
        {"a round counted twice", [](DealtTable& t) { ++StateEditor::Of(t.g()).RoundNo; },
         "RoundNo"},
        {"a pick beyond the floor",
         [](DealtTable& t) {
             StateEditor::Of(t.g()).PickedSet.set(StateEditor::Of(t.g()).FloorPile.Count + 1);
         },
         "off the floor"},
        {"a floor card drawn hidden",
         [](DealtTable& t) {
             t.d.table().SetImageVisible(t.g().State().FloorPile.Cards[1] - 1, false);
         },
         "hidden or disabled"},
        {"the computer's hand shown face up",
         [](DealtTable& t) {
             t.d.table().SetImageVisible(t.g().State().MePile.Cards[1] - 1, true);
         },
         "shown wrongly"},
        {"an undealt card shown",
         [](DealtTable& t) { t.d.table().SetImageVisible(t.g().State().Deck[40] - 1, true); },
         "undealt card"},
        {"a frame on the computer's card",
         [](DealtTable& t) { t.d.table().SetFrameVisible(t.g().State().MePile.Cards[1], true); },
         "frame"},
        {"a picked floor card without its frame",
         [](DealtTable& t) { StateEditor::Of(t.g()).PickedSet.set(1); }, "no frame"},
        {"a hand that takes no input",
         [](DealtTable& t) { StateEditor::Of(t.g()).Input = InputState::Closed; },
         "takes no input"},
    };
    for (const Case& c : cases) {
        DealtTable t;
        c.corrupt(t);
        EXPECT_THAT(t.Broken(), HasSubstr(c.expected)) << c.what;
    }
}

TEST(TableChecksTest, APauseLeavesTheCardsOfThePlayOutOnlyWhileItIsShown) {
    DealtTable t;
    const int image = t.g().State().FloorPile.Cards[1] - 1;
    t.d.table().SetImageVisible(image, false);
    StateEditor::Of(t.g()).Table.images[image].visible = false;
    StateEditor::Of(t.g()).MovedCount = 1;
    StateEditor::Of(t.g()).MovedCards[1] = image;
    EXPECT_EQ(t.Broken(Moment::DuringPause), "");
    EXPECT_THAT(t.Broken(Moment::BetweenCommands), HasSubstr("hidden or disabled"));
}

TEST(TableChecksTest, ALaidCardMustCarryTheTagOfALaidCard) {
    DealtTable t;
    const int image = t.g().State().FloorPile.Cards[1] - 1;
    StateEditor::Of(t.g()).MovedCount = 1;
    StateEditor::Of(t.g()).MovedCards[1] = image;
    t.d.table().SetImageTag(image, 0);
    EXPECT_THAT(t.Broken(), HasSubstr("tag 1"));
    t.d.table().SetImageTag(image, 1);
    // The table shows it right, but the game's own record of the table says otherwise.
    EXPECT_THAT(t.Broken(), HasSubstr("record of the table"));
    StateEditor::Of(t.g()).Table.images[image].tag = 1;
    EXPECT_EQ(t.Broken(), "");
}

/// Games to play in the bounded run; TAZKOVA_SOAK_GAMES sets another number.
std::uint64_t SoakGames() {
    const char* text = std::getenv("TAZKOVA_SOAK_GAMES");
    return text ? std::strtoull(text, nullptr, 10) : 1000;
}

TEST(SoakTest, RandomGamesKeepTheTableWhole) {
    const std::uint64_t games = SoakGames();
    std::uint64_t finished = 0, pauses = 0, commands = 0;
    for (std::uint64_t game = 0; game < games; ++game) {
        const GameReport report = PlaySoakGame(20261208, game);
        ASSERT_EQ(report.fault, "") << "game " << game << ", replay with tazkova-cli:\n"
                                    << ReplayScript(report);
        finished += report.finished ? 1 : 0;
        pauses += static_cast<std::uint64_t>(report.pauses);
        commands += report.script.size();
    }
    EXPECT_EQ(finished, games);
    EXPECT_GT(pauses, commands / 4) << "the pauses were not watched";
}

TEST(SoakTest, AGameIsReplayedExactlyFromItsScript) {
    const GameReport report = PlaySoakGame(99, 7);
    const GameReport again = PlaySoakGame(99, 7);
    ASSERT_EQ(report.script, again.script);
    EXPECT_NE(report.script, PlaySoakGame(99, 8).script);

    cli::Driver d;
    d.Start(ParseSeedParameter(report.parameter), 0);
    std::istringstream script(ReplayScript(report));
    std::string line;
    while (std::getline(script, line)) d.Execute(line);
    EXPECT_EQ(cli::DumpLine(d.StateJson()), report.finalState);
    EXPECT_TRUE(report.finished);
}

}  // namespace
}  // namespace tazkova::soak
