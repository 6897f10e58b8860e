// A game kept at any moment and opened again in another driver plays on exactly as the game
// that was never interrupted; a kept file that is not whole or not consistent is refused.
#include "keep/kept_game.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "cli/driver.h"
#include "keep/kept_file.h"

namespace tazkova {
namespace {

using cli::Driver;
using game::SeedChoice;

/// A folder of the test's own, removed afterwards.
class ScratchFolder {
  public:
    ScratchFolder() {
        // In memory where there is a memory file system: the games are kept a thousand times.
        char name[] = "/dev/shm/tazkova-kept-XXXXXX";
        char other[] = "/tmp/tazkova-kept-XXXXXX";
        path_ = ::mkdtemp(name) ? name : ::mkdtemp(other) ? other : "";
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

SeedChoice Advance(std::uint32_t n) {
    return {SeedChoice::Kind::Advance, n};
}

/// A random player's next command, from what the table shows: mostly a click or a drag on
/// the cards a player can reach, sometimes on any card, and now and then the options (every
/// level, the expert among them), a take back, a new game, the score sheet, the speed, the
/// sound, a hint or the state.
std::string RandomCommand(Driver& driver, std::mt19937& rng, bool expertAllowed) {
    const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    std::vector<int> reachable;
    for (int i = 0; i < game::kDeckSize; ++i) {
        const game::ImageState& image = driver.table().Images()[i];
        if (image.visible && image.enabled) reachable.push_back(i);
    }
    const int roll = pick(100);
    const auto card = [&] {
        return reachable.empty() || pick(10) == 0 ? pick(game::kDeckSize)
                                                  : reachable[pick(int(reachable.size()))];
    };
    if (roll < 68) return "click " + std::to_string(card());
    if (roll < 78) return "drag " + std::to_string(card()) + " " + std::to_string(card());
    if (roll < 82) {
        std::string line = "options";
        if (pick(2)) line += " type=" + std::to_string(pick(4));
        if (pick(2))
            line += expertAllowed && pick(3) == 0 ? std::string(" level=expert")
                                                  : " level=" + std::to_string(1 + pick(4));
        for (const char* key : {"dinari", "open", "alternate", "reverse"})
            if (pick(3) == 0) line += std::string(" ") + key + "=" + std::to_string(pick(2));
        return line;
    }
    if (roll < 89) return "undo";
    if (roll < 91) return "new";
    if (roll < 93) return "result";
    if (roll < 94) return "delay " + std::to_string(pick(4001));
    if (roll < 95) return "sound";
    if (roll < 97) return expertAllowed && pick(2) ? "hint expert" : "hint";
    return "state";
}

/// Plays games `first`.. `last` - 1 at random, each kept at a random moment and opened again in
/// another driver, which must answer the rest of the game exactly as the first did.
void PlayKeptGames(int first, int last, bool expert) {
    ScratchFolder folder;
    const std::string file = folder.File("game.json");
    for (int g = first; g < last; ++g) {
        SCOPED_TRACE("game " + std::to_string(g));
        std::mt19937 rng(20261211u + static_cast<unsigned>(g));
        // The expert's search is what costs time: its games are shorter.
        const int length = expert ? 12 + int(rng() % 20) : 60 + int(rng() % 240);
        const int saveAt = int(rng() % static_cast<unsigned>(length));

        Driver played;
        played.Start(Advance(1 + rng() % 100000), 0);
        played.Execute("new");
        if (expert) played.Execute("options level=expert");
        std::vector<std::string> rest;
        std::vector<std::string> answers;
        std::string keptState;
        for (int step = 0; step < length; ++step) {
            if (step == saveAt) {
                ASSERT_EQ(*played.Execute("save " + file),
                          "{\"cmd\":\"save " + file + "\",\"events\":[]}");
                keptState = *played.Execute("state");
                rest.push_back("state");
                answers.push_back(keptState);
            }
            const std::string command = RandomCommand(played, rng, expert);
            const std::optional<std::string> answer = played.Execute(command);
            if (step >= saveAt) {
                rest.push_back(command);
                answers.push_back(*answer);
            }
        }
        rest.push_back("state");
        answers.push_back(*played.Execute("state"));

        // Another driver, started on other deals, opens the kept game and plays the rest.
        Driver reopened;
        reopened.Start(Advance(7), 0);
        reopened.Execute("new");
        reopened.Execute("click 3");
        ASSERT_EQ(*reopened.Execute("load " + file),
                  "{\"cmd\":\"load " + file + "\",\"events\":[]}");
        EXPECT_EQ(keep::Encode({reopened.game().Snapshot()}),
                  keep::Encode({keep::ReadKeptFile(file).kept->game}));
        for (std::size_t i = 0; i < rest.size(); ++i)
            ASSERT_EQ(*reopened.Execute(rest[i]), answers[i]) << "after the reopening: " << rest[i];
    }
}

TEST(KeptGame, ReopenedAtARandomMomentPlaysOnAsTheUninterruptedGame) {
    PlayKeptGames(0, 950, false);
}

// The expert chooses from a search seeded by the position: the same after the reopening.
TEST(KeptGame, ReopenedAtTheExpertLevelPlaysOnAsTheUninterruptedGame) {
    PlayKeptGames(950, 1000, true);
}

/// A kept game's text, for the tests that spoil it.
std::string KeptText() {
    Driver driver;
    driver.Start(Advance(11), 0);
    for (const char* line : {"new", "click 0", "click 1", "click 2", "click 5"})
        driver.Execute(line);
    return keep::Encode({driver.game().Snapshot()});
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

/// Loads `path` into a driver in the middle of a game: the answer is an error naming why,
/// and the driver's game goes on as it was.
void ExpectRefused(const std::string& path, const std::string& why) {
    Driver driver;
    driver.Start(Advance(5), 0);
    driver.Execute("new");
    driver.Execute("click 4");
    const std::string before = *driver.Execute("state");
    const std::string answer = *driver.Execute("load " + path);
    EXPECT_NE(answer.find("\"error\":\"cannot load the game: " + why), std::string::npos) << answer;
    EXPECT_EQ(*driver.Execute("state"), before);
}

TEST(KeptGame, AFileThatIsNotWholeOrNotConsistentIsRefusedAndTheGameGoesOn) {
    ScratchFolder folder;
    const std::string text = KeptText();
    ASSERT_TRUE(keep::Decode(text).kept) << keep::Decode(text).refusal;
    const std::string path = folder.File("kept.json");
    const struct {
        std::string text;
        std::string why;
    } spoilt[] = {
        {text.substr(0, text.size() / 2), "the file is not whole"},
        {"", "the file is not whole"},
        {Replaced(text, "\"version\":1", "\"version\":2"), "the file is of version 2, not 1"},
        {Replaced(text, "\"format\":\"tazkova-kept-game\"", "\"format\":\"x\""),
         "the file is not a kept game"},
        // Two cards in one place: the deck's first card written twice.
        {Replaced(text, "\"Deck\":[", "\"Deck\":[40,"), "state.Deck is not a list of 40"},
        {Replaced(text, "\"DeckPos\":", "\"DeckPos\":-"), "state.DeckPos is out of range"},
        {Replaced(text, "\"Level\":4", "\"Level\":9"), "state.Level is out of range"},
        {Replaced(text, "\"CardCount\":", "\"CardCount\":9"), "state.MePile.CardCount is out"},
        {Replaced(text, "\"Label\":\"  I\"", "\"Label\":\"Me\""), "state.MePile.Label is not"},
        {Replaced(text, "\"PlayCount\":", "\"PlayCount\":\""), "the file is not whole"},
        {Replaced(text, "\"GameActive\":true", "\"GameActive\":1"),
         "state.GameActive is not true or false"},
    };
    for (const auto& [bad, why] : spoilt) {
        WriteText(path, bad);
        ExpectRefused(path, why);
    }
    // Cards in two places, though every value is in its bounds: the first two deck cards
    // swapped in the deck only leave it a permutation, so one hand card is put in the deck too.
    nlohmann::json game = nlohmann::json::parse(text);
    game["state"]["Deck"][39] = game["state"]["MePile"]["Cards"][0];
    WriteText(path, game.dump());
    ExpectRefused(path, "state: the deck is not the 40 cards");
    game = nlohmann::json::parse(text);
    game["state"]["Generator"] = 1ull << 32;
    WriteText(path, game.dump());
    ExpectRefused(path, "state.Generator is out of range");
    game = nlohmann::json::parse(text);
    game["state"]["DeckPos"] = 1;
    WriteText(path, game.dump());
    ExpectRefused(path, "state: a card is in two places");
    game = nlohmann::json::parse(text);
    game["state"]["YouPile"]["CardCount"] = game["state"]["YouPile"]["CardCount"].get<int>() + 1;
    WriteText(path, game.dump());
    ExpectRefused(path, "state: the sides' counters are not those of the cards taken");
}

TEST(KeptGame, AFileThatIsNoPlainFileOfASaneSizeIsNeverReadNorWaitedOn) {
    ScratchFolder folder;
    const std::string big = folder.File("big.json");
    WriteText(big, KeptText() + std::string(10 << 20, ' '));
    ExpectRefused(big, "the file is too large");
    const std::string fifo = folder.File("fifo.json");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ExpectRefused(fifo, "not a plain file");
    const std::string device = folder.File("device.json");
    ASSERT_EQ(::symlink("/dev/zero", device.c_str()), 0);
    ExpectRefused(device, "not a plain file");
    ExpectRefused(folder.File(""), "not a plain file");
    const std::string locked = folder.File("locked.json");
    WriteText(locked, KeptText());
    ::chmod(locked.c_str(), 0);
    // Whoever may read any file (root) reads it; anyone else is refused it.
    if (::access(locked.c_str(), R_OK) != 0)
        ExpectRefused(locked, "cannot open the file: Permission denied");
    ExpectRefused(folder.File("none.json"), "cannot open the file: No such file");
    // A save that cannot be made says why and leaves the game alone.
    Driver driver;
    driver.Start(Advance(5), 0);
    const std::string answer = *driver.Execute("save " + folder.File("no/such/folder.json"));
    EXPECT_NE(answer.find("\"error\":\"cannot save the game: No such file or directory\""),
              std::string::npos)
        << answer;
}

}  // namespace
}  // namespace tazkova
