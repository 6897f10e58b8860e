#include "ui/card_widgets.h"

#include <QMouseEvent>
#include <QPainter>

#include "game/table_geometry.h"
#include "ui/look.h"

namespace tazkova::ui {

CardImage::CardImage(QWidget* table, CardDragTarget& drags, int index)
    : QWidget(table), drags_(drags), index_(index) {
    // Two of the images carry a small c in their names; the digits are what counts.
    const QString prefix =
        (index == 11 || index == 12) ? QStringLiteral("card") : QStringLiteral("Card");
    setObjectName(prefix + QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0')));
    resize(game::kCardWidth, game::kCardHeight);
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
        drags_.CardPressed(index_, event->globalPosition().toPoint());
}

void CardImage::mouseMoveEvent(QMouseEvent* event) {
    drags_.CardDragMoved(event->globalPosition().toPoint());
}

void CardImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) drags_.CardReleased(event->globalPosition().toPoint());
}

CardFrame::CardFrame(QWidget* parent) : QWidget(parent) {
    resize(game::kFrameWidth, game::kFrameHeight);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CardFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 4));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 6, 6);
}

}  // namespace tazkova::ui
