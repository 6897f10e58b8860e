/// The headless driver: a game on a recording table, fed one command line at a time and
/// answering each with one JSON line.
#pragma once

#include <array>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/game.h"
#include "game/recording.h"
#include "telling/arabic_plays.h"

namespace tazkova::cli {

using game::CheckState;
using game::Game;
using game::OptionsControls;
using game::RecordingTable;
using game::SeedChoice;

/// The options dialog's controls without a dialog: they keep their states between showings,
/// as the dialog's controls do, and showing the dialog applies the values a command named.
class ScriptedOptions : public OptionsControls {
  public:
    explicit ScriptedOptions(RecordingTable& table) : table_(table) {}

    int GameTypeIndex() const override { return type_; }
    void SetGameTypeIndex(int index) override { type_ = index; }
    int LevelIndex() const override { return level_; }
    void SetLevelIndex(int index) override { level_ = index; }
    CheckState DinariRule() const override { return checks_[0]; }
    CheckState OpenCards() const override { return checks_[1]; }
    CheckState AlternateStart() const override { return checks_[2]; }
    CheckState ReverseGame() const override { return checks_[3]; }
    void ShowModal() override;

    /// Values to set while the dialog is shown next; absent ones leave their control alone.
    struct Pending {
        std::optional<int> type;
        std::optional<int> levelIndex;
        std::array<std::optional<bool>, 4> checks;  // dinari, open, alternate, reverse
    };
    void SetPending(const Pending& pending) { pending_ = pending; }
    /// The controls as the options of `state` set them, as after the dialog that chose them.
    void ShowOptionsOf(const game::GameState& state);

  private:
    RecordingTable& table_;
    int type_ = 2;
    int level_ = 3;
    std::array<CheckState, 4> checks_{CheckState::Checked, CheckState::Unchecked,
                                      CheckState::Unchecked, CheckState::Unchecked};
    Pending pending_;
};

/// The longest command line the driver takes, in bytes before its line end. No command
/// needs a tenth of it; a longer line is answered with an error and not run.
inline constexpr std::size_t kMaxLineBytes = 4096;

class Driver {
  public:
    Driver();

    /// Runs the start-up and returns the first output line (without a line end).
    std::string Start(const SeedChoice& seed, std::uint32_t clockMs);

    /// Runs one input line; returns its output line, or nothing for a skipped line. A line
    /// longer than kMaxLineBytes is answered with an error, its echo cut short.
    std::optional<std::string> Execute(std::string_view line);

    /// Runs one input line as Execute does, without making its output line: what happened
    /// at the table is dropped. For simulations that play many games. False for a line that
    /// is not a command the driver takes (a skipped line is taken).
    bool Run(std::string_view line);

    Game& game() { return game_; }
    RecordingTable& table() { return table_; }

    /// The state object of the `state` command.
    nlohmann::ordered_json StateJson() const;

  private:
    enum class Answer { Events, State, Hint, Review };
    /// Carries out a parsed command line; throws the reason when it cannot be run.
    Answer RunCommand(const std::vector<std::string_view>& words);
    nlohmann::ordered_json TakeEventsJson();

    RecordingTable table_;
    Game game_;
    int hintLevel_ = 4;
    bool reviewCurrent_ = false;
    ScriptedOptions options_;
    // After `arabic on`, every answer also tells its events in Arabic sentences.
    bool arabic_ = false;
    std::vector<std::string> told_;
    telling::GameTeller teller_;
};

/// Writes a JSON value as one line of UTF-8 text; invalid bytes are replaced, never fatal.
std::string DumpLine(const nlohmann::ordered_json& value);

}  // namespace tazkova::cli
