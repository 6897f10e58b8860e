#include "ui/table/table_view.h"

#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <optional>

#include "telling/arabic_plays.h"
#include "ui/access/spoken_texts.h"
#include "ui/style/bevel_panel.h"
#include "ui/style/reading.h"
#include "ui/style/ui_texts.h"
#include "ui/style/utf8.h"
#include "ui/table/card_accessible.h"
#include "ui/table/status_line.h"
#include "ui/table/window_fit.h"

namespace tazkova::ui {

using namespace tazkova::game;

namespace {

QPointF At(int left, int top) {
    return QPointF(left, top);
}

}  // namespace

CardTableView::CardTableView(QWidget* window, CardTable& cards)
    : window_(window), motion_(layout_, window) {
    InstallCardAccessibility();

    logo_ = new QLabel(window);
    logo_->setObjectName(QStringLiteral("OfficeLogo"));
    logo_->setAccessibleName(QString::fromUtf8(kLogoName));
    layout_.PlacePicture(logo_, QRect(54, 125, 382, 154), QStringLiteral("logo"));
    lastRoundMarker_ = new QLabel(window);
    lastRoundMarker_->setObjectName(QStringLiteral("Kurtut"));
    lastRoundMarker_->setAccessibleName(QString::fromUtf8(kLastRoundName));
    layout_.PlacePicture(lastRoundMarker_, QRect(403, 331, 66, 27), QStringLiteral("kurtut"));
    lastRoundMarker_->hide();
    // The card back the deck and the computer's cards are drawn with, kept hidden.
    auto* cardBack = new QLabel(window);
    cardBack->setObjectName(QStringLiteral("RemainderX"));
    layout_.PlacePicture(cardBack, QRect(400, 300, kCardWidth, kCardHeight),
                         QStringLiteral("back"));
    cardBack->hide();

    statusPanel_ = MakePanel(window, "Panel1", QRect(), QFrame::Raised, 2,
                             QString::fromUtf8(kStatusPanelName), QColor(0xd4, 0xd0, 0xc8));
    layout_.Place(statusPanel_, QRect(0, 404, 499, 30));
    statusLine_ = new QLabel(statusPanel_);
    statusLine_->setObjectName(QStringLiteral("Msg"));
    statusLine_->setAlignment(Qt::AlignCenter);
    layout_.PlaceText(statusLine_, QRect(10, 4, 317, 22), 13, false);
    status_ = new StatusLine(statusLine_);
    auto* bevel = new QFrame(statusPanel_);
    bevel->setObjectName(QStringLiteral("Bevel2"));
    bevel->setAccessibleName(QString::fromUtf8(kSeparatorName));
    bevel->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    layout_.Place(bevel, QRect(328, 4, 7, 22));
    countersLabel_ = new QLabel(statusPanel_);
    countersLabel_->setObjectName(QStringLiteral("Counters"));
    countersLabel_->setAlignment(Qt::AlignCenter);
    layout_.PlaceText(countersLabel_, QRect(338, 4, 109, 22), 13, false);
    SetCounters(Counters{});

    // The card images, then the deck stack and the computer's backs; the cards lie over them.
    // The table opens with every card face down or away, so the faces are drawn after the
    // window is up, one at a time while the table is idle.
    for (int i = 0; i < kDeckSize; ++i) {
        cards_[i] = new CardImage(window, cards, i);
        layout_.Place(cards_[i], QRect(0, 0, kCardWidth, kCardHeight));
        motion_.Jump(cards_[i], At(kOffTableLeft, kOffTableTop));
        cards_[i]->hide();
    }
    for (int k = 0; k < kDeckStackCount; ++k) {
        deckStack_[k] = new QLabel(window);
        deckStack_[k]->setAccessibleName(QString::fromUtf8(kDeckName));
        layout_.PlacePicture(
            deckStack_[k],
            QRect(DeckStackLeft(k + 1), DeckStackTop(k + 1), kCardWidth, kCardHeight),
            QStringLiteral("back"));
        motion_.Jump(deckStack_[k], At(DeckStackLeft(k + 1), DeckStackTop(k + 1)));
        deckStack_[k]->show();
    }
    for (int k = 0; k < kMeBackCount; ++k) {
        backs_[k].left = kMeBackHomeLefts[k];
        meBacks_[k] = new QLabel(window);
        meBacks_[k]->setAccessibleName(QString::fromUtf8(kComputerBackName));
        layout_.PlacePicture(meBacks_[k],
                             QRect(backs_[k].left, backs_[k].top, kCardWidth, kCardHeight),
                             QStringLiteral("back"));
        motion_.Jump(meBacks_[k], At(backs_[k].left, backs_[k].top));
        meBacks_[k]->show();
    }
    for (CardImage* card : cards_) card->raise();
}

CardTableView::~CardTableView() {
    if (hourglass_) QApplication::restoreOverrideCursor();
}

QPointF CardTableView::DeckTop() const {
    for (int k = kDeckStackCount; k >= 1; --k) {
        if (deckStack_[k - 1]->isVisibleTo(window_)) return At(DeckStackLeft(k), DeckStackTop(k));
    }
    return At(DeckStackLeft(1), DeckStackTop(1));
}

void CardTableView::SetZoom(int percent) {
    motion_.Finish();
    layout_.SetZoom(percent);
    SizeWindowForZoom(window_, percent);
    layout_.FitTo(window_->size());
    motion_.Redraw();
}

void CardTableView::RedrawDeck() {
    layout_.RedrawPictures();
    for (CardImage* card : cards_) card->ForgetFace();
}

void CardTableView::PrepareFacesLater(int afterMs) {
    auto* faces = new QTimer(window_);
    faces->setInterval(0);
    QObject::connect(faces, &QTimer::timeout, faces, [this, faces] {
        for (CardImage* card : cards_) {
            if (!card->HasPicture()) {
                card->PrepareFace();
                return;
            }
        }
        faces->stop();
        faces->deleteLater();
    });
    QTimer::singleShot(afterMs, faces, qOverload<>(&QTimer::start));
}

// --- Card images ----------------------------------------------------------------------------

void CardTableView::SetImagePos(int image, int left, int top) {
    if (!InRange(image, 0, kDeckSize)) return;
    ImageState& state = images_[image];
    const QPointF from = At(state.left, state.top);
    state.left = left;
    state.top = top;
    CardImage* card = cards_[image];
    if (state.visible) {
        motion_.Glide(card, At(left, top));
    } else if (OffTable(At(left, top))) {
        comesFrom_[image].reset();
        motion_.Jump(card, At(left, top));
    } else {
        // A card moved while hidden (dealt from the deck, or a face-down card laid by the
        // computer) glides from where it was once it is shown.
        comesFrom_[image] = OffTable(from) ? DeckTop() : from;
        motion_.Jump(card, At(left, top));
    }
}

void CardTableView::SetImageVisible(int image, bool visible) {
    if (!InRange(image, 0, kDeckSize)) return;
    ImageState& state = images_[image];
    CardImage* card = cards_[image];
    const QPointF place = At(state.left, state.top);
    const bool was = state.visible;
    state.visible = visible;
    if (visible) {
        card->show();
        if (!was && comesFrom_[image]) motion_.Glide(card, *comesFrom_[image], place);
        comesFrom_[image].reset();
        return;
    }
    comesFrom_[image].reset();
    if (!was || !card->isVisible()) {
        card->hide();
        return;
    }
    if (!state.enabled) {
        // A captured card slides on toward the side that took it as it goes: down to the
        // player's row, up to the computer's.
        const bool toPlayer = taker_ == Side::Human;
        motion_.Vanish(card, QPointF(0, toPlayer ? 60 : -60), place);
    } else {
        card->hide();
        motion_.Jump(card, place);
    }
}

void CardTableView::SetImageEnabled(int image, bool enabled) {
    if (!InRange(image, 0, kDeckSize)) return;
    images_[image].enabled = enabled;
    cards_[image]->setEnabled(enabled);
}

void CardTableView::RedrawImage(int image) {
    if (InRange(image, 0, kDeckSize)) cards_[image]->update();
}

// --- Frames ---------------------------------------------------------------------------------

void CardTableView::SetFrameVisible(int frame, bool visible) {
    if (!InRange(frame, 1, kDeckSize)) return;
    // A frame is drawn by its card, as a bright outline over its edge, and so only while the
    // card is shown: around a card left in the deck when a game restarts in the middle of a
    // pick it would be a stray outline.
    cards_[frame - 1]->SetFramed(visible);
}

void CardTableView::RedrawFrame(int frame) {
    if (InRange(frame, 1, kDeckSize)) cards_[frame - 1]->update();
}

// --- The deck and the computer's cards ------------------------------------------------------

void CardTableView::SetDeckStackVisible(int k, bool visible) {
    if (!InRange(k, 1, kDeckStackCount)) return;
    QLabel* picture = deckStack_[k - 1];
    picture->setVisible(visible);
}

void CardTableView::RedrawDeckStack(int k) {
    if (InRange(k, 1, kDeckStackCount)) deckStack_[k - 1]->update();
}

void CardTableView::SetMeBackPos(int k, int left, int top) {
    if (!InRange(k, 1, kMeBackCount)) return;
    backs_[k - 1].left = left;
    backs_[k - 1].top = top;
    QLabel* back = meBacks_[k - 1];
    if (backs_[k - 1].visible) {
        motion_.Glide(back, At(left, top));
    } else {
        motion_.Jump(back, At(left, top));
    }
}

void CardTableView::SetMeBackVisible(int k, bool visible) {
    if (!InRange(k, 1, kMeBackCount)) return;
    MeBackState& state = backs_[k - 1];
    QLabel* back = meBacks_[k - 1];
    const bool was = state.visible;
    state.visible = visible;
    back->setVisible(visible);
    // A face-down card appears as it is dealt: from the deck.
    if (visible && !was) motion_.Glide(back, DeckTop(), At(state.left, state.top));
}

void CardTableView::RedrawMeBack(int k) {
    if (InRange(k, 1, kMeBackCount)) meBacks_[k - 1]->update();
}

void CardTableView::SetLastRoundMarkerVisible(bool visible) {
    lastRoundMarker_->setVisible(visible);
}

void CardTableView::SetOfficeLogoVisible(bool visible) {
    logo_->setVisible(visible);
}

// --- The status line, the cursor, the focus -------------------------------------------------

void CardTableView::SetMsg(const std::string& text) {
    status_->Show(text);
}

void CardTableView::SetArabicPlays(bool on) {
    status_->SetArabic(on);
}

void CardTableView::RedrawMsg() {
    statusLine_->update();
}

void CardTableView::SetCounters(const Counters& counters) {
    // " 1-2-3:اللعبة" reads from the left, as it was written.
    const QString shown = ShownText(Utf8(CountersText(counters)));
    if (shown == countersLabel_->text()) return;
    countersLabel_->setText(shown);
    if (countersNamer_) return countersNamer_();
    countersLabel_->setAccessibleName(SpokenCounters(counters));
}

void CardTableView::SetHourglassCursor() {
    if (hourglass_) return;
    hourglass_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CardTableView::SetDefaultCursor() {
    if (!hourglass_) return;
    hourglass_ = false;
    QApplication::restoreOverrideCursor();
}

void CardTableView::RepaintMainWindow() {
    window_->update();
}

// --- The whole table at once ------------------------------------------------------------------

void CardTableView::ShowTable(const TableView& view) {
    // The table as the game holds it, at once: nothing glides back.
    motion_.Finish();
    images_ = view.images;
    for (int i = 0; i < kDeckSize; ++i) {
        const ImageState& image = images_[i];
        comesFrom_[i].reset();
        motion_.Jump(cards_[i], At(image.left, image.top));
        cards_[i]->setVisible(image.visible);
        cards_[i]->setEnabled(image.enabled);
        cards_[i]->SetFramed(view.frames[i].visible);
    }
    for (int k = 0; k < kDeckStackCount; ++k) deckStack_[k]->setVisible(view.deckStack[k]);
    backs_ = view.meBacks;
    for (int k = 0; k < kMeBackCount; ++k) {
        motion_.Jump(meBacks_[k], At(backs_[k].left, backs_[k].top));
        meBacks_[k]->setVisible(backs_[k].visible);
    }
    lastRoundMarker_->setVisible(view.lastRoundMarker);
    logo_->setVisible(view.officeLogo);
    status_->Restore(view.msg);
    SetCounters(view.counters);
}

// --- What happens in the game ---------------------------------------------------------------

void CardTableView::HandStarted(const HandStart& start) {
    status_->HandStarting(start);
    // The deck is shuffled: it is seen riffling for a moment.
    std::vector<QWidget*> deck(deckStack_.begin(), deckStack_.end());
    std::vector<QPointF> homes;
    for (int d = 1; d <= kDeckStackCount; ++d)
        homes.push_back(At(DeckStackLeft(d), DeckStackTop(d)));
    motion_.Riffle(deck, homes);
}

void CardTableView::PlayMade(const Play& play) {
    taker_ = play.side;
    status_->TellNext(Utf8(telling::TellPlay(play)),
                      Utf8(telling::TellPlay(play, telling::Length::Short)));
}

void CardTableView::PickChanged(int card, bool picked) {
    status_->TellNext(Utf8(telling::TellPick(card, picked)));
}

void CardTableView::RestGathered(const Gather& gather) {
    taker_ = gather.side;
    status_->TellNext(Utf8(telling::TellGather(gather)));
}

void CardTableView::HandScored(const ScoreSheet& sheet) {
    status_->TellNext(Utf8(telling::TellTotals(sheet)));
}

}  // namespace tazkova::ui
