/// The card table: the main window with the cards, the buttons, the speed bar, the sound
/// button, the menu and the status line. It owns the game and provides the game's pause
/// and dialog ports; its pictures are the card table view, the game's display.
#pragma once

#include <QPoint>
#include <QWidget>
#include <functional>
#include <memory>

#include "game/game.h"
#include "game/ports.h"
#include "ui/card_widgets.h"
#include "ui/table_menu.h"
#include "ui/table_view.h"

class QEventLoop;
class QMenu;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace tazkova::ui {

class AboutDialog;
class HelpDialog;
class MessageDialog;
class OptionsDialog;
class ResultsDialog;
class Statistics;
class StatisticsDialog;

class MainWindow : public QWidget, public game::Pauser, public game::GameDialogs, public CardTable {
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
    // The dialogs and the menu, each made at its first use: making them all at start-up
    // would delay the opening of the table.
    ResultsDialog* resultsDialog();
    OptionsDialog* optionsDialog();
    MessageDialog* messageDialog();
    HelpDialog* helpDialog();
    StatisticsDialog* statisticsDialog();
    AboutDialog* aboutDialog();
    QMenu* Menu();
    Statistics& Stats();
    /// A play, a deal or a dialog of the game is under way: the table is in the middle of it.
    bool GameActionRunning() const { return inGame_; }
    /// The game is in one of its pauses (and the player's input is dropped).
    bool Pausing() const { return busy_ > 0; }
    /// The pointer shape shown while a card is dragged over the table.
    Qt::CursorShape DragCursor() const { return dragCursor_; }

    // What the buttons, the menu and the speed bar do.
    void NewGameClicked();
    void OptionsClicked();
    void ResultsClicked();
    void HelpClicked();
    void SoundClicked();
    void SpeedChanged(int position);
    void StatisticsClicked();
    void AboutClicked();
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
    void CardDragMoved(const QPoint& globalPos) override;
    void CardReleased(const QPoint& globalPos) override;
    void ActivateCard(int index) override;
    bool MoveCardFocus(int index, int key) override;
    CardPlace PlaceOf(int index) const override;

    // game::Pauser: the window keeps painting and answering while the game pauses; the
    // player's clicks and key presses made meanwhile are dropped.
    void Wait(int n) override;
    /// The expert's search runs on a thread of its own while the window goes on painting and
    /// answering; input meanwhile is dropped, as in a pause.
    void Think(const std::function<void()>& work) override;

    // game::GameDialogs
    void ShowResults(const game::ResultsSheet& sheet) override;
    void ShowMessageDialog(const std::string& text) override;
    void ShowErrorBox(const std::string& text) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    /// Runs a game action to its end, then drops the input that arrived meanwhile and puts
    /// the keyboard focus back on a card the player can act on.
    void RunGame(const std::function<void()>& action);
    void DiscardPendingInput();
    /// The card image under a window point that would receive a drop, or -1.
    int DropTargetAt(const QPoint& pos) const;
    void ShowSoundState();
    void UpdateMotion();
    void UpdateActions();
    /// The cards the player can reach by keyboard, in the table's right-to-left reading
    /// order: the hand, or the floor (top row first).
    std::vector<int> CardsOf(CardPlace::Where where) const;
    /// After a play the focused card may be gone: the focus goes to the hand.
    void KeepFocusOnTheTable(CardPlace::Where before);
    /// Counts the match that the score sheet about to be shown ends.
    void CountMatch();
    void ClearHint();

    std::unique_ptr<game::SoundBank> sounds_;
    std::unique_ptr<CardTableView> view_;
    std::unique_ptr<game::Game> game_;
    std::unique_ptr<Statistics> statistics_;
    TableActions actions_;

    QPushButton* newGameButton_ = nullptr;
    QPushButton* optionsButton_ = nullptr;
    QPushButton* resultsButton_ = nullptr;
    QPushButton* finishButton_ = nullptr;
    QToolButton* helpButton_ = nullptr;
    QToolButton* soundButton_ = nullptr;
    QToolButton* menuButton_ = nullptr;
    QScrollBar* speedBar_ = nullptr;
    QMenu* menu_ = nullptr;

    ResultsDialog* resultsDialog_ = nullptr;
    OptionsDialog* optionsDialog_ = nullptr;
    MessageDialog* messageDialog_ = nullptr;
    HelpDialog* helpDialog_ = nullptr;
    StatisticsDialog* statisticsDialog_ = nullptr;
    AboutDialog* aboutDialog_ = nullptr;

    // The drag in progress.
    int dragIndex_ = -1;
    QPoint dragOffset_;
    QPoint dragOrigin_;
    Qt::CursorShape dragCursor_ = Qt::ArrowCursor;

    bool motion_ = true;   // the player's choice; off at the fastest speed
    int youWinsSeen_ = 0;  // match wins of this game counted so far
    int meWinsSeen_ = 0;
    bool tookBack_ = false;            // a play of this game was taken back
    std::vector<int> hinted_;          // card images marked by the hint
    QEventLoop* pauseLoop_ = nullptr;  // the pause under way
    int busy_ = 0;                     // inside a pause: input is dropped
    bool inGame_ = false;              // a game action is running
    bool quitting_ = false;            // the window was closed while the game was running
};

}  // namespace tazkova::ui
