#include "DialogLook.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QWidget>

namespace tazkova::ui {

QFont DialogFont(int pixelSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Noto Naskh Arabic"), QStringLiteral("Noto Sans Arabic"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void MakeDisplayMemo(QTextEdit& memo, const QColor& background) {
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
}

void CentreOnScreen(QWidget& dialog) {
    const QScreen* screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = dialog.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    dialog.move(frame.topLeft());
}

}  // namespace tazkova::ui
