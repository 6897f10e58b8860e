/// The card table: the main window with the 40 card images, the deck, the computer's
/// face-down cards, the buttons, the speed bar and the status line. It owns the game and
/// provides the game's display, pause and dialog ports over real widgets.
#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "game/game.h"
#include "game/ports.h"
#include "ui/card_widgets.h"

class QLabel;
class QPushButton;
class QScrollBar;
class QToolButton;
class QFrame;

namespace tazkova::ui {

class HelpDialog;
class MessageDialog;
class OptionsDialog;
class ResultsDialog;

class MainWindow : public QWidget,
                   public game::TableDisplay,
                   public game::Pauser,
                   public game::GameDialogs,
                   public CardDragTarget {
    Q_OBJECT
  public:
    /// Builds the table and runs the start-up sequence. `sounds` may be null: the window then
    /// makes its own sound components.
    MainWindow(const game::SeedChoice& seed, std::unique_ptr<game::SoundBank> sounds = nullptr,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    game::Game& game() { return *game_; }
    CardImage* Card(int index) const { return cards_[index]; }
    // The dialogs, each made at its first use: making them all at start-up would delay the
    // opening of the table.
    ResultsDialog* resultsDialog();
    OptionsDialog* optionsDialog();
    MessageDialog* messageDialog();
    HelpDialog* helpDialog();
    /// The pointer shape shown while a card is dragged over the table.
    Qt::CursorShape DragCursor() const { return dragCursor_; }

    // What the buttons and the speed bar do.
    void NewGameClicked();
    void OptionsClicked();
    void ResultsClicked();
    void HelpClicked();
    void SoundClicked();
    void SpeedChanged(int position);

    // Drags of card images, told by the images.
    void CardPressed(int index, const QPoint& globalPos) override;
    void CardDragMoved(const QPoint& globalPos) override;
    void CardReleased(const QPoint& globalPos) override;

    // game::TableDisplay
    void SetImagePos(int image, int left, int top) override;
    int ImageLeft(int image) const override;
    int ImageTop(int image) const override;
    void SetImageVisible(int image, bool visible) override;
    void SetImageEnabled(int image, bool enabled) override;
    void SetImageTag(int image, int tag) override;
    int ImageTag(int image) const override;
    void RedrawImage(int image) override;
    void SetFramePos(int frame, int left, int top) override;
    void SetFrameVisible(int frame, bool visible) override;
    void RedrawFrame(int frame) override;
    void SetDeckStackVisible(int k, bool visible) override;
    bool DeckStackVisible(int k) const override;
    void RedrawDeckStack(int k) override;
    void SetMeBackPos(int k, int left, int top) override;
    void SetMeBackVisible(int k, bool visible) override;
    void RedrawMeBack(int k) override;
    void SetLastRoundMarkerVisible(bool visible) override;
    void SetOfficeLogoVisible(bool visible) override;
    void SetMsg(const std::string& text) override;
    void RedrawMsg() override;
    void SetCounters(const std::string& text) override;
    void SetHourglassCursor() override;
    void SetDefaultCursor() override;
    void FocusResultButton() override;
    void RepaintMainWindow() override;
    game::TableView SaveView() const override;
    void RestoreView(const game::TableView& view) override;

    // game::Pauser: the window keeps painting and answering while the game pauses; the
    // player's clicks and key presses made meanwhile are dropped.
    void Wait(int n) override;

    // game::GameDialogs
    void ShowResults(const game::ResultsSheet& sheet) override;
    void ShowMessageDialog(const std::string& text) override;
    void ShowErrorBox(const std::string& text) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    /// Runs a game action to its end, then drops the input that arrived meanwhile.
    void RunGame(const std::function<void()>& action);
    void DiscardPendingInput();
    /// The card image under a window point that would receive a drop, or -1.
    int DropTargetAt(const QPoint& pos) const;
    void ShowSoundState();
    void ShowFrameIfWanted(int image);

    std::unique_ptr<game::SoundBank> sounds_;
    std::unique_ptr<game::Game> game_;

    std::array<CardImage*, game::kDeckSize> cards_{};
    std::array<int, game::kDeckSize> tags_{};
    std::array<bool, game::kDeckSize> frameWanted_{};  // frames the game shows; drawn while
                                                       // their card is
    std::array<CardFrame*, game::kDeckSize> frames_{};
    std::array<QLabel*, game::kDeckStackCount> deckStack_{};
    std::array<QLabel*, game::kMeBackCount> meBacks_{};
    QLabel* logo_ = nullptr;
    QLabel* lastRoundMarker_ = nullptr;
    QLabel* cardBackSource_ = nullptr;
    QPushButton* newGameButton_ = nullptr;
    QPushButton* optionsButton_ = nullptr;
    QPushButton* resultsButton_ = nullptr;
    QPushButton* finishButton_ = nullptr;
    QToolButton* helpButton_ = nullptr;
    QToolButton* soundButton_ = nullptr;
    QScrollBar* speedBar_ = nullptr;
    QFrame* statusPanel_ = nullptr;
    QLabel* statusLine_ = nullptr;
    QLabel* countersLabel_ = nullptr;

    ResultsDialog* resultsDialog_ = nullptr;
    OptionsDialog* optionsDialog_ = nullptr;
    MessageDialog* messageDialog_ = nullptr;
    HelpDialog* helpDialog_ = nullptr;

    // The drag in progress.
    int dragIndex_ = -1;
    QPoint dragOffset_;
    QPoint dragOrigin_;
    Qt::CursorShape dragCursor_ = Qt::ArrowCursor;

    int busy_ = 0;           // inside a pause: input is dropped
    bool inGame_ = false;    // a game action is running
    bool quitting_ = false;  // the window was closed while the game was running
    bool hourglass_ = false;
};

}  // namespace tazkova::ui
