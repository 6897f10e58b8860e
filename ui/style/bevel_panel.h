/// Panels that carry the controls of the game's windows, with the bevelled outlines that
/// group them drawn behind.
#pragma once

#include <QColor>
#include <QFrame>
#include <QString>
#include <vector>

class QPainter;

namespace tazkova::ui {

/// Draws a one-pixel outline just inside `r`: the top and left sides in `topLeft`, then the
/// bottom and right sides in `bottomRight`.
void DrawBevel(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight);

/// How a bevel's outline looks, in the palette's light and dark colours.
enum class BevelStyle {
    Raised,      // light top and left, dark bottom and right
    Lowered,     // the other way round
    LoweredBox,  // a lowered outline with a raised one just inside it
};

/// A panel that carries other controls and draws bevels behind them: outlines that group
/// the controls and are part of the panel's picture, not controls of their own.
class BevelPanel : public QFrame {
  public:
    using QFrame::QFrame;
    void AddBevel(const QRect& place, BevelStyle style);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Outline {
        QRect place;
        BevelStyle style;
    };
    std::vector<Outline> bevels_;
};

/// A panel named `name` (its component name) with a raised or sunken edge of `lineWidth`
/// (none for 0), filled with `background` unless that is invalid; a screen reader calls it
/// `spoken`.
BevelPanel* MakePanel(QWidget* parent, const char* name, const QRect& geometry,
                      QFrame::Shadow shadow, int lineWidth, const QString& spoken,
                      const QColor& background = QColor());

}  // namespace tazkova::ui
