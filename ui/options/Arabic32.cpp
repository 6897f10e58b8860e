#include "Arabic32.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

/// Draws a one-pixel outline just inside `r`, as a frame brush would.
void FrameRect(QPainter& painter, const QRect& r, const QColor& color) {
    if (r.width() <= 0 || r.height() <= 0) return;
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), color);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), color);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), color);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), color);
}

}  // namespace

TRadioGroupA::TRadioGroupA(QWidget* parent) : TRadioGroupAx(parent) {
    // The caption is read from right to left.
    setLayoutDirection(Qt::RightToLeft);
}

void TRadioGroupA::SetCtl3D(bool on) {
    if (on == ctl3D_) return;
    ctl3D_ = on;
    update();
}

void TRadioGroupA::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    const QString caption = title();
    const QString text =
        caption.isEmpty() ? QString() : QLatin1Char(' ') + caption + QLatin1Char(' ');
    const QFontMetrics metrics(font());
    const int textHeight = metrics.size(Qt::TextSingleLine, QStringLiteral("0")).height();
    const int textWidth = metrics.horizontalAdvance(text);

    // The frame's top line runs through the middle of the caption's line.
    QRect frame(QPoint(0, textHeight / 2 - 1), QPoint(width() - 1, height() - 1));
    if (ctl3D_) {
        frame.adjust(1, 1, 0, 0);
        FrameRect(painter, frame, palette().color(QPalette::Light));
        frame.translate(-1, -1);
        FrameRect(painter, frame, palette().color(QPalette::Dark));
    } else {
        FrameRect(painter, frame, palette().color(QPalette::WindowText));
    }

    if (text.isEmpty()) return;
    const QRect captionRect(width() - textWidth - 8, 0, textWidth, textHeight);
    painter.fillRect(captionRect, palette().color(backgroundRole()));
    painter.setLayoutDirection(Qt::RightToLeft);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionRect,
                     Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop | Qt::TextSingleLine, text);
}

TCheckBoxA::TCheckBoxA(QWidget* parent) : QCheckBox(parent) {
    // The box goes to the right of the text, the text is right-aligned and read from right
    // to left.
    setLayoutDirection(Qt::RightToLeft);
}

TCheckBoxA::TCheckBoxA(const QString& text, QWidget* parent) : TCheckBoxA(parent) {
    setText(text);
}

void TCheckBoxA::paintEvent(QPaintEvent*) {
    // The standard painting, but the text laid out as a right-to-left line: a painter takes
    // its text direction from the application, not from the widget.
    QStylePainter painter(this);
    painter.setLayoutDirection(layoutDirection());
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_CheckBox, option);
}

tazkova::CheckState TCheckBoxA::State() const {
    switch (checkState()) {
        case Qt::Checked:
            return tazkova::CheckState::Checked;
        case Qt::PartiallyChecked:
            return tazkova::CheckState::Grayed;
        case Qt::Unchecked:
            break;
    }
    return tazkova::CheckState::Unchecked;
}

void TCheckBoxA::SetState(tazkova::CheckState state) {
    switch (state) {
        case tazkova::CheckState::Checked:
            setCheckState(Qt::Checked);
            break;
        case tazkova::CheckState::Grayed:
            setCheckState(Qt::PartiallyChecked);
            break;
        case tazkova::CheckState::Unchecked:
            setCheckState(Qt::Unchecked);
            break;
    }
}
