/// The card image of the table: the picture the player presses, drags or plays from the
/// keyboard, with the marks drawn over it (the frame of a chosen or picked card, the hint,
/// the keyboard focus).
#pragma once

#include <QPixmap>
#include <QWidget>

namespace tazkova::ui {

/// Told of the presses, moves and releases of the mouse on a card image, in screen points.
class CardDragTarget {
  public:
    virtual ~CardDragTarget() = default;
    virtual void CardPressed(int index, const QPoint& globalPos) = 0;
    virtual void CardDragMoved(const QPoint& globalPos) = 0;
    virtual void CardReleased(const QPoint& globalPos) = 0;
};

/// One card image, showing card index + 1. A press starts a drag at once; the table
/// resolves it on release. The face is drawn from the card art when it is first needed (its
/// first paint, or while the table is idle after start-up), then kept.
class CardImage : public QWidget {
    Q_OBJECT
  public:
    CardImage(QWidget* table, CardDragTarget& drags, int index);
    int Index() const { return index_; }
    /// Draws the card's face now unless it has a picture already.
    void PrepareFace();
    bool HasPicture() const { return hasPicture_; }

    /// The card's frame: a bright outline while the card is chosen, picked or just moved.
    void SetFramed(bool framed);
    bool Framed() const { return framed_; }
    /// The hint's mark: an outline of its own colour on the hinted card and what it takes.
    void SetHinted(bool hinted);
    bool Hinted() const { return hinted_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    CardDragTarget& drags_;
    int index_;
    QPixmap picture_;
    bool hasPicture_ = false;
    bool framed_ = false;
    bool hinted_ = false;
};

}  // namespace tazkova::ui
