/// What the message and help dialogs share: their Arabic font, their read-only memos and
/// their place on the screen.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QTextEdit;
class QWidget;

namespace tazkova::ui {

/// The dialogs' font: an Arabic face that joins and shapes the letters, at a pixel height.
QFont DialogFont(int pixelSize, bool bold);

/// Makes a memo a display only: right to left, no caret, no selection, no focus, no
/// context menu, black text on `background`.
void MakeDisplayMemo(QTextEdit& memo, const QColor& background);

/// Puts plain text in a display memo, every line right to left, aligned as asked and
/// `lineHeight` pixels apart (Arabic faces ask for far more room than their letters need).
/// The memo's text then reads back exactly as given.
void SetMemoText(QTextEdit& memo, const QString& text, Qt::Alignment alignment, int lineHeight);

/// Moves a dialog to the middle of the screen it is shown on.
void CentreOnScreen(QWidget& dialog);

}  // namespace tazkova::ui
