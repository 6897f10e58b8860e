/// A card dragged over the table: lifted at a press, following the pointer, and on release
/// put back in its place and dropped on the card beneath, which the game then plays.
#pragma once

#include <QPoint>
#include <functional>

class QWidget;

namespace tazkova::ui {

class CardTableView;

class CardDrag {
  public:
    /// `drop` is told of a drop the rules accept: the dragged card and the card beneath (the
    /// same card for a plain click).
    CardDrag(QWidget* window, CardTableView& view, std::function<void(int, int)> drop)
        : window_(window), view_(view), drop_(std::move(drop)) {}

    void Press(int index, const QPoint& globalPos);
    void Move(const QPoint& globalPos);
    void Release(const QPoint& globalPos);
    /// The pointer shape shown while a card is dragged over the table.
    Qt::CursorShape Cursor() const { return cursor_; }

  private:
    /// The card image under a window point that would receive the drop, or -1.
    int DropTargetAt(const QPoint& pos) const;

    QWidget* window_;
    CardTableView& view_;
    std::function<void(int, int)> drop_;
    int index_ = -1;
    QPoint offset_;
    QPoint origin_;
    Qt::CursorShape cursor_ = Qt::ArrowCursor;
};

}  // namespace tazkova::ui
