// The arena: reproducible from its seed, however many threads play.
#include "cli/arena.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace tazkova::cli {
namespace {

TEST(ArenaTest, TheSameSeedGivesTheSameGamesOnOneThreadAsOnTwo) {
    ArenaSettings settings;
    settings.games = 6;
    settings.seed = 2718;
    const std::string one = ArenaJson(settings, RunArena(settings, 1));
    const std::string two = ArenaJson(settings, RunArena(settings, 2));
    EXPECT_EQ(one, two);
    const nlohmann::json out = nlohmann::json::parse(one);
    EXPECT_EQ(out["games_per_pair"], 6);
    EXPECT_EQ(out["seed"], 2718);
    ASSERT_EQ(out["pairs"].size(), 16u);
    int wins = 0;
    for (std::size_t i = 0; i < 16; ++i) {
        const nlohmann::json& p = out["pairs"][i];
        EXPECT_EQ(p["human_level"], i / 4 + 1);
        EXPECT_EQ(p["computer_level"], i % 4 + 1);
        EXPECT_EQ(
            p["human_wins"].get<int>() + p["computer_wins"].get<int>() + p["draws"].get<int>(), 6);
        wins += p["human_wins"].get<int>();
    }
    // Both sides win some of the 96 games.
    EXPECT_GT(wins, 0);
    EXPECT_LT(wins, 96);
    settings.seed = 2719;
    EXPECT_NE(ArenaJson(settings, RunArena(settings, 2)), one);
}

TEST(ArenaTest, BadArgumentsAreRefused) {
    std::string error;
    EXPECT_TRUE(
        ParseArenaArguments({"--games", "3", "--seed", "9", "--type", "0", "--json"}, error));
    for (const std::vector<std::string_view>& args :
         {std::vector<std::string_view>{"--games", "3"},
          {"--games", "0", "--seed", "1"},
          {"--games", "3", "--seed", "1", "--type", "4"},
          {"--games", "3", "--seed"},
          {"--games", "3", "--seed", "1", "--dinari", "x"},
          {"--jobs", "2"}}) {
        error.clear();
        EXPECT_FALSE(ParseArenaArguments(args, error));
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
}  // namespace tazkova::cli
