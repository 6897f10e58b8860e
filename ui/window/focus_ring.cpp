#include "ui/window/focus_ring.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPainter>
#include <QWidget>

#include "ui/table/table_layout.h"

namespace tazkova::ui {

FocusRing::FocusRing(QWidget* window, const TableLayout& layout)
    : QObject(window), window_(window), layout_(layout) {
    connect(qApp, &QApplication::focusChanged, this, [this] { window_->update(); });
}

void FocusRing::Paint() const {
    auto* button = qobject_cast<QAbstractButton*>(window_->focusWidget());
    if (!button || button->parentWidget() != window_ || !button->isVisible()) return;
    QPainter painter(window_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const qreal scale = layout_.ScaleFactor();
    const QRectF ring =
        QRectF(button->geometry()).adjusted(-2 * scale, -2 * scale, 2 * scale, 2 * scale);
    painter.setPen(QPen(QColor(0x10, 0x20, 0x10), 4 * scale));
    painter.drawRoundedRect(ring, 4 * scale, 4 * scale);
    painter.setPen(QPen(QColor(0xff, 0xd8, 0x40), 2 * scale));
    painter.drawRoundedRect(ring, 4 * scale, 4 * scale);
}

}  // namespace tazkova::ui
