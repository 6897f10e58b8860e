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

#include "game.h"
#include "ports.h"

class QLabel;
class QPushButton;
class QScrollBar;
class QToolButton;
class QFrame;
class TfrmSmry;
class TFrmOptn;
class TfrmMsg;
class TFrmHelp;

namespace tazkova {
class WaveBank;
}

class TForm1;

/// One card image. A press starts a drag at once; the window resolves it on release. The
/// face is drawn from the card art when it is first needed (its first paint, or while the
/// table is idle after start-up), then kept.
class CardImage : public QWidget {
    Q_OBJECT
  public:
    CardImage(TForm1* form, int index);
    int Index() const { return index_; }
    void SetPicture(const QPixmap& pixmap);
    /// Draws the card's face now unless it has a picture already.
    void PrepareFace();
    bool HasPicture() const { return hasPicture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    TForm1* form_;
    int index_;
    QPixmap picture_;
    bool hasPicture_ = false;
};

/// The highlight of a chosen card: a thick rounded outline drawn behind the cards.
class CardFrame : public QWidget {
    Q_OBJECT
  public:
    explicit CardFrame(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

class TForm1 : public QWidget,
               public tazkova::TableDisplay,
               public tazkova::Pauser,
               public tazkova::GameDialogs {
    Q_OBJECT
  public:
    /// Builds the table and runs the start-up sequence. `sounds` may be null: the window then
    /// makes its own sound components.
    TForm1(const tazkova::SeedChoice& seed, std::unique_ptr<tazkova::SoundBank> sounds = nullptr,
           QWidget* parent = nullptr);
    ~TForm1() override;

    tazkova::Game& game() { return *game_; }
    CardImage* Card(int index) const { return cards_[index]; }
    // The dialogs, each made at its first use: making them all at start-up would delay the
    // opening of the table.
    TfrmSmry* frmSmry();
    TFrmOptn* FrmOptn();
    TfrmMsg* frmMsg();
    TFrmHelp* frmHelp();
    /// The pointer shape shown while a card is dragged over the table.
    Qt::CursorShape DragCursor() const { return dragCursor_; }

    // Button and scroll-bar handlers.
    void BitBtn2Click();
    void cmdOptionsClick();
    void cmdResultClick();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void DelayScrollChange(int position);

    // Drags of card images, called by the images.
    void CardPressed(int index, const QPoint& globalPos);
    void CardDragMoved(const QPoint& globalPos);
    void CardReleased(const QPoint& globalPos);

    // tazkova::TableDisplay
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
    void SetKurtutVisible(bool visible) override;
    void SetOfficeLogoVisible(bool visible) override;
    void SetMsg(const std::string& text) override;
    void RedrawMsg() override;
    void SetCounters(const std::string& text) override;
    void SetHourglassCursor() override;
    void SetDefaultCursor() override;
    void FocusResultButton() override;
    void RepaintMainWindow() override;

    // tazkova::Pauser: the window keeps painting and answering while the game pauses;
    // the player's clicks and key presses made meanwhile are dropped.
    void Wait(int n) override;

    // tazkova::GameDialogs
    void ShowResults(const tazkova::ResultsSheet& sheet) override;
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

    std::unique_ptr<tazkova::SoundBank> sounds_;
    std::unique_ptr<tazkova::Game> game_;

    std::array<CardImage*, 40> cards_{};
    std::array<int, 40> tags_{};
    std::array<bool, 40> frameWanted_{};  // frames the game shows; drawn while their card is
    std::array<CardFrame*, 40> frames_{};
    std::array<QLabel*, 6> deckStack_{};
    std::array<QLabel*, 3> meBacks_{};
    QLabel* OfficeLogo_ = nullptr;
    QLabel* Kurtut_ = nullptr;
    QLabel* RemainderX_ = nullptr;
    QPushButton* BitBtn2_ = nullptr;
    QPushButton* cmdOptions_ = nullptr;
    QPushButton* cmdResult_ = nullptr;
    QPushButton* BitBtn1_ = nullptr;
    QToolButton* SpeedButton1_ = nullptr;
    QToolButton* SpeedButton2_ = nullptr;
    QScrollBar* DelayScroll_ = nullptr;
    QFrame* Panel1_ = nullptr;
    QLabel* Msg_ = nullptr;
    QLabel* Counters_ = nullptr;

    TfrmSmry* frmSmry_ = nullptr;
    TFrmOptn* frmOptn_ = nullptr;
    TfrmMsg* frmMsg_ = nullptr;
    TFrmHelp* frmHelp_ = nullptr;

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
