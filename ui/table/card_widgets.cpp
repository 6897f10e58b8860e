#include "ui/table/card_widgets.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include "game/table_geometry.h"
#include "ui/decks/table_deck.h"

namespace tazkova::ui {

namespace {

// The marks, each seen at a glance on a white card and on the green cloth: the frame in
// gold, the hint in green, the keyboard focus as a blue ring inside them.
const QColor kFrameColour(0xff, 0xc4, 0x00);
const QColor kHintColour(0x1f, 0xc2, 0x5a);
const QColor kFocusColour(0x1e, 0x6f, 0xe8);
const QColor kMarkEdge(0x20, 0x20, 0x20);

/// A rounded outline `inset` pixels inside the card's edge, `width` wide, with a thin dark
/// edge on both sides so that it stands out on the white of the card and on its picture.
void DrawOutline(QPainter& painter, const QRectF& card, qreal inset, qreal width,
                 const QColor& colour) {
    const QRectF ring = card.adjusted(inset, inset, -inset, -inset);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kMarkEdge, width + 2));
    painter.drawRoundedRect(ring, 5, 5);
    painter.setPen(QPen(colour, width));
    painter.drawRoundedRect(ring, 5, 5);
}

}  // namespace

CardImage::CardImage(QWidget* parent, CardTable& table, int index)
    : QWidget(parent), table_(table), index_(index) {
    // Two of the images carry a small c in their names; the digits are what counts.
    const QString prefix =
        (index == 11 || index == 12) ? QStringLiteral("card") : QStringLiteral("Card");
    setObjectName(prefix + QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0')));
    resize(game::kCardWidth, game::kCardHeight);
    // Reached by the table's own Tab order and the arrow keys, never taken by a click.
    setFocusPolicy(Qt::TabFocus);
}

void CardImage::PrepareFace(bool quickly) {
    if (hasPicture_ && (sharp_ || quickly)) return;
    picture_ = CardFace(index_ + 1, width(), height(), devicePixelRatioF(), quickly, &sharp_);
    hasPicture_ = true;
    if (sharp_) return;
    // Each stand-in is drawn sharp in a turn of the event loop of its own.
    QTimer::singleShot(0, this, [this] {
        if (sharp_) return;
        PrepareFace();
        update();
    });
}

void CardImage::ForgetFace() {
    hasPicture_ = false;
    update();
}

void CardImage::resizeEvent(QResizeEvent*) {
    // The table was zoomed: the face is drawn anew at the new size when next seen.
    if (hasPicture_ && picture_.deviceIndependentSize() != QSizeF(size())) hasPicture_ = false;
}

void CardImage::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (!event->isAutoRepeat()) table_.ActivateCard(index_);
            return;
        default:
            if (!table_.MoveCardFocus(index_, event->key())) QWidget::keyPressEvent(event);
    }
}

void CardImage::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void CardImage::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void CardImage::SetFramed(bool framed) {
    if (framed == framed_) return;
    framed_ = framed;
    update();
    // A chosen or picked card is told to a screen reader as checked.
    QAccessible::State checked;
    checked.checked = true;
    QAccessibleStateChangeEvent state(this, checked);
    QAccessible::updateAccessibility(&state);
    TellDescriptionChanged();
}

void CardImage::SetWaitedFor(bool waitedFor) {
    if (waitedFor == waitedFor_) return;
    waitedFor_ = waitedFor;
    update();
    TellDescriptionChanged();
}

void CardImage::SetHinted(bool hinted) {
    if (hinted == hinted_) return;
    hinted_ = hinted;
    update();
    TellDescriptionChanged();
}

void CardImage::TellDescriptionChanged() {
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void CardImage::paintEvent(QPaintEvent*) {
    PrepareFace(true);
    QPainter painter(this);
    painter.drawPixmap(rect(), picture_);
    if (!framed_ && !hinted_ && !waitedFor_ && !hasFocus()) return;
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect());
    const qreal scale = width() / qreal(game::kCardWidth);
    if (framed_) {
        DrawOutline(painter, card, 2.5 * scale, 3 * scale, kFrameColour);
    } else if (hinted_) {
        DrawOutline(painter, card, 2.5 * scale, 3 * scale, kHintColour);
    }
    if (framed_ && hinted_) DrawOutline(painter, card, 7 * scale, 2 * scale, kHintColour);
    if (waitedFor_ && !framed_) {
        // A dashed outline of the waiting card's colour: this card can be taken with it.
        const QRectF ring = card.adjusted(3 * scale, 3 * scale, -3 * scale, -3 * scale);
        painter.setBrush(QColor(0xff, 0xc4, 0x00, 40));
        painter.setPen(QPen(kMarkEdge, 5 * scale));
        painter.drawRoundedRect(ring, 5, 5);
        painter.setPen(QPen(kFrameColour, 3 * scale, Qt::DashLine));
        painter.drawRoundedRect(ring, 5, 5);
    }
    if (hasFocus()) {
        // A dashed ring, so that the focus never reads as a frame.
        const QRectF ring = card.adjusted(11 * scale, 11 * scale, -11 * scale, -11 * scale);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::white, 4 * scale));
        painter.drawRoundedRect(ring, 4, 4);
        QPen dashes(kFocusColour, 3 * scale, Qt::DashLine);
        painter.setPen(dashes);
        painter.drawRoundedRect(ring, 4, 4);
    }
}

void CardImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        table_.CardPressed(index_, event->globalPosition().toPoint());
}

void CardImage::mouseMoveEvent(QMouseEvent* event) {
    table_.CardDragMoved(event->globalPosition().toPoint());
}

void CardImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) table_.CardReleased(event->globalPosition().toPoint());
}

}  // namespace tazkova::ui
