// Tables the rules allow but a hand rarely reaches: a floor of many cards, a search with
// more plays than a hand has cards, a gather of almost the whole deck, picks far down the
// floor; and the start-up parameter at the edges of a 32-bit number.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "tests/fixture.h"

namespace tazkova::testing {

using namespace tazkova::game;
namespace {

using ::testing::HasSubstr;

/// Cards of the given ranks, every suit of each, in card order.
std::vector<int> AllOfRanks(std::initializer_list<int> ranks) {
    std::vector<int> cards;
    for (int n = 1; n <= kDeckSize; ++n) {
        if (std::find(ranks.begin(), ranks.end(), CardRank(n)) != ranks.end()) cards.push_back(n);
    }
    return cards;
}

/// Four of each rank 1..5 and the single 6, 7 (of the scoring suit), 8 and 9: every way of
/// making ten from floor cards is there, 33 of them.
std::vector<int> FloorOfEveryTen() {
    std::vector<int> floor = AllOfRanks({1, 2, 3, 4, 5});
    for (const char* name : {"6c", "7d", "Qc", "Jc"}) floor.push_back(C(name));
    return floor;
}

TEST(LargeFloorTest, ThreeKingsOverEveryTenMakeNinetyNinePlaysAndTakeTheBest) {
    GameTable t;
    t.Arrange({C("Kc"), C("Kh"), C("Ks")}, {C("Kd")}, FloorOfEveryTen());
    int possiblePlays = -1;
    t.game.SetTraceSink([&](const std::string& line) {
        const std::string head = "No. of Possible Plays = ";
        if (line.rfind(head, 0) == 0) possiblePlays = std::stoi(line.substr(head.size()));
    });
    t.game.ComputerTurn(StateEditor::Of(t.game).MePile);

    EXPECT_EQ(possiblePlays, 99);
    EXPECT_EQ(t.game.State().SumCaptureCount, 99);
    // The seven of the scoring suit outweighs everything else a ten can take.
    EXPECT_EQ(t.game.State().MePile.HasHaya, 1);
    EXPECT_EQ(t.game.State().MePile.Count, 2);
    EXPECT_EQ(RankSum(t.game.State().FloorPile), 90 - 10);
    EXPECT_THAT(t.game.State().StatusText, HasSubstr(" 7d"));
    for (int i = 1; i <= t.game.State().MovedCount; ++i) {
        EXPECT_FALSE(t.table.Images()[t.game.State().MovedCards[i]].enabled);
    }
}

TEST(LargeFloorTest, TheHumanPicksFarDownALongFloor) {
    GameTable t;
    t.Arrange({C("7s")}, {C("Kh"), C("7h")}, FloorOfEveryTen());
    const int floorCount = t.game.State().FloorPile.Count;
    ASSERT_EQ(floorCount, 24);

    t.game.HumanPlay(C("Kh") - 1);  // many ways to make ten: the human must choose
    ASSERT_EQ(t.game.State().Input, InputState::PickFloor);
    t.game.HumanPlay(C("Jc") - 1);  // the last floor card, a nine
    t.game.HumanPlay(C("Qc") - 1);  // nine and eight make no ten: the eight is unpicked again
    EXPECT_EQ(t.game.State().PickedSet.count(), 2u);
    t.game.HumanPlay(C("Qc") - 1);
    EXPECT_EQ(t.game.State().PickedSet.count(), 1u);
    EXPECT_EQ(t.game.State().Input, InputState::PickFloor);
    t.game.HumanPlay(C("1s") - 1);  // nine and the ace of spades
    EXPECT_EQ(t.game.State().Input, InputState::ChooseCard);
    EXPECT_EQ(t.game.State().YouPile.CardCount, 3);
    EXPECT_THAT(t.Msgs(), ::testing::Contains("You Play Kh and pick  Jc 1s"));
    // The computer answered by taking the seven of the scoring suit with its seven.
    EXPECT_EQ(t.game.State().MePile.HasHaya, 1);
    EXPECT_EQ(t.game.State().FloorPile.Count, floorCount - 2 - 1);
    for (const int card : {C("Kh"), C("Jc"), C("1s")}) {
        EXPECT_FALSE(t.table.Images()[card - 1].visible) << CardName(card);
        EXPECT_FALSE(t.table.Frames()[card - 1].visible) << CardName(card);
    }
}

TEST(LargeFloorTest, CardsLaidPastTheTwelfthPlaceStayOnTheTable) {
    GameTable t;
    // Twenty floor cards with no ace among them: an ace can take nothing and is laid.
    t.Arrange({}, {C("1h"), C("1s")}, AllOfRanks({2, 3, 4, 5, 6}));
    t.game.HumanPlay(C("1h") - 1);
    ASSERT_EQ(t.game.State().FloorPile.Count, 21);
    EXPECT_EQ(t.game.State().FloorPile.Cards[21], C("1h"));
    EXPECT_EQ(t.game.State().FloorPile.Slots[21], 21);
    EXPECT_EQ(t.table.Images()[C("1h") - 1].tag, 1);
    for (int i = 1; i <= t.game.State().FloorPile.Count; ++i) {
        const ImageState& image = t.table.Images()[t.game.State().FloorPile.Cards[i] - 1];
        EXPECT_TRUE(image.visible);
        // On the table: inside the window and above the human's hand row.
        EXPECT_GE(image.left, 0);
        EXPECT_LE(image.left + 71, 499);
        EXPECT_LT(image.top, 300);
    }
}

TEST(LargeFloorTest, TheLastCapturerGathersAlmostTheWholeDeck) {
    GameTable t;
    // 36 floor cards, and the human's last card takes the only king among them.
    std::vector<int> floor;
    for (int n = 1; n <= kDeckSize; ++n) {
        if (n != C("Kc") && n != C("Kh") && n != C("Ks") && n != C("1c")) floor.push_back(n);
    }
    t.Arrange({}, {C("Kc")}, floor, 35);
    StateEditor::Of(t.game).DinariRule = false;
    int gathered = 0;
    t.table.SetPauseWatch([&] { gathered = std::max(gathered, t.game.State().MovedCount); });
    t.game.HumanPlay(C("Kc") - 1);

    EXPECT_EQ(gathered, 35);
    const ResultsSheet sheet = t.LastResults();
    EXPECT_EQ(sheet.scores.Boxes()[7], "37");  // the king, the king taken, the 35 gathered
    EXPECT_EQ(sheet.scores.Boxes()[6], "0");
    EXPECT_EQ(t.game.State().HandNumber, 2);  // the next hand was dealt
}

TEST(SeedParameterLimitsTest, BadNumbersSeedFromTheClock) {
    for (const char* text :
         {"4294967296", "4294967301", "2147483648", "-2147483649", "12abc", "abc12", "12 ", " 12",
          "1e3", "0x10", "1.5", "+", "--3", "+-3", "-0", "+0", "000"}) {
        EXPECT_EQ(ParseSeedParameter(text).kind, SeedChoice::Kind::FromClock) << text;
    }
    const SeedChoice padded = ParseSeedParameter("00012");
    EXPECT_EQ(padded.kind, SeedChoice::Kind::Advance);
    EXPECT_EQ(padded.count, 12u);
    const SeedChoice largest = ParseSeedParameter("2147483647");
    EXPECT_EQ(largest.kind, SeedChoice::Kind::Advance);
    EXPECT_EQ(largest.count, 2147483647u);
    EXPECT_EQ(ParseSeedParameter("-2147483648").kind, SeedChoice::Kind::Untouched);
}

TEST(SeedParameterLimitsTest, JumpingAheadKeepsTheSequenceOfSingleDraws) {
    // The generator runs through all 2^32 states before it repeats.
    RandomSource full;
    full.SetState(987654321u);
    full.Advance(1ull << 32);
    EXPECT_EQ(full.State(), 987654321u);
    full.Advance((1ull << 32) - 1);
    full.Random(10);
    EXPECT_EQ(full.State(), 987654321u);

    // Two jumps are one jump of their sum, wherever the split falls.
    for (const std::uint64_t split : {1ull, 977ull, 65536ull, 1000000000ull, 1999999999ull}) {
        RandomSource once, twice;
        once.Advance(2000000000);
        twice.Advance(split);
        twice.Advance(2000000000 - split);
        EXPECT_EQ(once.State(), twice.State()) << split;
    }

    // Ten million single draws, against one jump.
    RandomSource stepped, jumped;
    for (int i = 0; i < 10000000; ++i) stepped.Random(10);
    jumped.Advance(10000000);
    EXPECT_EQ(stepped.State(), jumped.State());
}

TEST(SeedParameterLimitsTest, ALargeCountStartsAsFastAsASmallOne) {
    RecordingTable table;
    Game game(table, table, table, table);
    const auto started = std::chrono::steady_clock::now();
    game.Startup(ParseSeedParameter("2000000000"), 0);
    const auto elapsed = std::chrono::steady_clock::now() - started;
    // Two thousand million single draws would take seconds; the jump takes microseconds.
    EXPECT_LT(elapsed, std::chrono::milliseconds(50));
    RandomSource expected;
    expected.Advance(1000000000);
    expected.Advance(1000000000);
    EXPECT_EQ(game.State().Rng.State(), expected.State());
}

}  // namespace
}  // namespace tazkova::testing
