#include "Untform1.h"

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

#include "Artwork.h"
#include "SoundSwitch.h"
#include "Unthelp.h"
#include "Untmsg.h"
#include "Untoptn.h"
#include "Untsmry.h"
#include "WaveBank.h"
#include "uitexts.h"

using namespace tazkova;
using namespace tazkova::ui;

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

// --- Card images and frames ---------------------------------------------------------------

CardImage::CardImage(TForm1* form, int index) : QWidget(form), form_(form), index_(index) {
    // Two of the images carry a small c in their names; the digits are what counts.
    const QString prefix =
        (index == 11 || index == 12) ? QStringLiteral("card") : QStringLiteral("Card");
    setObjectName(prefix + QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0')));
    resize(71, 96);
}

void CardImage::SetPicture(const QPixmap& pixmap) {
    picture_ = pixmap;
    hasPicture_ = true;
    update();
}

void CardImage::PrepareFace() {
    if (hasPicture_) return;
    picture_ = CardFace(index_ + 1, devicePixelRatioF());
    hasPicture_ = true;
}

void CardImage::paintEvent(QPaintEvent*) {
    PrepareFace();
    QPainter painter(this);
    painter.drawPixmap(rect(), picture_);
}

void CardImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        form_->CardPressed(index_, event->globalPosition().toPoint());
}

void CardImage::mouseMoveEvent(QMouseEvent* event) {
    form_->CardDragMoved(event->globalPosition().toPoint());
}

void CardImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) form_->CardReleased(event->globalPosition().toPoint());
}

CardFrame::CardFrame(QWidget* parent) : QWidget(parent) {
    resize(73, 100);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CardFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 4));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 6, 6);
}

// --- The window -------------------------------------------------------------------------

TForm1::TForm1(const SeedChoice& seed, std::unique_ptr<SoundBank> sounds, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      sounds_(std::move(sounds)) {
    if (!sounds_) sounds_ = std::make_unique<WaveBank>();
    game_ = std::make_unique<Game>(*this, *sounds_, *this, *this);

    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kWindowCaption));
    setFixedSize(499, 434);
    setFont(ArabicFont(13));
    setAutoFillBackground(true);
    QPalette table = palette();
    table.setColor(QPalette::Window, QColor(0x1e, 0x6b, 0x3a));  // the green cloth
    setPalette(table);
    move(100, 0);
    const qreal dpr = devicePixelRatioF();

    OfficeLogo_ = new QLabel(this);
    OfficeLogo_->setObjectName(QStringLiteral("OfficeLogo"));
    OfficeLogo_->setGeometry(54, 125, 382, 154);
    OfficeLogo_->setPixmap(Picture(QStringLiteral("logo"), 382, 154, dpr));
    Kurtut_ = new QLabel(this);
    Kurtut_->setObjectName(QStringLiteral("Kurtut"));
    Kurtut_->setGeometry(403, 331, 66, 27);
    Kurtut_->setPixmap(Picture(QStringLiteral("kurtut"), 66, 27, dpr));
    Kurtut_->hide();
    RemainderX_ = new QLabel(this);
    RemainderX_->setObjectName(QStringLiteral("RemainderX"));
    RemainderX_->setGeometry(400, 300, 71, 96);
    RemainderX_->setPixmap(CardBack(dpr));
    RemainderX_->hide();

    auto button = [this](const char* name, const char* caption, int x, int y, int w, int h) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, y, w, h);
        b->setFont(ArabicFont(12, true));
        return b;
    };
    BitBtn2_ = button("BitBtn2", kNewGameCaption, 386, 6, 93, 24);
    cmdOptions_ = button("cmdOptions", kOptionsCaption, 386, 34, 93, 24);
    cmdResult_ = button("cmdResult", kResultCaption, 386, 62, 93, 24);
    BitBtn1_ = button("BitBtn1", kFinishCaption, 418, 90, 61, 24);
    setTabOrder(BitBtn2_, cmdOptions_);
    setTabOrder(cmdOptions_, cmdResult_);
    setTabOrder(cmdResult_, BitBtn1_);
    connect(BitBtn2_, &QPushButton::clicked, this, &TForm1::BitBtn2Click);
    connect(cmdOptions_, &QPushButton::clicked, this, &TForm1::cmdOptionsClick);
    connect(cmdResult_, &QPushButton::clicked, this, &TForm1::cmdResultClick);
    connect(BitBtn1_, &QPushButton::clicked, this, &QWidget::close);

    SpeedButton1_ = new QToolButton(this);
    SpeedButton1_->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1_->setGeometry(386, 90, 25, 25);
    SpeedButton1_->setIcon(QIcon(Picture(QStringLiteral("help"), 19, 19, dpr)));
    SpeedButton1_->setIconSize(QSize(19, 19));
    SpeedButton1_->setFocusPolicy(Qt::NoFocus);
    connect(SpeedButton1_, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    SpeedButton2_ = new QToolButton(this);
    SpeedButton2_->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2_->setGeometry(4, 88, 25, 25);
    SpeedButton2_->setAutoRaise(true);
    SpeedButton2_->setIconSize(QSize(21, 21));
    SpeedButton2_->setFocusPolicy(Qt::NoFocus);
    SpeedButton2_->setToolTip(QString::fromUtf8(kSoundHint));
    connect(SpeedButton2_, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);

    DelayScroll_ = new QScrollBar(Qt::Vertical, this);
    DelayScroll_->setObjectName(QStringLiteral("DelayScroll"));
    DelayScroll_->setGeometry(10, 10, 15, 73);
    DelayScroll_->setRange(0, 4000);
    DelayScroll_->setSingleStep(10);
    DelayScroll_->setPageStep(100);
    DelayScroll_->setValue(1500);
    DelayScroll_->setFocusPolicy(Qt::NoFocus);
    DelayScroll_->setToolTip(QString::fromUtf8(kSpeedHint));
    connect(DelayScroll_, &QScrollBar::valueChanged, this, &TForm1::DelayScrollChange);

    Panel1_ = new QFrame(this);
    Panel1_->setObjectName(QStringLiteral("Panel1"));
    Panel1_->setGeometry(0, 404, 499, 30);
    Panel1_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1_->setLineWidth(2);
    Panel1_->setAutoFillBackground(true);
    QPalette panel = Panel1_->palette();
    panel.setColor(QPalette::Window, QColor(0xd4, 0xd0, 0xc8));
    panel.setColor(QPalette::WindowText, Qt::black);
    Panel1_->setPalette(panel);
    Msg_ = new QLabel(Panel1_);
    Msg_->setObjectName(QStringLiteral("Msg"));
    Msg_->setGeometry(10, 4, 317, 22);
    Msg_->setAlignment(Qt::AlignCenter);
    auto* bevel = new QFrame(Panel1_);
    bevel->setObjectName(QStringLiteral("Bevel2"));
    bevel->setGeometry(328, 4, 7, 22);
    bevel->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    Counters_ = new QLabel(Panel1_);
    Counters_->setObjectName(QStringLiteral("Counters"));
    Counters_->setGeometry(338, 4, 109, 22);
    Counters_->setAlignment(Qt::AlignCenter);
    Counters_->setText(QStringLiteral("Qorvel"));

    // The card images, then the deck stack, the computer's backs and the frames. The table
    // opens with every card face down or away, so the faces are drawn after the window is
    // up: one at a time while the table is idle, each in a few milliseconds.
    for (int i = 0; i < 40; ++i) {
        cards_[i] = new CardImage(this, i);
        cards_[i]->move(8000, 1000);
        cards_[i]->hide();
    }
    for (int k = 0; k < 6; ++k) {
        deckStack_[k] = new QLabel(this);
        deckStack_[k]->setGeometry(400 + 3 * k, 300 - 3 * k, 71, 96);
        deckStack_[k]->setPixmap(RemainderX_->pixmap());
        deckStack_[k]->show();
    }
    constexpr std::array<int, 3> kBackLefts{60, 143, 224};
    for (int k = 0; k < 3; ++k) {
        meBacks_[k] = new QLabel(this);
        meBacks_[k]->setGeometry(kBackLefts[k], 5, 71, 96);
        meBacks_[k]->setPixmap(RemainderX_->pixmap());
        meBacks_[k]->show();
    }
    for (int n = 0; n < 40; ++n) {
        frames_[n] = new CardFrame(this);
        frames_[n]->move(179, 25);
        frames_[n]->hide();
        frames_[n]->lower();
    }
    // The cards lie over the backs and the deck, so they are raised above them.
    for (CardImage* card : cards_) card->raise();

    game_->SoundOn = SoundSwitch::ReadSoundOn();
    ShowSoundState();
    game_->Startup(seed, MillisecondsSinceMidnight());
    DelayScroll_->setValue(game_->DelayTime);
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

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
    if (hourglass_) QApplication::restoreOverrideCursor();
}

// --- Handlers ---------------------------------------------------------------------------

void TForm1::RunGame(const std::function<void()>& action) {
    if (inGame_) return;
    inGame_ = true;
    action();
    inGame_ = false;
    DiscardPendingInput();
    if (quitting_) QApplication::quit();
}

void TForm1::BitBtn2Click() {
    RunGame([this] { game_->BitBtn2Click(); });
}

void TForm1::cmdOptionsClick() {
    RunGame([this] { game_->cmdOptionsClick(*FrmOptn()); });
}

void TForm1::cmdResultClick() {
    RunGame([this] { game_->cmdResultClick(); });
}

void TForm1::SpeedButton1Click() {
    RunGame([this] { frmHelp()->exec(); });
}

void TForm1::SpeedButton2Click() {
    game_->SoundOn = SoundSwitch::SpeedButton2Click(game_->SoundOn, this);
    ShowSoundState();
}

void TForm1::DelayScrollChange(int position) {
    game_->DelayScrollChange(position);
}

void TForm1::ShowSoundState() {
    const QString name = game_->SoundOn ? QStringLiteral("sound_on") : QStringLiteral("sound_off");
    SpeedButton2_->setIcon(QIcon(Picture(name, 21, 21, devicePixelRatioF())));
}

// --- Dragging cards ---------------------------------------------------------------------

void TForm1::CardPressed(int index, const QPoint& globalPos) {
    if (inGame_ || busy_ || dragIndex_ >= 0) return;
    CardImage* card = cards_[index];
    dragIndex_ = index;
    dragOrigin_ = card->pos();
    dragOffset_ = mapFromGlobal(globalPos) - card->pos();
    card->raise();
    dragCursor_ = Qt::ClosedHandCursor;
    card->setCursor(dragCursor_);
}

int TForm1::DropTargetAt(const QPoint& pos) const {
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

void TForm1::CardDragMoved(const QPoint& globalPos) {
    if (dragIndex_ < 0) return;
    const QPoint pos = mapFromGlobal(globalPos);
    cards_[dragIndex_]->move(pos - dragOffset_);
    const int target = DropTargetAt(pos);
    const bool accepts = target >= 0 && Game::DragAccepts(dragIndex_, target);
    dragCursor_ = accepts ? Qt::ClosedHandCursor : Qt::ForbiddenCursor;
    cards_[dragIndex_]->setCursor(dragCursor_);
}

void TForm1::CardReleased(const QPoint& globalPos) {
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

namespace {
constexpr bool InRange(int i, int size) {
    return i >= 0 && i < size;
}
}  // namespace

void TForm1::SetImagePos(int image, int left, int top) {
    if (InRange(image, 40)) cards_[image]->move(left, top);
}
int TForm1::ImageLeft(int image) const {
    return InRange(image, 40) ? cards_[image]->x() : 0;
}
int TForm1::ImageTop(int image) const {
    return InRange(image, 40) ? cards_[image]->y() : 0;
}
void TForm1::SetImageVisible(int image, bool visible) {
    if (!InRange(image, 40)) return;
    cards_[image]->setVisible(visible);
    ShowFrameIfWanted(image);
}
void TForm1::SetImageEnabled(int image, bool enabled) {
    if (InRange(image, 40)) cards_[image]->setEnabled(enabled);
}
void TForm1::SetImageTag(int image, int tag) {
    if (InRange(image, 40)) tags_[image] = tag;
}
int TForm1::ImageTag(int image) const {
    return InRange(image, 40) ? tags_[image] : 0;
}
void TForm1::RedrawImage(int image) {
    if (InRange(image, 40)) cards_[image]->update();
}
void TForm1::SetFramePos(int frame, int left, int top) {
    if (InRange(frame - 1, 40)) frames_[frame - 1]->move(left, top);
}
void TForm1::SetFrameVisible(int frame, bool visible) {
    if (!InRange(frame - 1, 40)) return;
    frameWanted_[frame - 1] = visible;
    ShowFrameIfWanted(frame - 1);
}
void TForm1::ShowFrameIfWanted(int image) {
    // A frame marks a card on the table. Around a hidden card (a picked or chosen card left
    // in the deck when a game restarts in the middle of a pick) it would be a stray outline.
    frames_[image]->setVisible(frameWanted_[image] && cards_[image]->isVisibleTo(this));
}
void TForm1::RedrawFrame(int frame) {
    if (InRange(frame - 1, 40)) frames_[frame - 1]->update();
}
void TForm1::SetDeckStackVisible(int k, bool visible) {
    if (InRange(k - 1, 6)) deckStack_[k - 1]->setVisible(visible);
}
bool TForm1::DeckStackVisible(int k) const {
    return InRange(k - 1, 6) && deckStack_[k - 1]->isVisibleTo(this);
}
void TForm1::RedrawDeckStack(int k) {
    if (InRange(k - 1, 6)) deckStack_[k - 1]->update();
}
void TForm1::SetMeBackPos(int k, int left, int top) {
    if (InRange(k - 1, 3)) meBacks_[k - 1]->move(left, top);
}
void TForm1::SetMeBackVisible(int k, bool visible) {
    if (InRange(k - 1, 3)) meBacks_[k - 1]->setVisible(visible);
}
void TForm1::RedrawMeBack(int k) {
    if (InRange(k - 1, 3)) meBacks_[k - 1]->update();
}
void TForm1::SetKurtutVisible(bool visible) {
    Kurtut_->setVisible(visible);
}
void TForm1::SetOfficeLogoVisible(bool visible) {
    OfficeLogo_->setVisible(visible);
}
void TForm1::SetMsg(const std::string& text) {
    Msg_->setText(Utf8(text));
}
void TForm1::RedrawMsg() {
    Msg_->update();
}
void TForm1::SetCounters(const std::string& text) {
    Counters_->setText(Utf8(text));
}

void TForm1::SetHourglassCursor() {
    if (hourglass_) return;
    hourglass_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TForm1::SetDefaultCursor() {
    if (!hourglass_) return;
    hourglass_ = false;
    QApplication::restoreOverrideCursor();
}

void TForm1::FocusResultButton() {
    cmdResult_->setFocus();
}
void TForm1::RepaintMainWindow() {
    update();
}

// --- Pauses -----------------------------------------------------------------------------

void TForm1::Wait(int n) {
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

void TForm1::DiscardPendingInput() {
    ++busy_;
    QApplication::processEvents(QEventLoop::AllEvents);
    --busy_;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    // While the game pauses, the player's clicks and keys are dropped, not queued.
    if (busy_ > 0 && IsPlayerInput(event->type())) return true;
    return QWidget::eventFilter(watched, event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (inGame_) {
        // Closed in the middle of a play: the play runs out without pauses or dialogs,
        // then the program ends.
        quitting_ = true;
        hide();
    }
    event->accept();
}

// --- Dialogs ----------------------------------------------------------------------------

TfrmSmry* TForm1::frmSmry() {
    if (!frmSmry_) frmSmry_ = new TfrmSmry(this);
    return frmSmry_;
}

TFrmOptn* TForm1::FrmOptn() {
    if (!frmOptn_) frmOptn_ = new TFrmOptn(this);
    return frmOptn_;
}

TfrmMsg* TForm1::frmMsg() {
    if (!frmMsg_) frmMsg_ = new TfrmMsg(this);
    return frmMsg_;
}

TFrmHelp* TForm1::frmHelp() {
    if (!frmHelp_) frmHelp_ = new TFrmHelp(*game_, this);
    return frmHelp_;
}

void TForm1::ShowResults(const ResultsSheet& sheet) {
    // The sheet keeps the last hand's contents even when the window is closing.
    if (quitting_) {
        frmSmry()->Fill(sheet);
        return;
    }
    SetDefaultCursor();
    frmSmry()->ShowSheet(sheet);
}

void TForm1::ShowMessageDialog(const std::string& text) {
    if (quitting_) return;
    frmMsg()->ShowModalText(Utf8(text));
}

void TForm1::ShowErrorBox(const std::string& text) {
    if (quitting_) return;
    QMessageBox::critical(this, windowTitle(), Utf8(text));
}
