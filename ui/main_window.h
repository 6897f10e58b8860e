/// The card table: the main window with the cards, the buttons, the speed bar, the sound
/// button, the menu and the status line. It owns the game and wires it to the table view
/// (the game's display), the pauses, the dialogs, the statistics, and the keyboard and the
/// mouse on the cards; it carries out the commands of the buttons, the keys and the menu.
#pragma once

#include <QPoint>
#include <QWidget>
#include <functional>
#include <memory>

#include "game/events.h"
#include "game/game.h"
#include "game/ports.h"
#include "ui/stats/statistics_keeper.h"
#include "ui/table/card_drag.h"
#include "ui/table/card_focus.h"
#include "ui/table/card_widgets.h"
#include "ui/table/pause_loop.h"
#include "ui/table/table_view.h"
#include "ui/table_dialogs.h"
#include "ui/table_menu.h"

class QMenu;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace tazkova::ui {

class Statistics;

class MainWindow : public QWidget, public CardTable, public game::GameListener {
    Q_OBJECT
  public:
    /// Builds the table and runs the start-up sequence. `sounds` may be null: the window then
    /// makes its own sound components.
    MainWindow(const game::SeedChoice& seed, std::unique_ptr<game::SoundBank> sounds = nullptr,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    game::Game& game() { return *game_; }
    CardTableView& View() { return *view_; }
    CardImage* Card(int index) const { return view_->Card(index); }
    const TableActions& Actions() const { return actions_; }
    TableDialogs& Dialogs() { return *dialogs_; }
    PauseLoop& Pauses() { return *pauses_; }
    Statistics& Stats() { return statistics_.Stats(); }
    QMenu* Menu();
    /// A play, a deal or a dialog of the game is under way: the table is in the middle of it.
    bool GameActionRunning() const { return inGame_; }
    /// The game is in one of its pauses (and the player's input is dropped).
    bool Pausing() const { return pauses_->Busy(); }
    /// The pointer shape shown while a card is dragged over the table.
    Qt::CursorShape DragCursor() const { return drag_->Cursor(); }

    // What the buttons, the menu and the speed bar do.
    void NewGameClicked();
    void OptionsClicked();
    void ResultsClicked();
    void HelpClicked();
    void SoundClicked();
    void SpeedChanged(int position);
    void StatisticsClicked();
    void AboutClicked();
    /// Opens the rules manual.
    void ManualClicked();
    /// Marks the play the game would suggest: the card, and the floor cards it takes, until
    /// the player's next input; the keyboard focus goes to the card.
    void HintClicked();
    /// Takes back the player's last play of the hand, with the computer's answer.
    void TakeBackClicked();
    /// Draws the table at `percent` of its design size (100, 150, 200 or 300), remembered.
    void SetZoom(int percent);
    int Zoom() const { return view_->Layout().Zoom(); }
    /// Lets the cards glide (on) or jump (off), remembered; never at the fastest speed.
    void SetMotion(bool on);
    bool Motion() const { return motion_; }
    /// Opens the menu at a point of the screen.
    void ShowMenu(const QPoint& globalPos);

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
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    /// Builds the buttons, the speed bar and the commands with their keys.
    void MakeControls();
    /// Runs a game action to its end, then drops the input that arrived meanwhile and puts
    /// the keyboard focus back on a card the player can act on.
    void RunGame(const std::function<void()>& action);
    void ShowSoundState();
    void UpdateMotion();
    void UpdateActions();
    void ClearHint();

    std::unique_ptr<game::SoundBank> sounds_;
    std::unique_ptr<CardTableView> view_;
    std::unique_ptr<PauseLoop> pauses_;
    StatisticsKeeper statistics_;
    TableActions actions_;
    std::unique_ptr<game::Game> game_;
    std::unique_ptr<TableDialogs> dialogs_;
    std::unique_ptr<CardFocus> focus_;
    std::unique_ptr<CardDrag> drag_;

    QPushButton* newGameButton_ = nullptr;
    QPushButton* optionsButton_ = nullptr;
    QPushButton* resultsButton_ = nullptr;
    QPushButton* finishButton_ = nullptr;
    QToolButton* helpButton_ = nullptr;
    QToolButton* soundButton_ = nullptr;
    QToolButton* menuButton_ = nullptr;
    QScrollBar* speedBar_ = nullptr;
    QMenu* menu_ = nullptr;

    bool motion_ = true;       // the player's choice; off at the fastest speed
    std::vector<int> hinted_;  // card images marked by the hint
    bool inGame_ = false;      // a game action is running
    bool dealt_ = false;       // a game was just dealt: the focus goes to the hand
};

}  // namespace tazkova::ui
