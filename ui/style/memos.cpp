#include "ui/style/memos.h"

#include <QPalette>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

#include "ui/style/reading.h"

namespace tazkova::ui {

void MakeDisplayMemo(QTextEdit& memo, const QColor& background, const QString& spoken) {
    memo.setAccessibleName(spoken);
    memo.viewport()->setAccessibleName(spoken);
    memo.setReadOnly(true);
    memo.setAcceptRichText(false);
    memo.setTextInteractionFlags(Qt::NoTextInteraction);
    memo.setFocusPolicy(Qt::NoFocus);
    memo.setContextMenuPolicy(Qt::NoContextMenu);
    memo.setLayoutDirection(Qt::RightToLeft);
    memo.viewport()->setCursor(Qt::ArrowCursor);
    QPalette palette = memo.palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, background);
        palette.setColor(group, QPalette::Text, Qt::black);
    }
    memo.setPalette(palette);
}

void SetMemoText(QTextEdit& memo, const QString& text, Qt::Alignment alignment, int lineHeight) {
    memo.setPlainText(text);
    // A line that opens with a Latin word ("Tazkovas : ...") still reads from the right.
    QTextBlockFormat format;
    format.setAlignment(alignment);
    format.setLayoutDirection(Qt::RightToLeft);
    format.setLineHeight(lineHeight, QTextBlockFormat::FixedHeight);
    QTextCursor cursor(memo.document());
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(format);
    // A line written for a left-to-right line (".... انـت ربـحــت ") keeps its dots at its
    // end, on the left.
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next()) {
        if (ShownText(block.text()) == block.text()) continue;
        QTextBlockFormat leftToRight = block.blockFormat();
        leftToRight.setLayoutDirection(Qt::LeftToRight);
        QTextCursor(block).setBlockFormat(leftToRight);
    }
}

}  // namespace tazkova::ui
