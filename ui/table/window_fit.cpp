#include "ui/table/window_fit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "ui/style/dialog_fit.h"
#include "ui/table/card_motion.h"
#include "ui/table/table_layout.h"

namespace tazkova::ui {

namespace {
/// The frame a window manager draws round a window not yet shown, as most do.
const QMargins kUsualFrame(4, 30, 4, 4);
}  // namespace

QSize WindowSizeFor(int percent, QSize available, QMargins frame) {
    const QSize design = TableLayout::kDesignSize;
    const QSize wanted = design * percent / 100;
    const QSize room(available.width() - frame.left() - frame.right(),
                     available.height() - frame.top() - frame.bottom());
    if (wanted.width() <= room.width() && wanted.height() <= room.height()) return wanted;
    const qreal fits =
        std::min(room.width() / qreal(design.width()), room.height() / qreal(design.height()));
    return (QSizeF(design) * std::max(fits, 0.25)).toSize();
}

void SizeWindowForZoom(QWidget* window, int percent) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (window->isMaximized() || window->isFullScreen()) window->showNormal();
    const QMargins frame =
        window->isVisible() && window->frameGeometry().size() != window->size()
            ? QMargins(window->geometry().left() - window->frameGeometry().left(),
                       window->geometry().top() - window->frameGeometry().top(),
                       window->frameGeometry().right() - window->geometry().right(),
                       window->frameGeometry().bottom() - window->geometry().bottom())
            : kUsualFrame;
    const QRect area =
        screen ? screen->availableGeometry() : QRect(QPoint(), QSize(1 << 14, 1 << 14));
    window->resize(WindowSizeFor(percent, area.size(), frame));
    // Kept inside the free area: a window that grew past its right or bottom edge moves back.
    QRect placed = window->frameGeometry();
    if (placed.size() == window->size()) placed = placed.marginsAdded(frame);
    QPoint to = placed.topLeft();
    to.setX(std::max(area.left(), std::min(to.x(), area.right() + 1 - placed.width())));
    to.setY(std::max(area.top(), std::min(to.y(), area.bottom() + 1 - placed.height())));
    window->move(to);
}

TableFit::TableFit(QWidget* window, TableLayout& layout, CardMotion& motion)
    : QObject(window), window_(window), layout_(layout), motion_(motion) {
    window_->setMinimumSize(TableLayout::kDesignSize / 2);
    window_->installEventFilter(this);
}

void TableFit::Fit() {
    motion_.Finish();
    layout_.FitTo(window_->size());
    motion_.Redraw();
    SetTableScale(window_, layout_.ScaleFactor());
    window_->update();
}

bool TableFit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Resize) Fit();
    return QObject::eventFilter(watched, event);
}

}  // namespace tazkova::ui
