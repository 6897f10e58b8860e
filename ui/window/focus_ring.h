/// The ring round the focused button: the style's own focus mark inside a button is faint on
/// the green cloth, so a bright ring drawn on the cloth round the button tells where the
/// keyboard is. It follows the focus from button to button.
#pragma once

#include <QObject>

class QWidget;

namespace tazkova::ui {

class TableLayout;

class FocusRing : public QObject {
  public:
    /// The ring of `window`'s own buttons, at the scale of `layout`.
    FocusRing(QWidget* window, const TableLayout& layout);

    /// Draws the ring, when the window paints itself.
    void Paint() const;

  private:
    QWidget* window_;
    const TableLayout& layout_;
};

}  // namespace tazkova::ui
