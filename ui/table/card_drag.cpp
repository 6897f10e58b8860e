#include "ui/table/card_drag.h"

#include <QWidget>

#include "game/game.h"
#include "ui/table/table_view.h"

namespace tazkova::ui {

void CardDrag::Press(int index, const QPoint& globalPos) {
    if (index_ >= 0) return;
    view_.Motion().Finish();
    CardImage* card = view_.Card(index);
    index_ = index;
    origin_ = card->pos();
    offset_ = window_->mapFromGlobal(globalPos) - card->pos();
    card->raise();
    cursor_ = Qt::ClosedHandCursor;
    card->setCursor(cursor_);
}

int CardDrag::DropTargetAt(const QPoint& pos) const {
    if (index_ < 0) return -1;
    // Over its own place the card is dropped on itself: a plain click.
    if (QRect(origin_, view_.Card(index_)->size()).contains(pos)) return index_;
    // Otherwise the topmost other card under the pointer, looking beneath the lifted one.
    const QObjectList& stack = window_->children();
    for (auto it = stack.crbegin(); it != stack.crend(); ++it) {
        auto* card = qobject_cast<CardImage*>(*it);
        if (!card || card->Index() == index_ || !card->isVisible()) continue;
        if (card->geometry().contains(pos)) return card->isEnabled() ? card->Index() : -1;
    }
    return -1;
}

void CardDrag::Move(const QPoint& globalPos) {
    if (index_ < 0) return;
    const QPoint pos = window_->mapFromGlobal(globalPos);
    view_.Card(index_)->move(pos - offset_);
    const int target = DropTargetAt(pos);
    const bool accepts = target >= 0 && game::Game::DragAccepts(index_, target);
    cursor_ = accepts ? Qt::ClosedHandCursor : Qt::ForbiddenCursor;
    view_.Card(index_)->setCursor(cursor_);
}

void CardDrag::Release(const QPoint& globalPos) {
    if (index_ < 0) return;
    const int source = index_;
    const int target = DropTargetAt(window_->mapFromGlobal(globalPos));
    CardImage* card = view_.Card(source);
    card->move(origin_);
    card->unsetCursor();
    cursor_ = Qt::ArrowCursor;
    index_ = -1;
    if (target >= 0 && game::Game::DragAccepts(source, target)) drop_(source, target);
}

}  // namespace tazkova::ui
