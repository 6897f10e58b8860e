// Cards, piles, the generator and the command-line number.
#include "game/cards.h"

#include <gtest/gtest.h>

#include "game/random.h"

namespace tazkova::game {
namespace {

TEST(CardsTest, RanksAndNames) {
    EXPECT_EQ(CardRank(0), 0);
    EXPECT_EQ(CardRank(1), 1);
    EXPECT_EQ(CardRank(10), 10);
    EXPECT_EQ(CardRank(17), 7);
    EXPECT_EQ(CardRank(40), 10);
    EXPECT_EQ(CardName(1), "1c");
    EXPECT_EQ(CardName(17), "7d");
    EXPECT_EQ(CardName(28), "Qh");
    EXPECT_EQ(CardName(39), "Js");
    EXPECT_EQ(CardName(40), "Ks");
    EXPECT_EQ(CardName(0), "");
    EXPECT_FALSE(IsScoringSuit(10));
    EXPECT_TRUE(IsScoringSuit(11));
    EXPECT_TRUE(IsScoringSuit(20));
    EXPECT_FALSE(IsScoringSuit(21));
}

TEST(PileTest, FreeSlotsAreReusedAndRemovalKeepsPositions) {
    Pile p;
    InitPile(p, "You", 50, 300, true);
    for (int c : {5, 6, 7}) {
        p.Cards[++p.Count] = c;
        ASSERT_TRUE(AssignFreeSlot(p));
    }
    EXPECT_EQ(p.Slots[3], 3);
    RemoveFromPile(p, 1);
    EXPECT_EQ(p.Count, 2);
    EXPECT_EQ(p.Cards[1], 6);
    EXPECT_EQ(p.Slots[1], 2);  // the card stays where it was drawn
    p.Cards[++p.Count] = 9;
    ASSERT_TRUE(AssignFreeSlot(p));
    EXPECT_EQ(p.Slots[3], 1);  // the freed place is taken first
    EXPECT_EQ(RankSum(p), 6 + 7 + 9);
    RemoveFromPile(p, 0);  // out of range: nothing happens
    RemoveFromPile(p, 4);
    EXPECT_EQ(p.Count, 3);
}

TEST(PileTest, InitKeepsTheMatchScore) {
    Pile p;
    p.Score = 17;
    p.CardCount = 9;
    InitPile(p, "  I", 50, 2, true);
    EXPECT_EQ(p.Score, 17);
    EXPECT_EQ(p.CardCount, 0);
    EXPECT_EQ(p.Label, "  I");
}

TEST(RandomTest, DrawsFollowTheGenerator) {
    RandomSource r;
    r.SetState(0);
    EXPECT_EQ(r.Random(10), 0);  // state 1
    EXPECT_EQ(r.State(), 1u);
    r.Random(10);
    EXPECT_EQ(r.State(), 134775814u);
    r.SetState(0xFFFFFFFFu);
    const int v = r.Random(40);
    EXPECT_GE(v, 0);
    EXPECT_LT(v, 40);
}

TEST(RandomTest, JumpAheadEqualsSingleDraws) {
    for (std::uint64_t steps : {0ull, 1ull, 2ull, 7ull, 83135ull, 1000003ull}) {
        RandomSource a, b;
        a.SetState(12345);
        b.SetState(12345);
        for (std::uint64_t i = 0; i < steps; ++i) a.Random(10);
        b.Advance(steps);
        EXPECT_EQ(a.State(), b.State()) << steps;
    }
}

TEST(SeedParameterTest, PositiveAdvancesNegativeLeavesAloneRestSeedsFromClock) {
    SeedChoice c = ParseSeedParameter("83135");
    EXPECT_EQ(c.kind, SeedChoice::Kind::Advance);
    EXPECT_EQ(c.count, 83135u);
    EXPECT_EQ(ParseSeedParameter("+4").kind, SeedChoice::Kind::Advance);
    EXPECT_EQ(ParseSeedParameter("-3").kind, SeedChoice::Kind::Untouched);
    for (const char* text : {"0", "", "abc", "12x", " 5", "99999999999", "-"}) {
        EXPECT_EQ(ParseSeedParameter(text).kind, SeedChoice::Kind::FromClock) << text;
    }
    EXPECT_EQ(ParseSeedParameter(std::nullopt).kind, SeedChoice::Kind::FromClock);
}

TEST(SeedParameterTest, Int32Limits) {
    EXPECT_EQ(ParseInt32("2147483647"), 2147483647);
    EXPECT_EQ(ParseInt32("-2147483648"), -2147483647 - 1);
    EXPECT_FALSE(ParseInt32("2147483648"));
    EXPECT_FALSE(ParseInt32("-2147483649"));
    EXPECT_FALSE(ParseInt32("+"));
    EXPECT_FALSE(ParseInt32("1 "));
}

}  // namespace
}  // namespace tazkova::game
