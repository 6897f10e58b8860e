/// The whole state of one game table and the routines that play on it.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/cards.h"
#include "game/events.h"
#include "game/play_choice.h"
#include "game/ports.h"
#include "game/random.h"
#include "game/seat_knowledge.h"
#include "game/table_geometry.h"
#include "game/table_mirror.h"

namespace tazkova::game {

/// The expert level: searched by the installed `ExpertPlayer`, beyond the rules' four.
inline constexpr int kExpertLevel = 5;

/// What the human's next click means.
enum class InputState : std::uint8_t {
    Closed = 0,      // no hand is under way: before the first deal, and while one is dealt
    ChooseCard = 1,  // a hand card is to be played (floor cards may be picked first)
    PickFloor = 2,   // the chosen hand card waits for the floor cards it takes
};

/// The whole state of a game table, as one copyable value (names as the rules give them):
/// the deck, the three piles, the counters, both players' memories, the options, the score
/// sheet, what the table shows and the random generator. A play taken back restores all of
/// it.
struct GameState {
    std::array<int, kDeckSize + 1> Deck{};
    int DeckPos = 1;

    Pile MePile;
    Pile YouPile;
    Pile FloorPile;

    int PlayCount = 0;
    int RoundNo = 1;
    int HandNumber = 0;
    int MatchNumber = 1;
    int MeMatchWins = 0;
    int YouMatchWins = 0;
    bool ComputerStarts = true;
    bool GameActive = false;

    InputState Input = InputState::Closed;
    int SelectedSlot = 0;
    std::bitset<kDeckSize + 1> PickedSet;  // the picked floor positions 1..Count

    std::array<int, kDeckSize + 1> MovedCards{};
    int MovedCount = 0;
    int MeBackToHide = 0;
    std::string StatusText;

    // The round as the table showed it, on the computer's side ("own" is the computer); the
    // human's seat sees the same with the sides swapped. The expert reads it.
    RoundSoFar Round;
    std::array<int, 11> SeenRanks{};
    std::array<int, 11> DeclinedSweep{};
    // The same two for the human's seat, from what the human can know: the ranks of the
    // cards the human has seen this hand (the four floor cards of the deal, the human's own
    // cards, every card the computer plays), and the floors of rank sum r the computer let
    // lie this round by laying a card that took nothing.
    std::array<int, 11> HumanSeenRanks{};
    std::array<int, 11> ComputerDeclinedSweep{};
    int SumCaptureCount = 0;

    int Level = 4;
    int GameType = 2;
    int TargetScore = 41;
    bool DinariRule = true;
    bool OpenCards = false;
    bool AlternateStart = false;
    bool ReverseGame = false;
    int DelayTime = 1500;
    bool SoundOn = false;
    std::string GameTitle;

    ResultsSheet Results;
    TableView Table;  // what the table shows
    RandomSource Rng;
};

/// A game as it stands between two commands, whole: its state, and the states before each play
/// of this hand that can still be taken back (oldest first), with the state before the first
/// click of a play begun and not yet made. Kept and opened again, it plays on exactly as the
/// game it was taken from.
struct GameSnapshot {
    GameState state;
    std::vector<GameState> plays;
    std::optional<GameState> playBegun;
};

/// Everything a game is made of: the deck, the three piles, the counters, the computer's
/// memory, the options and the score sheet, with the routines of the deal, the turn flow,
/// both players' moves and the scoring. The window (or the headless driver) owns one and
/// provides the display, sound, pause and dialog ports; a test makes a fresh one each time.
class Game : private GameState {
  public:
    Game(TableDisplay& display, SoundBank& sounds, Pauser& pauser, GameDialogs& dialogs);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    /// The whole state, to read. The windows and the tools change the game only through its
    /// commands; a test lays out a position through `StateEditor`.
    const GameState& State() const { return *this; }

    /// The sound switch and the speed bar's delay, as the window or the driver sets them.
    void SetSoundOn(bool on) { SoundOn = on; }
    void SetDelayTime(int delay) { DelayTime = delay; }
    /// Deals from a generator state of the table's choosing (the arena's own seeds).
    void SetGeneratorState(std::uint32_t state) { Rng.SetState(state); }

    /// Installs the expert level (level 5), which must outlive the game; without it, level 5
    /// does not exist: the options refuse it and the hint cannot ask it.
    void SetExpertPlayer(const ExpertPlayer* expert) { expert_ = expert; }

    /// Tells `listener` too what happens in the game from now on.
    void AddListener(GameListener& listener) { listeners_.Add(listener); }

    // --- Start-up -----------------------------------------------------------------------
    /// The game's part of the main window's creation: options to their start-up values, the
    /// banner in the status line, the generator seeded or advanced, the title built and the
    /// card tables filled. `clockMs` is the time of day in milliseconds, used for seeding.
    void Startup(const SeedChoice& seed, std::uint32_t clockMs);

    // --- Deal -----------------------------------------------------------------------------
    void NewGame();
    void Shuffle();
    void LayOutPile(Pile& pile, bool visible);
    void DealRound();

    // --- Turn flow ------------------------------------------------------------------------
    void Pause(int n);
    void Wait(int n) { pauser_.Wait(n); }

    // --- The computer player --------------------------------------------------------------
    bool AutoPlay(Pile& pile, int first, int last, bool probeOnly);
    void ComputerTurn(Pile& pile);
    void MoveCard(int index, Pile& source, Pile& destination);
    /// What the computer chooses from: its whole hand, the floor, its memories, the options.
    SeatView ComputerSeat() const { return ComputerSeat(MePile, 1, MePile.Count); }
    /// What the computer's seat (or the human's) can know, for the expert level's search:
    /// never the other side's hand nor the order of the deck.
    SeatKnowledge KnowledgeOf(bool computer) const;

    // --- The human player -----------------------------------------------------------------
    /// A click on card image `cardIndex` (0..39): the human's play, pick or choice. A click
    /// that completes a play keeps the table as it was before the play's first click, for
    /// TakeBack.
    void HumanPlay(int cardIndex);
    /// The end of a drag of image `source` onto image `target` (the same image for a plain
    /// click): one or two clicks.
    void DropCard(int source, int target);
    /// Whether a card image accepts the drop of another: the same card, or an equal rank.
    static bool DragAccepts(int sourceIndex, int targetIndex);

    /// What the human chooses from: the human's hand (in state 2 only the chosen card), the
    /// floor, what the human has seen, the computer's declined sweeps and the options, with
    /// the choice made at `level`. Never the computer's hand.
    SeatView HumanSeat(int level) const;

    // --- Help for the human ---------------------------------------------------------------
    /// The play the computer would make in the human's place at `level` (4 the best of the
    /// quick levels, 5 the expert's search): the card to click and the floor cards it takes, to be
    /// clicked when the game waits for them. In state 2, the chosen card's best capture. Nothing
    /// when it is not the human's turn (no game running, or no hand card to play). Changes nothing.
    std::optional<PlaySuggestion> SuggestPlay(int level = 4) const;
    /// Takes back the human's last play of this hand, with the computer's answer: the whole
    /// game state returns to the moment before the play's first click and the table is drawn
    /// again from it; the speed and the sound switch stay as they are. False, changing
    /// nothing, when there is no such play (none made yet this hand; a hand's end is never
    /// crossed).
    bool TakeBack();
    bool CanTakeBack() const { return keptPlays_ > 0; }

    // --- A game kept and opened again ---------------------------------------------------------
    /// The whole game as it stands, to keep; between two commands only.
    GameSnapshot Snapshot() const;
    /// Makes the game the one `snapshot` holds (which the caller has checked) and draws the
    /// whole table at once from it: nothing is dealt, heard or told to the listeners.
    void Resume(const GameSnapshot& snapshot);
    /// The human's plays of this hand so far, each with what the human's seat knew before
    /// it (kept until the next hand starts; a play taken back leaves it), and those of the
    /// last hand played to its end: what a review of the human's plays reads.
    const std::vector<HumanPlayRecord>& HumanPlays() const { return humanPlays_; }
    const std::vector<HumanPlayRecord>& FinishedHandPlays() const { return finishedHandPlays_; }

    // --- End of hand, match and game ------------------------------------------------------
    void EndHand();

    // --- Options, titles, messages, sounds ------------------------------------------------
    void BuildGameTitle();
    /// The options button: the options sound, the options routine run against the dialog's
    /// controls (which may restart the game), then the sound stopped.
    void RunOptions(OptionsControls& controls);
    /// The results button: the score sheet shown with its tune, the tune stopped after.
    void ShowResultsSheet();
    /// The message dialog: the text followed by " ....".
    void ShowMessage(const std::string& text);
    void PlayWave(Wave wave);
    void StopWave(Wave wave);

    /// The maker's banner shown in the status line at start-up and by the options routine.
    static const std::string& Banner();

    /// Sends the computer player's diagnostic lines somewhere; off (empty) by default.
    void SetTraceSink(std::function<void(const std::string&)> sink) {
        traceSink_ = std::move(sink);
    }

  private:
    friend class StateEditor;

    // The steps of the deal, the turn flow and the captures, run by the commands above.
    void InitCards();
    void StartHand();
    void DealCard(Pile& pile, bool visible, bool noteSeen);
    void PlaceCard(Pile& pile, int k, bool visible);
    void AfterHumanPlay();
    void ShowPlay(int n);
    void SetCardFrame(int image, bool hide);
    void CaptureCard(Pile& pile, int index, Pile& taker);
    void CountCapture(Pile& taker, int card);
    void ClearPicks();
    void ScoreSweep(Pile& taker, int n, int s);
    void NoteSeen(int card) { ++SeenRanks[CardRank(card)]; }
    /// Tells the listener of the play just made by `taker`'s side with `card`: the cards
    /// taken since the play began are the ones moved after the card itself.
    void ReportPlay(const Pile& taker, int card);
    /// Starts the round's record once its cards are dealt, and adds each play to it.
    void RecordRoundDealt();
    void RecordRoundPlay(const Play& play);

    struct HandEndFlags {
        bool normalScoring = true;
        bool meSweepsCount = true;
        bool youSweepsCount = true;
        bool closedBySuit = false;
        bool meTookAllTen = false;
        bool youTookAllTen = false;
    };

    int Random(int n) { return Rng.Random(n); }
    SeatView ComputerSeat(const Pile& hand, int first, int last) const;
    /// A seat at this table before its side is said: the floor and the options.
    SeatView TableSeat() const;
    /// The human's click itself, without the keeping of take-backs.
    void HumanClick(int cardIndex);
    /// Drops the plays kept for TakeBack: at a hand's start and end.
    void ForgetPlays();
    int SweepValue(int floorCount, int floorSum) const;
    /// The expert's play from the computer's seat or the human's, searched as a pause.
    ChosenPlay ExpertChoice(bool computer) const;
    /// The expert's choice for the computer among the listed plays (`fallback` should the
    /// search name none of them).
    int ExpertPlay(const SeatPlays& list, int fallback);
    /// The expert's play from the human's seat.
    std::optional<PlaySuggestion> ExpertSuggestion() const;
    void GatherRest(Pile& taker, int step);
    void ScoreDinari(Pile& side, Pile& other, bool computer, HandEndFlags& flags);
    void ScoreNormal();
    /// The hand's close: the next starter, the match, the game.
    void CloseHand(const HandEndFlags& flags);
    void ShowMatchWins();
    /// The totals shown and told, the next starter; true when the match is over.
    bool SettleHand(const HandEndFlags& flags);
    /// The match's winner counted and shown; the message that announces it, if any.
    std::string CloseMatch(const HandEndFlags& flags);
    void EndGame();
    Side SideOf(const Pile& pile) const { return &pile == &MePile ? Side::Computer : Side::Human; }
    void ApplyOptions(OptionsControls& controls);
    void HumanPlayHandCard(int cardIndex, int k);
    void HumanCapturePicked(int k);
    /// Toggles card P in the picked floor cards; false when P is not on the floor.
    bool TogglePick(int card);
    int PickedSum() const;

    template <class MakeText>
    void Trace(MakeText&& make) {
        if (traceSink_) traceSink_(make());
    }

    TableMirror display_;
    SoundBank& sounds_;
    Pauser& pauser_;
    GameDialogs& dialogs_;
    GameListeners listeners_;
    const ExpertPlayer* expert_ = nullptr;
    // What the human's seat knew at the table's last rest, before the play under way, and
    // the records of the human's plays. Kept beside the state, not in it: a take back drops
    // the plays it takes back, and a kept play copies no records.
    SeatKnowledge humanBefore_;
    std::vector<HumanPlayRecord> humanPlays_;
    std::vector<HumanPlayRecord> finishedHandPlays_;
    // The sweep the play under way scored, for its report.
    bool swept_ = false;
    int sweptPoints_ = 0;
    std::function<void(const std::string&)> traceSink_;

    // The states before each play of this hand, oldest first: the first `keptPlays_` entries,
    // then, while `restPoint_` is set, the state before the first click of the play under way.
    // The entries are reused from play to play, so that keeping one copies without allocating.
    std::vector<GameState> kept_;
    int keptPlays_ = 0;
    bool restPoint_ = false;
    std::uint64_t handEpoch_ = 0;  // counts ForgetPlays
};

/// The whole state of a game to write, for the tests and benchmarks that lay out a position
/// by hand. Nothing that plays the game uses it.
class StateEditor {
  public:
    static GameState& Of(Game& game) { return game; }
};

}  // namespace tazkova::game
