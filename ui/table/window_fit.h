/// The table at any size: the window can be resized, maximised and put full screen, and
/// the table fills it at the largest scale that keeps its proportions, centred on the cloth.
/// The zoom commands set the window's size, never larger than the screen's free area.
#pragma once

#include <QMargins>
#include <QObject>
#include <QSize>

class QWidget;

namespace tazkova::ui {

class CardMotion;
class TableLayout;

/// The inside size of a window that shows the table at `percent` of its design size, or the
/// largest of the same proportions that fits, with the window's `frame`, in `available`.
QSize WindowSizeFor(int percent, QSize available, QMargins frame);

/// Gives the window the size of the table at `percent`, as far as its screen allows.
void SizeWindowForZoom(QWidget* window, int percent);

/// Keeps the table fitted to its window as the window changes size, and tells the window's
/// dialogs the table's scale.
class TableFit : public QObject {
  public:
    /// `layout` and `motion` are the table view's: the cards are fitted and redrawn.
    TableFit(QWidget* window, TableLayout& layout, CardMotion& motion);
    /// Fits the table to the window's present size.
    void Fit();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    TableLayout& layout_;
    CardMotion& motion_;
};

}  // namespace tazkova::ui
