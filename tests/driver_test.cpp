// The headless driver's command lines: parsing, errors and the state object.
#include "cli/driver.h"

#include <gtest/gtest.h>

namespace tazkova::cli {

using namespace tazkova::game;
namespace {

using nlohmann::json;

class DriverTest : public ::testing::Test {
  protected:
    void SetUp() override { start = json::parse(d.Start({SeedChoice::Kind::Advance, 83135}, 0)); }
    json Run(std::string_view line) {
        const auto out = d.Execute(line);
        EXPECT_TRUE(out.has_value()) << line;
        return out ? json::parse(*out) : json();
    }
    Driver d;
    json start;
};

TEST_F(DriverTest, StartLineShowsTheBanner) {
    EXPECT_EQ(start["cmd"], "start");
    EXPECT_EQ(start["banner"], Game::Banner());
    EXPECT_EQ(start["events"], json::parse(R"([{"msg":")" + Game::Banner() + R"("}])"));
}

TEST_F(DriverTest, BlankAndCommentLinesPrintNothing) {
    EXPECT_FALSE(d.Execute(""));
    EXPECT_FALSE(d.Execute("   \t"));
    EXPECT_FALSE(d.Execute("  # a comment"));
    EXPECT_FALSE(d.Execute("\r"));
}

TEST_F(DriverTest, EchoDropsTheLineEnd) {
    EXPECT_EQ(Run("delay 10\r")["cmd"], "delay 10");
    EXPECT_EQ(d.game().State().DelayTime, 10);
}

TEST_F(DriverTest, BadCommandsAreReportedAndChangeNothing) {
    Run("new");
    const nlohmann::ordered_json before = d.StateJson();
    const std::vector<std::pair<std::string, std::string>> cases{
        {"frobnicate", "unknown command 'frobnicate'"},
        {"click", "missing argument; usage: click I"},
        {"click 1 2", "too many arguments; usage: click I"},
        {"click 40", "card index: 40 is out of range 0..39"},
        {"click x", "card index: 'x' is not an integer"},
        {"drag 1", "missing argument; usage: drag S T"},
        {"drag 40 1", "source index: 40 is out of range 0..39"},
        {"drag 1 -1", "target index: -1 is out of range 0..39"},
        {"delay 4001", "delay: 4001 is out of range 0..4000"},
        {"delay 99999999999", "delay: 99999999999 is out of range 0..4000"},
        {"click 2147483648", "card index: 2147483648 is out of range 0..39"},
        {"click +-3", "card index: '+-3' is not an integer"},
        {"options type=4", "option type: 4 is out of range -1..3"},
        {"options level=0", "option level: 0 is out of range 1..4"},
        {"options level=5", "option level: 5 is out of range 1..4"},
        {"options open=x", "option open: 'x' is not an integer"},
        {"options foo=1", "unknown option key 'foo'"},
        {"options level", "option 'level' is not KEY=VALUE"},
        {"options dinari=1 reverse=2", "option reverse: 2 is out of range 0..1"},
        {"options level=2 open=1 level=3", "option 'level' is given twice"},
        {"state now", "too many arguments; usage: state"},
    };
    for (const auto& [line, reason] : cases) {
        const json out = Run(line);
        EXPECT_EQ(out["cmd"], line);
        EXPECT_EQ(out.value("error", ""), reason) << line;
        EXPECT_FALSE(out.contains("events")) << line;
    }
    EXPECT_EQ(d.StateJson(), before);
}

TEST_F(DriverTest, OverLongLinesAreRefusedUnlessTheyAreComments) {
    const std::string longest = "delay 12" + std::string(kMaxLineBytes - 8, ' ');
    EXPECT_EQ(Run(longest)["cmd"], longest);
    EXPECT_FALSE(d.Execute("#" + std::string(kMaxLineBytes, 'x')));
    EXPECT_FALSE(d.Execute(std::string(kMaxLineBytes + 1, ' ')));
    // The echo stops short of a character it would cut in two.
    std::string ain;  // the letter ع, two bytes in UTF-8, of which the 28th would be cut
    for (int i = 0; i < 27; ++i) ain += "\xd8\xb9";
    const json out = Run("delay 13 " + ain + "\xd8\xb9" + std::string(kMaxLineBytes, 'x'));
    EXPECT_EQ(out["cmd"], "delay 13 " + ain + "...");
    EXPECT_TRUE(out.contains("error"));
    EXPECT_EQ(d.game().State().DelayTime, 12);
}

TEST_F(DriverTest, ClicksOnHiddenOrDisabledCardsAreNotDelivered) {
    Run("new");
    for (int i = 0; i < 40; ++i) {
        const ImageState& s = d.table().Images()[i];
        if (s.visible) continue;
        EXPECT_EQ(Run("click " + std::to_string(i))["events"], json::array()) << i;
    }
}

TEST_F(DriverTest, OptionsKeepControlStatesBetweenShowings) {
    Run("options reverse=1 type=0");
    EXPECT_TRUE(d.game().State().ReverseGame);
    EXPECT_EQ(d.game().State().TargetScore, 21);
    Run("options level=2");
    EXPECT_TRUE(d.game().State().ReverseGame);
    EXPECT_TRUE(d.game().State().DinariRule);
    EXPECT_EQ(d.game().State().Level, 2);
    const json out = Run("options type=-1");
    EXPECT_EQ(out["events"].back(), json::parse(R"({"stop":"waveOptions"})"));
    bool box = false;
    for (const json& e : out["events"])
        box |= e == json::parse(R"({"messagebox":"UnKnown Game Type "})");
    EXPECT_TRUE(box);
    EXPECT_EQ(d.game().State().GameType, 0);
}

TEST_F(DriverTest, StateObjectListsThePiles) {
    Run("new");
    const json s = Run("state")["state"];
    ASSERT_TRUE(s.is_object());
    EXPECT_EQ(d.StateJson().begin().key(), "RandSeed");
    EXPECT_EQ((--d.StateJson().end()).key(), "Results");
    EXPECT_EQ(s["Deck"].size(), 40u);
    EXPECT_EQ(s["SeenRanks"].size(), 10u);
    EXPECT_EQ(s["Images"].size(), 40u);
    EXPECT_EQ(s["MeBacks"].size(), 3u);
    EXPECT_EQ(s["YouPile"]["Cards"].size(), s["YouPile"]["Count"].get<std::size_t>());
    EXPECT_EQ(s["FloorPile"]["Label"], "Flr");
    EXPECT_TRUE(s["SoundOn"].get<bool>());
    Run("sound");
    EXPECT_FALSE(d.StateJson()["SoundOn"].get<bool>());
}

TEST(DumpLineTest, InvalidUtf8IsReplacedNotFatal) {
    const std::string line = DumpLine(nlohmann::ordered_json{{"cmd", std::string("x\xff")}});
    EXPECT_TRUE(json::accept(line));
}

TEST(DriverEndToEndTest, UnparsableCommandInTheMiddleDoesNotStopTheDriver) {
    Driver d;
    d.Start({SeedChoice::Kind::Advance, 5}, 0);
    EXPECT_TRUE(d.Execute("click \xff\xfe"));
    const auto out = d.Execute("new");
    ASSERT_TRUE(out);
    EXPECT_TRUE(json::parse(*out).contains("events"));
}

TEST(DriverEndToEndTest, RunPlaysAsExecuteDoesWithoutTheOutput) {
    const std::vector<std::string> script{"options level=2 type=1",
                                          "new",
                                          "click 3",
                                          "click 99",
                                          "drag 1",
                                          "# note",
                                          "",
                                          "click 17",
                                          "state",
                                          "result",
                                          "sound",
                                          "click 22"};
    Driver shown, quiet;
    shown.Start({SeedChoice::Kind::Advance, 83135}, 0);
    quiet.Start({SeedChoice::Kind::Advance, 83135}, 0);
    int refused = 0;
    for (const std::string& line : script) {
        const std::optional<std::string> out = shown.Execute(line);
        const bool taken = quiet.Run(line);
        EXPECT_EQ(taken, !out || !json::parse(*out).contains("error")) << line;
        refused += taken ? 0 : 1;
        EXPECT_TRUE(quiet.table().Events().empty()) << line;
    }
    EXPECT_EQ(refused, 2);
    EXPECT_EQ(quiet.StateJson(), shown.StateJson());
}

}  // namespace
}  // namespace tazkova::cli
