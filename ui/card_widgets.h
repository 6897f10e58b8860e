/// The pictures of the card table that stand for a card: the card image itself, which the
/// player presses and drags, and the highlight frame drawn behind a chosen or picked card.
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
};

/// The highlight of a chosen card: a thick rounded outline drawn behind the cards.
class CardFrame : public QWidget {
    Q_OBJECT
  public:
    explicit CardFrame(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tazkova::ui
