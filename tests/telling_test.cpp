// The plays told in Arabic: each kind of event in its sentence, counted nouns as Arabic counts
// them, and the driver's `arabic on` telling a hand event for event.
#include <gtest/gtest.h>

#include "cli/driver.h"
#include "telling/arabic_plays.h"

namespace tazkova::telling {

using namespace tazkova::game;
namespace {

// Cards by their codes: 7d is card 17, 3h card 23, 4c card 4, Qs (the queen) card 38.
constexpr int k7d = 17, k3h = 23, k4c = 4, kQs = 38, k2c = 2;

Play MakePlay(Side side, int card, std::initializer_list<int> taken) {
    Play play;
    play.side = side;
    play.card = card;
    for (const int t : taken) play.taken.Add(t);
    play.clearedFloor = false;
    return play;
}

TEST(TellingTest, PlaysAreToldByWhoLaysOrTakesWhat) {
    EXPECT_EQ(TellPlay(MakePlay(Side::Computer, kQs, {})), "الحاسوب يضع بنت بستوني على الأرض");
    EXPECT_EQ(TellPlay(MakePlay(Side::Human, k2c, {})), "أنت تضع اثنين سباتي على الأرض");
    EXPECT_EQ(TellPlay(MakePlay(Side::Computer, k7d, {k3h, k4c})),
              "الحاسوب يلعب سبعة ديناري ويأخذ ثلاثة كبة وأربعة سباتي");

    Play sweep = MakePlay(Side::Human, k7d, {k3h, k4c});
    sweep.sweep = sweep.clearedFloor = true;
    sweep.sweepPoints = 7;
    EXPECT_EQ(TellPlay(sweep),
              "أنت تلعب سبعة ديناري وتأخذ ثلاثة كبة وأربعة سباتي، تازكوفا! (7 نقاط)");
    sweep.sweepPoints = 1;
    EXPECT_NE(TellPlay(sweep).find("(نقطة واحدة)"), std::string::npos);

    // The hand's last play takes the floor without a sweep's points, and says so.
    Play last = MakePlay(Side::Computer, k7d, {k3h, k4c});
    last.clearedFloor = true;
    EXPECT_EQ(TellPlay(last),
              "الحاسوب يلعب سبعة ديناري ويأخذ ثلاثة كبة وأربعة سباتي، والكنسة في الحركة الأخيرة لا "
              "تُحسب");

    // The status line's form counts the taken cards past two.
    const Play three = MakePlay(Side::Human, 10 + 10, {1, 2, 7});
    EXPECT_EQ(TellPlay(three, Length::Short), "أنت تلعب ملك ديناري وتأخذ 3 أوراق");
    EXPECT_EQ(TellPlay(three, Length::Whole),
              "أنت تلعب ملك ديناري وتأخذ آس سباتي واثنين سباتي وسبعة سباتي");
    EXPECT_EQ(TellPlay(MakePlay(Side::Human, k7d, {k3h, k4c}), Length::Short),
              TellPlay(MakePlay(Side::Human, k7d, {k3h, k4c})));
}

TEST(TellingTest, CountsFollowArabicCounting) {
    Gather gather;
    gather.side = Side::Computer;
    const std::vector<std::pair<int, std::string>> counts{{1, "(ورقة واحدة)"},
                                                          {2, "(ورقتان)"},
                                                          {3, "(3 أوراق)"},
                                                          {10, "(10 أوراق)"},
                                                          {11, "(11 ورقة)"}};
    for (const auto& [n, counted] : counts) {
        gather.cards = {};
        for (int c = 1; c <= n; ++c) gather.cards.Add(c);
        EXPECT_EQ(TellGather(gather), "الحاسوب يجمع ما بقي على الأرض " + counted);
    }
    EXPECT_EQ(Number(-3), "ناقص 3");
    EXPECT_EQ(CardName(0), "");
    EXPECT_EQ(CardName(41), "");
}

TEST(TellingTest, ScoresMatchesAndGamesNameTheWinnerFirst) {
    ScoreSheet sheet;
    sheet.human.handPoints = 4;
    sheet.computer.handPoints = 1;
    sheet.human.matchTotal = 9;
    sheet.computer.matchTotal = 12;
    EXPECT_EQ(TellHandScored(sheet, false), "أنت تربح اليد: 4 نقاط مقابل نقطة واحدة");
    EXPECT_EQ(TellHandScored(sheet, true), "الحاسوب يربح اليد بنقاط أقل: نقطة واحدة مقابل 4 نقاط");
    sheet.human.handWithSweeps = 2;  // the sweeps counted: the hand's points with them
    sheet.computer.handPoints = 2;
    EXPECT_EQ(TellHandScored(sheet, false), "تعادل في اليد: نقطتان مقابل نقطتين");
    EXPECT_EQ(TellTotals(sheet), "مجموع الطرح: أنت 9، الحاسوب 12");

    EXPECT_EQ(TellDinari(Side::Human, 9),
              "أنت تجمع 9 أوراق ديناري: 10 نقاط لك، ومجموع الحاسوب يعود إلى الصفر");
    EXPECT_EQ(TellDinari(Side::Computer, 8), "الحاسوب يجمع 8 أوراق ديناري: 10 نقاط له");
    EXPECT_EQ(TellDinari(Side::Computer, 10), "الحاسوب يجمع أوراق الديناري العشر ويربح الطرح");
    EXPECT_EQ(TellDinari(Side::Human, 7), "");

    EXPECT_EQ(TellMatchEnd({2, Side::Human, 30, 43}), "أنت تربح الطرح 2: 43 مقابل 30");
    EXPECT_EQ(TellMatchEnd({1, Side::Computer, 41, 12}), "الحاسوب يربح الطرح 1: 41 مقابل 12");
    EXPECT_EQ(TellGameEnd(Side::Human, 2, 0, false), "أنت تربح اللعبة بطرحين مقابل لا شيء");
    EXPECT_EQ(TellGameEnd(Side::Computer, 1, 2, true),
              "الحاسوب يربح اللعبة العكسية بطرح واحد مقابل طرحين");
    EXPECT_EQ(TellHandStart({1, 2, Side::Human}), "الطرح 1، اليد 2: تبدأ أنت");
    EXPECT_EQ(TellRound(3), "الدور 3 من 6");
    EXPECT_EQ(TellRound(6), "الدور الأخير");
}

TEST(TellingTest, TheDriverTellsAHandInArabicOnlyWhenAsked) {
    using nlohmann::json;
    cli::Driver d;
    d.Start({SeedChoice::Kind::Advance, 500}, 0);
    EXPECT_FALSE(json::parse(*d.Execute("delay 0")).contains("arabic"));
    EXPECT_EQ(json::parse(*d.Execute("arabic maybe"))["error"],
              "unknown value 'maybe'; usage: arabic on|off");
    EXPECT_EQ(json::parse(*d.Execute("arabic on"))["arabic"], json::array());
    const json dealt = json::parse(*d.Execute("new"));
    EXPECT_EQ(dealt["arabic"][0].get<std::string>().rfind("الطرح 1، اليد 1: ", 0), 0u) << dealt;

    // A hand played by clicking the first card of the hand each time: every play is told,
    // in order, before the hand's score, and nothing of the English codes slips in.
    std::vector<std::string> sentences = dealt["arabic"];
    for (int step = 0; step < 200 && d.game().State().HandNumber == 1; ++step) {
        const Pile& hand = d.game().State().YouPile;
        const int card = hand.Count > 0 ? hand.Cards[1] : d.game().State().FloorPile.Cards[1];
        const json out = json::parse(*d.Execute("click " + std::to_string(card - 1)));
        for (const json& sentence : out["arabic"]) sentences.push_back(sentence.get<std::string>());
    }
    ASSERT_EQ(d.game().State().HandNumber, 2);
    int plays = 0, rounds = 0;
    std::size_t at = 0;
    for (; at < sentences.size() && sentences[at].rfind("مجموع الطرح", 0) != 0; ++at) {
        const std::string& s = sentences[at];
        for (const std::string verb : {" يلعب ", " تلعب ", " يضع ", " تضع "})
            plays += s.find(verb) != std::string::npos;
        rounds += s.rfind("الدور", 0) == 0;
        for (const char c : s) EXPECT_FALSE(c >= 'A' && c <= 'z') << s;
    }
    ASSERT_LT(at, sentences.size()) << "the hand's totals were told";
    EXPECT_EQ(plays, 36);
    EXPECT_EQ(rounds, 6);
    EXPECT_EQ(sentences[at], TellTotals(d.game().State().Results.scores));
    EXPECT_FALSE(json::parse(*d.Execute("arabic off")).contains("arabic"));
}

}  // namespace
}  // namespace tazkova::telling
