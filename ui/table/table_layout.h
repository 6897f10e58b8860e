/// The table's zoom. The table is laid out in the pixels of its design (499 x 434, the
/// places the game and its tests use) and drawn at 100, 150, 200 or 300 per cent of that:
/// every place, size, font and picture is scaled, the pictures drawn anew from their SVG art
/// and the texts at the scaled size, so the table stays sharp at every size and on top of
/// the desktop's own scale.
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <vector>

class QAbstractButton;
class QLabel;
class QWidget;

namespace tazkova::ui {

class TableLayout {
  public:
    /// The sizes the table can be drawn at, in per cent.
    static constexpr std::array<int, 4> kZooms{100, 150, 200, 300};

    /// The size chosen by the player, in per cent.
    int Zoom() const { return zoom_; }
    /// Redraws every widget placed so far at `percent` (one of kZooms; others are ignored).
    void SetZoom(int percent);
    /// The table's design size, in its own pixels.
    static constexpr QSize kDesignSize{499, 434};
    /// Redraws the table at the largest scale whose design fits `area` (a window's inside),
    /// centred in it; the scale goes by steps of 5 per cent, so that the pictures are not
    /// drawn anew at every pixel of a resize.
    void FitTo(QSize area);
    /// How many window pixels a design pixel is now.
    qreal ScaleFactor() const { return scale_; }
    /// The next larger or smaller size, or the same at either end.
    static int Larger(int percent);
    static int Smaller(int percent);

    // Design pixels to window pixels.
    int Scale(int v) const { return qRound(v * scale_); }
    QPoint Scale(QPoint p) const { return {Scale(p.x()), Scale(p.y())}; }
    /// A place on the table in window pixels: scaled, and moved to where the table lies.
    QPointF Scale(QPointF p) const { return p * scale_ + QPointF(offset_); }
    QSize Scale(QSize s) const { return {Scale(s.width()), Scale(s.height())}; }
    QRect Scale(const QRect& r) const { return {Scale(r.topLeft()), Scale(r.size())}; }
    /// Window pixels back to design pixels.
    QPoint Unscale(QPoint p) const { return (QPointF(p - offset_) / scale_).toPoint(); }

    /// Puts `widget` in the design rectangle `place`, now and at every zoom.
    void Place(QWidget* widget, const QRect& place);
    /// The same, with its text in the table's Arabic font of `fontPixels` (design pixels).
    void PlaceText(QWidget* widget, const QRect& place, int fontPixels, bool bold);
    /// The same, showing the embedded picture `picture` drawn at its scaled size.
    void PlacePicture(QLabel* label, const QRect& place, const QString& picture);
    /// A button's icon of `iconSize` design pixels, from the embedded picture `picture`.
    void SetIcon(QAbstractButton* button, int iconSize, const QString& picture);
    /// Draws every picture placed so far anew, as the deck in use now draws them.
    void RedrawPictures() const;
    /// The table's Arabic font at `fontPixels` design pixels.
    QFont Font(int fontPixels, bool bold) const;

  private:
    struct Entry {
        QWidget* widget = nullptr;
        QRect place;
        int fontPixels = 0;
        bool bold = false;
        QString picture;
        int iconSize = 0;
    };
    void Apply(const Entry& entry) const;
    Entry& EntryOf(QWidget* widget);

    int zoom_ = 100;
    qreal scale_ = 1.0;
    QPoint offset_;  // where the table's corner lies in the window
    std::vector<Entry> entries_;
};

}  // namespace tazkova::ui
