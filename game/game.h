/// The whole state of one game table and the routines that play on it.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <string>

#include "game/cards.h"
#include "game/ports.h"
#include "game/random.h"
#include "game/table_geometry.h"

namespace tazkova::game {

/// Everything a game is made of: the deck, the three piles, the counters, the computer's
/// memory, the options and the score sheet, with the routines of the deal, the turn flow,
/// both players' moves and the scoring. The window (or the headless driver) owns one and
/// provides the display, sound, pause and dialog ports; a test makes a fresh one each time.
class Game {
  public:
    Game(TableDisplay& display, SoundBank& sounds, Pauser& pauser, GameDialogs& dialogs);

    // --- Start-up -----------------------------------------------------------------------
    /// The game's part of the main window's creation: options to their start-up values, the
    /// banner in the status line, the generator seeded or advanced, the title built and the
    /// card tables filled. `clockMs` is the time of day in milliseconds, used for seeding.
    void Startup(const SeedChoice& seed, std::uint32_t clockMs);
    void InitCards();

    // --- Deal -----------------------------------------------------------------------------
    void NewGame();
    void StartHand();
    void Shuffle();
    void DealCard(Pile& pile, bool visible, bool noteSeen);
    void PlaceCard(Pile& pile, int k, bool visible);
    void LayOutPile(Pile& pile, bool visible);
    void DealRound();

    // --- Turn flow ------------------------------------------------------------------------
    void AfterHumanPlay();
    void ShowPlay(int n);
    void Pause(int n);
    void Wait(int n) { pauser_.Wait(n); }
    void SetCardFrame(int image, bool hide);

    // --- Captures -------------------------------------------------------------------------
    void CaptureCard(Pile& pile, int index, Pile& taker);
    void CountCapture(Pile& taker, int card);
    void ClearPicks();
    void ScoreSweep(Pile& taker, int n, int s);
    void NoteSeen(int card) { ++SeenRanks[CardRank(card)]; }

    // --- The computer player --------------------------------------------------------------
    bool AutoPlay(Pile& pile, int first, int last, bool probeOnly);
    void ComputerTurn(Pile& pile);
    void MoveCard(int index, Pile& source, Pile& destination);

    // --- The human player -----------------------------------------------------------------
    /// A click on card image `cardIndex` (0..39): the human's play, pick or choice.
    void HumanPlay(int cardIndex);
    /// The end of a drag of image `source` onto image `target` (the same image for a plain
    /// click): one or two clicks.
    void DropCard(int source, int target);
    /// Whether a card image accepts the drop of another: the same card, or an equal rank.
    static bool DragAccepts(int sourceIndex, int targetIndex);

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

    // --- State (names as the rules give them) ---------------------------------------------
    std::array<int, kDeckSize + 1> Deck{};
    int DeckPos = 1;
    std::array<std::string, kDeckSize + 1> CardNames{};

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

    int InputState = 0;
    int SelectedSlot = 0;
    std::bitset<256> PickedSet;

    std::array<int, kDeckSize + 1> MovedCards{};
    int MovedCount = 0;
    int MeBackToHide = 0;
    std::string StatusText;

    std::array<int, 11> SeenRanks{};
    std::array<int, 11> DeclinedSweep{};
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
    RandomSource Rng;

  private:
    struct HandEndFlags {
        bool normalScoring = true;
        bool meSweepsCount = true;
        bool youSweepsCount = true;
        bool closedBySuit = false;
        bool meTookAllTen = false;
        bool youTookAllTen = false;
    };

    int Random(int n) { return Rng.Random(n); }
    int SweepValue(int floorCount, int floorSum) const;
    void GatherRest(Pile& taker, int step);
    void ScoreDinari(Pile& side, Pile& other, bool computer, HandEndFlags& flags);
    void ScoreNormal();
    void CloseHand(const HandEndFlags& flags);
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

    TableDisplay& display_;
    SoundBank& sounds_;
    Pauser& pauser_;
    GameDialogs& dialogs_;
    std::function<void(const std::string&)> traceSink_;
};

}  // namespace tazkova::game
