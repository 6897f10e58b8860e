/// The boundary between the game logic and the outside: the table's display objects, the
/// sounds, the pauses and the dialogs. The window, the sound module and the headless driver
/// each provide their own implementation.
#pragma once

#include <array>
#include <functional>
#include <stdexcept>
#include <string>

#include "game/events.h"
#include "game/seat_knowledge.h"
#include "game/table_view.h"

namespace tazkova::game {

/// The display objects of the table. Card images are indexed 0..39 (image i shows card
/// i + 1), frames 1..40 (frame n belongs to card n), deck-stack images 1..6 and the
/// computer's face-down cards 1..3. Positions are window client coordinates. The game keeps
/// what it has shown (its `TableView`) and never asks the display.
class TableDisplay {
  public:
    virtual ~TableDisplay() = default;

    virtual void SetImagePos(int image, int left, int top) = 0;
    virtual void SetImageVisible(int image, bool visible) = 0;
    virtual void SetImageEnabled(int image, bool enabled) = 0;
    virtual void SetImageTag(int image, int tag) = 0;
    virtual void RedrawImage(int image) = 0;

    virtual void SetFramePos(int frame, int left, int top) = 0;
    virtual void SetFrameVisible(int frame, bool visible) = 0;
    virtual void RedrawFrame(int frame) = 0;

    virtual void SetDeckStackVisible(int k, bool visible) = 0;
    virtual void RedrawDeckStack(int k) = 0;

    virtual void SetMeBackPos(int k, int left, int top) = 0;
    virtual void SetMeBackVisible(int k, bool visible) = 0;
    virtual void RedrawMeBack(int k) = 0;

    /// The last-round marker (`Kurtut`), shown while round 6 is dealt and played.
    virtual void SetLastRoundMarkerVisible(bool visible) = 0;
    virtual void SetOfficeLogoVisible(bool visible) = 0;

    /// The status line `Msg`.
    virtual void SetMsg(const std::string& text) = 0;
    virtual void RedrawMsg() = 0;
    /// The match, hand and round label `Counters` (its text: `CountersText`).
    virtual void SetCounters(const Counters& counters) = 0;

    virtual void SetHourglassCursor() = 0;
    virtual void SetDefaultCursor() = 0;
    /// Repaints the main window after a modal dialog has closed.
    virtual void RepaintMainWindow() = 0;

    /// Shows the whole table at once exactly as `view` holds it (after a play is taken
    /// back); nothing glides and nothing is reported.
    virtual void ShowTable(const TableView& view) = 0;
};

/// The seven sounds the main window carries: the shuffle, the catch of the seven of the
/// scoring suit, a card, the applause, the looping tune of the score sheet, a sweep and the
/// options dialog.
enum class Wave { Shuffle, Haya, Card, Applause, ResultsTune, Sweep, Options };
inline constexpr int kWaveCount = 7;

/// The component name of a sound ("waveShuffle", ...).
const char* WaveComponentName(Wave wave);

/// Raised by a sound component that cannot play.
class WaveError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// The sound components. Play may raise WaveError; Stop never fails.
class SoundBank {
  public:
    virtual ~SoundBank() = default;
    virtual void Play(Wave wave) = 0;
    virtual void Stop(Wave wave) = 0;
};

/// The pause of the game: waits n units of 10^-8 day (0.864 ms).
class Pauser {
  public:
    virtual ~Pauser() = default;
    virtual void Wait(int n) = 0;
    /// Runs `work` (the expert's search, which reads only what it was given and touches no
    /// table) and returns once it is done. A window runs it off its own thread and keeps its
    /// events turning meanwhile, input dropped as in a pause; by default it runs at once.
    virtual void Think(const std::function<void()>& work) { work(); }
};

/// The expert level (level 5): a player that chooses from what a seat knows, for the
/// computer's plays at that level and for the hint given from the human's seat. Whoever builds
/// a table installs one (`Game::SetExpertPlayer`); without one, level 5 does not exist.
class ExpertPlayer {
  public:
    virtual ~ExpertPlayer() = default;
    /// The seat's play (card 0 when none of its hand may be played). Runs inside
    /// `Pauser::Think`, so off the window's thread: it reads only `knowledge`.
    virtual ChosenPlay Choose(const SeatKnowledge& knowledge) const = 0;
};

/// Faces of the results dialog, in the order the driver lists them: the computer's three
/// moods, then the human's.
enum class Face {
    ComputerDispleased,
    ComputerSmiling,
    ComputerTriumphant,
    HumanDispleased,
    HumanSmiling,
    HumanTriumphant
};
inline constexpr int kFaceCount = 6;
/// The picture's component name ("mac1", "MAC2", "MAC3", "Smily1", "Smily2", "Smily3").
const char* FaceName(Face face);

/// The results dialog: caption, the score sheet of its 18 boxes Rslt0..Rslt17, the Status
/// memo and which faces are visible. The dialog keeps it between showings.
struct ResultsSheet {
    std::string caption = "النتيجة";
    ScoreSheet scores;
    std::string status;
    std::array<bool, kFaceCount> faces{true, true, true, true, true, true};

    void ClearBoxes() { scores = ScoreSheet{}; }
    /// Shows exactly one computer face and one human face.
    void SetFaces(Face computer, Face human);
    bool operator==(const ResultsSheet&) const = default;
};

/// The modal dialogs the game logic opens.
class GameDialogs {
  public:
    virtual ~GameDialogs() = default;
    virtual void ShowResults(const ResultsSheet& sheet) = 0;
    /// The message dialog, with its full text (already ending in " ....").
    virtual void ShowMessageDialog(const std::string& text) = 0;
    /// A message box with an error symbol and an OK button.
    virtual void ShowErrorBox(const std::string& text) = 0;
};

/// Check state of a check box; a greyed box counts as off.
enum class CheckState { Unchecked, Checked, Grayed };

/// The controls of the options dialog, as the options routine reads and sets them: the
/// game-type group (item index, -1 for none), the level group (item index 0..4 for levels
/// 1..5) and the four check boxes.
class OptionsControls {
  public:
    virtual ~OptionsControls() = default;
    virtual int GameTypeIndex() const = 0;
    virtual void SetGameTypeIndex(int index) = 0;
    virtual int LevelIndex() const = 0;
    virtual void SetLevelIndex(int index) = 0;
    virtual CheckState DinariRule() const = 0;
    virtual CheckState OpenCards() const = 0;
    virtual CheckState AlternateStart() const = 0;
    virtual CheckState ReverseGame() const = 0;
    /// Shows the dialog modally; returns when it is closed (OK or the close box).
    virtual void ShowModal() = 0;
};

}  // namespace tazkova::game
