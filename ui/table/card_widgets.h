/// The card image of the table: the picture the player presses, drags or plays from the
/// keyboard, with the marks drawn over it (the frame of a chosen or picked card, the hint,
/// the keyboard focus).
#pragma once

#include <QPixmap>
#include <QWidget>

namespace tazkova::ui {

/// Where a card lies and how it is marked, as a screen reader tells it.
struct CardPlace {
    enum class Where { Elsewhere, YourHand, Floor, ComputersHand };
    Where where = Where::Elsewhere;
    bool chosen = false;  // a hand card waiting for the floor cards it takes
    bool picked = false;  // a floor card picked to be taken
    bool hinted = false;
    bool waitedFor = false;  // a floor card the waiting hand card can still take
};

/// The table the card images lie on: told of the mouse on a card (in screen points) and of
/// the keys pressed on one, and asked where a card lies.
class CardTable {
  public:
    virtual ~CardTable() = default;
    virtual void CardPressed(int index, const QPoint& globalPos) = 0;
    virtual void CardDragMoved(const QPoint& globalPos) = 0;
    virtual void CardReleased(const QPoint& globalPos) = 0;
    /// Plays or picks the card, exactly as a click on it would.
    virtual void ActivateCard(int index) = 0;
    /// Moves the keyboard focus from the card as the key says; false for a key that moves
    /// nothing.
    virtual bool MoveCardFocus(int index, int key) = 0;
    virtual CardPlace PlaceOf(int index) const = 0;
};

/// One card image, showing card index + 1. A press starts a drag at once; the table
/// resolves it on release. Enter or Space plays it as a click does, the arrow keys move to
/// the next card. The face is drawn from the card art when it is first needed (its first
/// paint, or while the table is idle after start-up), then kept; a new size draws it anew.
class CardImage : public QWidget {
    Q_OBJECT
  public:
    CardImage(QWidget* parent, CardTable& table, int index);
    int Index() const { return index_; }
    CardTable& Table() const { return table_; }
    /// Draws the card's face now unless it has a picture already. Asked `quickly` (as it is
    /// shown), a face of a desktop's deck not drawn at this size yet may come less sharp at
    /// first, and is drawn sharp as soon as the table is idle.
    void PrepareFace(bool quickly = false);
    bool HasPicture() const { return hasPicture_; }
    /// Draws the face anew when next seen: the deck changed.
    void ForgetFace();

    /// The card's frame: a bright outline while the card is chosen, picked or just moved.
    void SetFramed(bool framed);
    bool Framed() const { return framed_; }
    /// The hint's mark: an outline of its own colour on the hinted card and what it takes.
    void SetHinted(bool hinted);
    bool Hinted() const { return hinted_; }
    /// The mark of a floor card that can complete a capture of the card waiting for its
    /// floor cards.
    void SetWaitedFor(bool waitedFor);
    bool WaitedFor() const { return waitedFor_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void TellDescriptionChanged();

    CardTable& table_;
    int index_;
    QPixmap picture_;
    bool hasPicture_ = false;
    bool sharp_ = true;  // the picture is drawn for the card's size, not a stand-in
    bool framed_ = false;
    bool hinted_ = false;
    bool waitedFor_ = false;
};

}  // namespace tazkova::ui
