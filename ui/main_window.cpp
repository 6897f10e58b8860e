#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include "sound/sound_switch.h"
#include "sound/wave_bank.h"
#include "ui/help_dialog.h"
#include "ui/look.h"
#include "ui/message_dialog.h"
#include "ui/options_dialog.h"
#include "ui/results_dialog.h"
#include "ui/ui_texts.h"

namespace tazkova::ui {

using namespace tazkova::game;

namespace {

/// When the card faces start being drawn, after the window opened.
constexpr int kFacesAfterStartMs = 150;

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

bool IsPlayerInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
            return true;
        default:
            return false;
    }
}

}  // namespace

// --- The window -------------------------------------------------------------------------

MainWindow::MainWindow(const SeedChoice& seed, std::unique_ptr<SoundBank> sounds, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      sounds_(std::move(sounds)) {
    if (!sounds_) sounds_ = std::make_unique<sound::WaveBank>();
    game_ = std::make_unique<Game>(*this, *sounds_, *this, *this);

    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kWindowCaption));
    setFixedSize(499, 434);
    setFont(ArabicFont(FontFace::Sans, 13));
    setAutoFillBackground(true);
    QPalette table = palette();
    table.setColor(QPalette::Window, QColor(0x1e, 0x6b, 0x3a));  // the green cloth
    setPalette(table);
    move(100, 0);
    const qreal dpr = devicePixelRatioF();

    logo_ = new QLabel(this);
    logo_->setObjectName(QStringLiteral("OfficeLogo"));
    logo_->setGeometry(54, 125, 382, 154);
    logo_->setPixmap(Picture(QStringLiteral("logo"), 382, 154, dpr));
    lastRoundMarker_ = new QLabel(this);
    lastRoundMarker_->setObjectName(QStringLiteral("Kurtut"));
    lastRoundMarker_->setGeometry(403, 331, 66, 27);
    lastRoundMarker_->setPixmap(Picture(QStringLiteral("kurtut"), 66, 27, dpr));
    lastRoundMarker_->hide();
    cardBackSource_ = new QLabel(this);
    cardBackSource_->setObjectName(QStringLiteral("RemainderX"));
    cardBackSource_->setGeometry(400, 300, 71, 96);
    cardBackSource_->setPixmap(CardBack(dpr));
    cardBackSource_->hide();

    auto button = [this](const char* name, const char* caption, int x, int y, int w, int h) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, y, w, h);
        b->setFont(ArabicFont(FontFace::Sans, 12, true));
        return b;
    };
    newGameButton_ = button("BitBtn2", kNewGameCaption, 386, 6, 93, 24);
    optionsButton_ = button("cmdOptions", kOptionsCaption, 386, 34, 93, 24);
    resultsButton_ = button("cmdResult", kResultCaption, 386, 62, 93, 24);
    finishButton_ = button("BitBtn1", kFinishCaption, 418, 90, 61, 24);
    setTabOrder(newGameButton_, optionsButton_);
    setTabOrder(optionsButton_, resultsButton_);
    setTabOrder(resultsButton_, finishButton_);
    connect(newGameButton_, &QPushButton::clicked, this, &MainWindow::NewGameClicked);
    connect(optionsButton_, &QPushButton::clicked, this, &MainWindow::OptionsClicked);
    connect(resultsButton_, &QPushButton::clicked, this, &MainWindow::ResultsClicked);
    connect(finishButton_, &QPushButton::clicked, this, &QWidget::close);

    helpButton_ = new QToolButton(this);
    helpButton_->setObjectName(QStringLiteral("SpeedButton1"));
    helpButton_->setGeometry(386, 90, 25, 25);
    helpButton_->setIcon(QIcon(Picture(QStringLiteral("help"), 19, 19, dpr)));
    helpButton_->setIconSize(QSize(19, 19));
    helpButton_->setFocusPolicy(Qt::NoFocus);
    connect(helpButton_, &QToolButton::clicked, this, &MainWindow::HelpClicked);
    soundButton_ = new QToolButton(this);
    soundButton_->setObjectName(QStringLiteral("SpeedButton2"));
    soundButton_->setGeometry(4, 88, 25, 25);
    soundButton_->setAutoRaise(true);
    soundButton_->setIconSize(QSize(21, 21));
    soundButton_->setFocusPolicy(Qt::NoFocus);
    soundButton_->setToolTip(QString::fromUtf8(kSoundHint));
    connect(soundButton_, &QToolButton::clicked, this, &MainWindow::SoundClicked);

    speedBar_ = new QScrollBar(Qt::Vertical, this);
    speedBar_->setObjectName(QStringLiteral("DelayScroll"));
    speedBar_->setGeometry(10, 10, 15, 73);
    speedBar_->setRange(0, 4000);
    speedBar_->setSingleStep(10);
    speedBar_->setPageStep(100);
    speedBar_->setValue(1500);
    speedBar_->setFocusPolicy(Qt::NoFocus);
    speedBar_->setToolTip(QString::fromUtf8(kSpeedHint));
    connect(speedBar_, &QScrollBar::valueChanged, this, &MainWindow::SpeedChanged);

    statusPanel_ = MakePanel(this, "Panel1", QRect(0, 404, 499, 30), QFrame::Raised, 2,
                             QColor(0xd4, 0xd0, 0xc8));
    statusLine_ = new QLabel(statusPanel_);
    statusLine_->setObjectName(QStringLiteral("Msg"));
    statusLine_->setGeometry(10, 4, 317, 22);
    statusLine_->setAlignment(Qt::AlignCenter);
    auto* bevel = new QFrame(statusPanel_);
    bevel->setObjectName(QStringLiteral("Bevel2"));
    bevel->setGeometry(328, 4, 7, 22);
    bevel->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    countersLabel_ = new QLabel(statusPanel_);
    countersLabel_->setObjectName(QStringLiteral("Counters"));
    countersLabel_->setGeometry(338, 4, 109, 22);
    countersLabel_->setAlignment(Qt::AlignCenter);
    countersLabel_->setText(QStringLiteral("Qorvel"));

    // The card images, then the deck stack, the computer's backs and the frames. The table
    // opens with every card face down or away, so the faces are drawn after the window is
    // up: one at a time while the table is idle, each in a few milliseconds.
    for (int i = 0; i < kDeckSize; ++i) {
        cards_[i] = new CardImage(this, *this, i);
        cards_[i]->move(kOffTableLeft, kOffTableTop);
        cards_[i]->hide();
    }
    for (int k = 0; k < kDeckStackCount; ++k) {
        deckStack_[k] = new QLabel(this);
        deckStack_[k]->setGeometry(DeckStackLeft(k + 1), DeckStackTop(k + 1), kCardWidth,
                                   kCardHeight);
        deckStack_[k]->setPixmap(cardBackSource_->pixmap());
        deckStack_[k]->show();
    }
    for (int k = 0; k < kMeBackCount; ++k) {
        meBacks_[k] = new QLabel(this);
        meBacks_[k]->setGeometry(kMeBackHomeLefts[k], kMeBackHomeTop, kCardWidth, kCardHeight);
        meBacks_[k]->setPixmap(cardBackSource_->pixmap());
        meBacks_[k]->show();
    }
    for (int n = 0; n < kDeckSize; ++n) {
        frames_[n] = new CardFrame(this);
        frames_[n]->move(kFrameHomeLeft, kFrameHomeTop);
        frames_[n]->hide();
        frames_[n]->lower();
    }
    // The cards lie over the backs and the deck, so they are raised above them.
    for (CardImage* card : cards_) card->raise();

    game_->SoundOn = sound::SoundSwitch::ReadSoundOn();
    ShowSoundState();
    game_->Startup(seed, MillisecondsSinceMidnight());
    speedBar_->setValue(game_->DelayTime);
    qApp->installEventFilter(this);

    auto* faces = new QTimer(this);
    faces->setInterval(0);
    connect(faces, &QTimer::timeout, this, [this, faces] {
        for (CardImage* card : cards_) {
            if (!card->HasPicture()) {
                card->PrepareFace();
                return;
            }
        }
        faces->stop();
        faces->deleteLater();
    });
    // Shortly after start-up, when the window has been painted.
    QTimer::singleShot(kFacesAfterStartMs, faces, qOverload<>(&QTimer::start));
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    if (hourglass_) QApplication::restoreOverrideCursor();
}

// --- Handlers ---------------------------------------------------------------------------

void MainWindow::RunGame(const std::function<void()>& action) {
    if (inGame_) return;
    inGame_ = true;
    action();
    inGame_ = false;
    DiscardPendingInput();
    if (quitting_) QApplication::quit();
}

void MainWindow::NewGameClicked() {
    RunGame([this] { game_->NewGame(); });
}

void MainWindow::OptionsClicked() {
    RunGame([this] { game_->RunOptions(*optionsDialog()); });
}

void MainWindow::ResultsClicked() {
    RunGame([this] { game_->ShowResultsSheet(); });
}

void MainWindow::HelpClicked() {
    RunGame([this] { helpDialog()->exec(); });
}

void MainWindow::SoundClicked() {
    game_->SoundOn = sound::SoundSwitch::Toggle(game_->SoundOn, *this);
    ShowSoundState();
}

void MainWindow::SpeedChanged(int position) {
    game_->DelayTime = position;
}

void MainWindow::ShowSoundState() {
    const QString name = game_->SoundOn ? QStringLiteral("sound_on") : QStringLiteral("sound_off");
    soundButton_->setIcon(QIcon(Picture(name, 21, 21, devicePixelRatioF())));
}

// --- Dragging cards ---------------------------------------------------------------------

void MainWindow::CardPressed(int index, const QPoint& globalPos) {
    if (inGame_ || busy_ || dragIndex_ >= 0) return;
    CardImage* card = cards_[index];
    dragIndex_ = index;
    dragOrigin_ = card->pos();
    dragOffset_ = mapFromGlobal(globalPos) - card->pos();
    card->raise();
    dragCursor_ = Qt::ClosedHandCursor;
    card->setCursor(dragCursor_);
}

int MainWindow::DropTargetAt(const QPoint& pos) const {
    if (dragIndex_ < 0) return -1;
    // Over its own place the card is dropped on itself: a plain click.
    if (QRect(dragOrigin_, cards_[dragIndex_]->size()).contains(pos)) return dragIndex_;
    // Otherwise the topmost other card under the pointer, looking beneath the lifted one.
    const QObjectList& stack = children();
    for (auto it = stack.crbegin(); it != stack.crend(); ++it) {
        auto* card = qobject_cast<CardImage*>(*it);
        if (!card || card->Index() == dragIndex_ || !card->isVisible()) continue;
        if (card->geometry().contains(pos)) return card->isEnabled() ? card->Index() : -1;
    }
    return -1;
}

void MainWindow::CardDragMoved(const QPoint& globalPos) {
    if (dragIndex_ < 0) return;
    const QPoint pos = mapFromGlobal(globalPos);
    cards_[dragIndex_]->move(pos - dragOffset_);
    const int target = DropTargetAt(pos);
    const bool accepts = target >= 0 && Game::DragAccepts(dragIndex_, target);
    dragCursor_ = accepts ? Qt::ClosedHandCursor : Qt::ForbiddenCursor;
    cards_[dragIndex_]->setCursor(dragCursor_);
}

void MainWindow::CardReleased(const QPoint& globalPos) {
    if (dragIndex_ < 0) return;
    const int source = dragIndex_;
    const int target = DropTargetAt(mapFromGlobal(globalPos));
    CardImage* card = cards_[source];
    card->move(dragOrigin_);
    card->unsetCursor();
    dragCursor_ = Qt::ArrowCursor;
    dragIndex_ = -1;
    if (target >= 0 && Game::DragAccepts(source, target))
        RunGame([=, this] { game_->DropCard(source, target); });
}

// --- Display operations -----------------------------------------------------------------

void MainWindow::SetImagePos(int image, int left, int top) {
    if (InRange(image, 0, kDeckSize)) cards_[image]->move(left, top);
}
int MainWindow::ImageLeft(int image) const {
    return InRange(image, 0, kDeckSize) ? cards_[image]->x() : 0;
}
int MainWindow::ImageTop(int image) const {
    return InRange(image, 0, kDeckSize) ? cards_[image]->y() : 0;
}
void MainWindow::SetImageVisible(int image, bool visible) {
    if (!InRange(image, 0, kDeckSize)) return;
    cards_[image]->setVisible(visible);
    ShowFrameIfWanted(image);
}
void MainWindow::SetImageEnabled(int image, bool enabled) {
    if (InRange(image, 0, kDeckSize)) cards_[image]->setEnabled(enabled);
}
void MainWindow::SetImageTag(int image, int tag) {
    if (InRange(image, 0, kDeckSize)) tags_[image] = tag;
}
int MainWindow::ImageTag(int image) const {
    return InRange(image, 0, kDeckSize) ? tags_[image] : 0;
}
void MainWindow::RedrawImage(int image) {
    if (InRange(image, 0, kDeckSize)) cards_[image]->update();
}
void MainWindow::SetFramePos(int frame, int left, int top) {
    if (InRange(frame, 1, kDeckSize)) frames_[frame - 1]->move(left, top);
}
void MainWindow::SetFrameVisible(int frame, bool visible) {
    if (!InRange(frame, 1, kDeckSize)) return;
    frameWanted_[frame - 1] = visible;
    ShowFrameIfWanted(frame - 1);
}
void MainWindow::ShowFrameIfWanted(int image) {
    // A frame marks a card on the table. Around a hidden card (a picked or chosen card left
    // in the deck when a game restarts in the middle of a pick) it would be a stray outline.
    frames_[image]->setVisible(frameWanted_[image] && cards_[image]->isVisibleTo(this));
}
void MainWindow::RedrawFrame(int frame) {
    if (InRange(frame, 1, kDeckSize)) frames_[frame - 1]->update();
}
void MainWindow::SetDeckStackVisible(int k, bool visible) {
    if (InRange(k, 1, kDeckStackCount)) deckStack_[k - 1]->setVisible(visible);
}
bool MainWindow::DeckStackVisible(int k) const {
    return InRange(k, 1, kDeckStackCount) && deckStack_[k - 1]->isVisibleTo(this);
}
void MainWindow::RedrawDeckStack(int k) {
    if (InRange(k, 1, kDeckStackCount)) deckStack_[k - 1]->update();
}
void MainWindow::SetMeBackPos(int k, int left, int top) {
    if (InRange(k, 1, kMeBackCount)) meBacks_[k - 1]->move(left, top);
}
void MainWindow::SetMeBackVisible(int k, bool visible) {
    if (InRange(k, 1, kMeBackCount)) meBacks_[k - 1]->setVisible(visible);
}
void MainWindow::RedrawMeBack(int k) {
    if (InRange(k, 1, kMeBackCount)) meBacks_[k - 1]->update();
}
void MainWindow::SetLastRoundMarkerVisible(bool visible) {
    lastRoundMarker_->setVisible(visible);
}
void MainWindow::SetOfficeLogoVisible(bool visible) {
    logo_->setVisible(visible);
}
void MainWindow::SetMsg(const std::string& text) {
    statusLine_->setText(Utf8(text));
}
void MainWindow::RedrawMsg() {
    statusLine_->update();
}
void MainWindow::SetCounters(const std::string& text) {
    countersLabel_->setText(Utf8(text));
}

TableView MainWindow::SaveView() const {
    TableView view;
    for (int i = 0; i < kDeckSize; ++i) {
        const CardImage* card = cards_[i];
        view.images[i] = {card->x(), card->y(), card->isVisibleTo(this), card->isEnabledTo(this),
                          tags_[i]};
        view.frames[i] = {frames_[i]->x(), frames_[i]->y(), frameWanted_[i]};
    }
    for (int k = 0; k < kDeckStackCount; ++k) view.deckStack[k] = deckStack_[k]->isVisibleTo(this);
    for (int k = 0; k < kMeBackCount; ++k)
        view.meBacks[k] = {meBacks_[k]->x(), meBacks_[k]->y(), meBacks_[k]->isVisibleTo(this)};
    view.lastRoundMarker = lastRoundMarker_->isVisibleTo(this);
    view.officeLogo = logo_->isVisibleTo(this);
    view.msg = statusLine_->text().toStdString();
    view.counters = countersLabel_->text().toStdString();
    return view;
}
void MainWindow::RestoreView(const TableView& view) {
    for (int i = 0; i < kDeckSize; ++i) {
        const ImageState& image = view.images[i];
        cards_[i]->move(image.left, image.top);
        cards_[i]->setVisible(image.visible);
        cards_[i]->setEnabled(image.enabled);
        tags_[i] = image.tag;
        frames_[i]->move(view.frames[i].left, view.frames[i].top);
        frameWanted_[i] = view.frames[i].visible;
        ShowFrameIfWanted(i);
    }
    for (int k = 0; k < kDeckStackCount; ++k) deckStack_[k]->setVisible(view.deckStack[k]);
    for (int k = 0; k < kMeBackCount; ++k) {
        meBacks_[k]->move(view.meBacks[k].left, view.meBacks[k].top);
        meBacks_[k]->setVisible(view.meBacks[k].visible);
    }
    lastRoundMarker_->setVisible(view.lastRoundMarker);
    logo_->setVisible(view.officeLogo);
    statusLine_->setText(Utf8(view.msg));
    countersLabel_->setText(Utf8(view.counters));
    update();
}

void MainWindow::SetHourglassCursor() {
    if (hourglass_) return;
    hourglass_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void MainWindow::SetDefaultCursor() {
    if (!hourglass_) return;
    hourglass_ = false;
    QApplication::restoreOverrideCursor();
}

void MainWindow::FocusResultButton() {
    resultsButton_->setFocus();
}
void MainWindow::RepaintMainWindow() {
    update();
}

// --- Pauses -----------------------------------------------------------------------------

void MainWindow::Wait(int n) {
    // One unit is 10^-8 of a day: 0.864 ms.
    const qint64 ms = static_cast<qint64>(n) * 864 / 1000;
    QElapsedTimer timer;
    timer.start();
    ++busy_;
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        if (quitting_) break;
    } while (timer.elapsed() < ms);
    --busy_;
}

void MainWindow::DiscardPendingInput() {
    ++busy_;
    QApplication::processEvents(QEventLoop::AllEvents);
    --busy_;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // While the game pauses, the player's clicks and keys are dropped, not queued.
    if (busy_ > 0 && IsPlayerInput(event->type())) return true;
    return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (inGame_) {
        // Closed in the middle of a play: the play runs out without pauses or dialogs,
        // then the program ends.
        quitting_ = true;
        hide();
    }
    event->accept();
}

// --- Dialogs ----------------------------------------------------------------------------

ResultsDialog* MainWindow::resultsDialog() {
    if (!resultsDialog_) resultsDialog_ = new ResultsDialog(this);
    return resultsDialog_;
}

OptionsDialog* MainWindow::optionsDialog() {
    if (!optionsDialog_) optionsDialog_ = new OptionsDialog(this);
    return optionsDialog_;
}

MessageDialog* MainWindow::messageDialog() {
    if (!messageDialog_) messageDialog_ = new MessageDialog(this);
    return messageDialog_;
}

HelpDialog* MainWindow::helpDialog() {
    if (!helpDialog_) helpDialog_ = new HelpDialog(*game_, this);
    return helpDialog_;
}

void MainWindow::ShowResults(const ResultsSheet& sheet) {
    // The sheet keeps the last hand's contents even when the window is closing.
    if (quitting_) {
        resultsDialog()->Fill(sheet);
        return;
    }
    SetDefaultCursor();
    resultsDialog()->ShowSheet(sheet);
}

void MainWindow::ShowMessageDialog(const std::string& text) {
    if (quitting_) return;
    messageDialog()->ShowText(Utf8(text));
}

void MainWindow::ShowErrorBox(const std::string& text) {
    if (quitting_) return;
    QMessageBox::critical(this, windowTitle(), Utf8(text));
}

}  // namespace tazkova::ui
