/// Read-only memos: texts the windows show, right to left, that a player reads but never edits.
#pragma once

#include <QColor>
#include <QString>
#include <Qt>

class QTextEdit;

namespace tazkova::ui {

/// Makes a memo a display only: right to left, no caret, no selection, no focus, no
/// context menu, black text on `background`; a screen reader calls it `spoken`.
void MakeDisplayMemo(QTextEdit& memo, const QColor& background, const QString& spoken);

/// Puts plain text in a display memo, every line right to left, aligned as asked and
/// `lineHeight` pixels apart (Arabic faces ask for far more room than their letters need).
/// The memo's text then reads back exactly as given.
void SetMemoText(QTextEdit& memo, const QString& text, Qt::Alignment alignment, int lineHeight);

}  // namespace tazkova::ui
