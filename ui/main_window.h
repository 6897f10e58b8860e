/// The card table: the main window with the cards, the buttons, the speed bar, the sound
/// button, the menu and the status line. It builds the parts of the table and wires them to
/// the game it owns: the table view (the game's display), the pauses, the dialogs, the
/// statistics, the commands, the controls, the hint's marks, the focus ring, and the keyboard
/// and the mouse on the cards.
#pragma once

#include <QPoint>
#include <QWidget>
#include <functional>
#include <memory>

#include "game/events.h"
#include "game/game.h"
#include "game/ports.h"
#include "ui/table/card_drag.h"
#include "ui/table/card_focus.h"
#include "ui/table/card_widgets.h"

namespace tazkova::ui {

class CardTableView;
class DeckDialog;
class FocusRing;
class GameKeeper;
class GameRunner;
class HandReview;
class HandStory;
class HintMarks;
class PauseLoop;
class Scoreboard;
class StatisticsKeeper;
class TableCommands;
class TableControls;
class TableDialogs;

class MainWindow : public QWidget, public CardTable, public game::GameListener {
    Q_OBJECT
  public:
    /// Builds the table and runs the start-up sequence. `sounds` may be null: the window then
    /// makes its own sound components. With `keepGame`, the game kept by an earlier window is
    /// opened again, and the game under way is kept as it goes.
    MainWindow(const game::SeedChoice& seed, std::unique_ptr<game::SoundBank> sounds = nullptr,
               QWidget* parent = nullptr, bool keepGame = false);
    ~MainWindow() override;

    // CardTable: the cards' mouse, keys and places.
    void CardPressed(int index, const QPoint& globalPos) override;
    void CardDragMoved(const QPoint& globalPos) override { drag_->Move(globalPos); }
    void CardReleased(const QPoint& globalPos) override { drag_->Release(globalPos); }
    void ActivateCard(int index) override;
    bool MoveCardFocus(int index, int key) override { return focus_->Move(index, key); }
    CardPlace PlaceOf(int index) const override { return focus_->PlaceOf(index); }

    // game::GameListener: a new game gives the keyboard focus to the results button.
    void HandStarted(const game::HandStart& start) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    /// The window's frame, title, font and cloth.
    void DressTheWindow();
    /// Makes the parts of the table, the game among them, each told of those it works with.
    void MakeParts();
    /// Connects the commands that run the game or open its dialogs.
    void ConnectGameCommands();
    /// Connects the commands of the table itself: its size, motion, speed and menu.
    void ConnectTableCommands();

    /// Marks the play the game would suggest until the player's next input, with its worth
    /// against the next best.
    void HintClicked();
    /// Opens the review of the last hand played out, filled when it is ready.
    void ReviewClicked();
    void SoundClicked();
    void SpeedChanged(int position);
    /// Draws the table at `percent` of its design size (100, 150, 200 or 300), remembered.
    void SetZoom(int percent);
    /// Lets the cards glide (on) or jump (off), remembered; never at the fastest speed.
    void SetMotion(bool on);
    void SetArabicPlays(bool on);
    /// Opens the choice of card decks and draws the cards from the deck chosen, remembered.
    void ChooseDeck();
    /// Draws the cards from the deck of `key` (ours when it is gone); a deck that cannot be
    /// drawn is replaced by ours with a note on the status line.
    void SetDeck(const QString& key);
    /// Opens the menu at a point of the screen.
    void ShowMenu(const QPoint& globalPos);

    /// Runs a game action to its end, then puts the keyboard focus back on a card the player
    /// can act on and brings the marks, the counters and the commands up to date.
    void RunGame(const std::function<void()>& action);
    void ShowSoundState();
    /// Opens the game an earlier window kept, or tells why it could not be opened.
    void OpenKeptGame();
    /// Keeps the game as it stands (or removes it once it is over).
    void KeepTheGame();
    /// True when no game is under way, or the player agrees to throw it away (`question`).
    bool MayThrowAwayTheGame(const char* question);
    void UpdateMotion();
    void UpdateActions();

    std::unique_ptr<game::SoundBank> sounds_;
    std::unique_ptr<CardTableView> view_;
    std::unique_ptr<PauseLoop> pauses_;
    std::unique_ptr<StatisticsKeeper> statistics_;
    std::unique_ptr<TableCommands> commands_;
    std::unique_ptr<game::Game> game_;
    std::unique_ptr<TableDialogs> dialogs_;
    std::unique_ptr<CardFocus> focus_;
    std::unique_ptr<CardDrag> drag_;
    std::unique_ptr<GameRunner> runner_;
    std::unique_ptr<HintMarks> hints_;
    std::unique_ptr<TableControls> controls_;
    std::unique_ptr<FocusRing> ring_;
    std::unique_ptr<GameKeeper> keeper_;
    DeckDialog* deckDialog_ = nullptr;  // made at its first use
    std::unique_ptr<Scoreboard> scoreboard_;
    std::unique_ptr<HandReview> review_;
    std::unique_ptr<HandStory> story_;

    bool motion_ = true;        // the player's choice; off at the fastest speed
    bool arabicPlays_ = false;  // the status line tells the plays in Arabic
    bool dealt_ = false;        // a game was just dealt: the focus goes to the hand
};

}  // namespace tazkova::ui
