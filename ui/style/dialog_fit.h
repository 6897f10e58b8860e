/// The dialogs at the table's scale: each dialog laid out as designed, every place, size,
/// font and picture scaled as the table is, opened centred over the game's window and kept
/// on its screen.
#pragma once

#include <QRect>
#include <QtGlobal>

class QDialog;
class QWidget;

namespace tazkova::ui {

/// Notes on the game's window the scale its table is drawn at.
void SetTableScale(QWidget* window, qreal scale);
/// The scale the table of `window` is drawn at (1 for any other window).
qreal TableScale(const QWidget* window);

/// A rectangle of `widget`'s design (drawn inside it) where it lies now that the widget may
/// have been scaled with its dialog.
QRect AtDialogScale(const QWidget& widget, const QRect& design);

/// Scales `dialog` to its parent window's table scale (less if the screen is too small for
/// it), centres it over that window, or the screen without one, and keeps it on the screen.
void FitDialog(QDialog* dialog);

}  // namespace tazkova::ui
