#include "ui/style/rtl_widgets.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "ui/style/bevel_panel.h"
#include "ui/style/reading.h"

namespace tazkova::ui {

namespace {

/// Draws a button as the style does, with its text laid out as a right-to-left line: a
/// painter takes its text direction from the application, not from the widget.
void PaintRightToLeft(QAbstractButton& button, QStyle::ControlElement element,
                      const QStyleOptionButton& option) {
    QStylePainter painter(&button);
    painter.setLayoutDirection(button.layoutDirection());
    painter.drawControl(element, option);
}

}  // namespace

// --- Item buttons -------------------------------------------------------------------------

RtlRadioButton::RtlRadioButton(RtlRadioGroup* group) : QRadioButton(group) {
    // Right to left puts the round button on the right and right-aligns the text.
    setLayoutDirection(Qt::RightToLeft);
    // Shown by the group once it has been given its place.
    setVisible(false);
}

void RtlRadioButton::paintEvent(QPaintEvent*) {
    QStyleOptionButton option;
    initStyleOption(&option);
    PaintRightToLeft(*this, QStyle::CE_RadioButton, option);
}

// --- The group ----------------------------------------------------------------------------

RtlRadioGroup::RtlRadioGroup(QWidget* parent) : QGroupBox(parent) {
    // The caption is read from right to left.
    setLayoutDirection(Qt::RightToLeft);
    buttonGroup_.setExclusive(true);
    connect(&buttonGroup_, &QButtonGroup::idToggled, this, &RtlRadioGroup::ButtonToggled);
}

void RtlRadioGroup::SetItems(const QStringList& items) {
    items_ = items;
    if (reading_) return;
    const int last = static_cast<int>(items_.size()) - 1;
    const bool dropped = itemIndex_ > last;
    if (dropped) itemIndex_ = last;
    UpdateButtons();
    if (dropped) emit itemIndexChanged(itemIndex_);
}

void RtlRadioGroup::SetItemIndex(int index) {
    if (reading_) {
        itemIndex_ = index;
        return;
    }
    if (index < -1) index = -1;
    if (index >= ButtonCount()) index = ButtonCount() - 1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    ShowSelection();
    emit itemIndexChanged(itemIndex_);
}

void RtlRadioGroup::BeginReading() {
    reading_ = true;
}

void RtlRadioGroup::EndReading() {
    reading_ = false;
    // The stored index may name an item that was never read.
    const int last = static_cast<int>(items_.size()) - 1;
    if (itemIndex_ > last) itemIndex_ = last;
    if (itemIndex_ < -1) itemIndex_ = -1;
    UpdateButtons();
}

void RtlRadioGroup::UpdateButtons() {
    SetButtonCount(static_cast<int>(items_.size()));
    for (int i = 0; i < ButtonCount(); ++i) {
        Button(i)->setText(items_[i]);
        Button(i)->setAccessibleName(SpokenText(items_[i]));
    }
    ShowSelection();
    ArrangeButtons();
}

void RtlRadioGroup::ShowSelection() {
    updating_ = true;
    if (itemIndex_ >= 0) {
        Button(itemIndex_)->setChecked(true);
    } else if (QAbstractButton* checked = buttonGroup_.checkedButton()) {
        // An exclusive group refuses to lose its last checked button.
        buttonGroup_.setExclusive(false);
        checked->setChecked(false);
        buttonGroup_.setExclusive(true);
    }
    updating_ = false;
    UpdateTabStop();
}

void RtlRadioGroup::UpdateTabStop() {
    // As in a standard radio group, Tab enters the group at its selected item (the first
    // when none is) and leaves it from there; the arrow keys move among the items.
    const int stop = itemIndex_ >= 0 ? itemIndex_ : 0;
    for (int i = 0; i < ButtonCount(); ++i)
        Button(i)->setFocusPolicy(i == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void RtlRadioGroup::SetButtonCount(int count) {
    while (ButtonCount() < count) {
        auto* button = new RtlRadioButton(this);
        buttonGroup_.addButton(button, ButtonCount());
        buttons_.push_back(button);
    }
    while (ButtonCount() > count) {
        delete buttons_.back();
        buttons_.pop_back();
    }
}

void RtlRadioGroup::ButtonToggled(int id, bool checked) {
    if (updating_ || !checked) return;
    itemIndex_ = id;
    UpdateTabStop();
    emit itemIndexChanged(itemIndex_);
}

void RtlRadioGroup::ArrangeButtons() {
    if (reading_ || buttons_.empty()) return;
    const int fontHeight = QFontMetrics(font()).height();
    const int count = ButtonCount();
    const int buttonWidth = width() - 10;
    const int freeHeight = height() - fontHeight - 5;
    const int buttonHeight = freeHeight / count;
    const int topMargin = fontHeight + 1 + (freeHeight % count) / 2;
    for (int i = 0; i < count; ++i) {
        // Eight pixels narrower than a standard group's buttons, so that the round button on
        // the right stays clear of the frame.
        Button(i)->setGeometry(8, i * buttonHeight + topMargin, buttonWidth - 8, buttonHeight);
        Button(i)->setVisible(true);
    }
}

void RtlRadioGroup::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    const QString caption = title();
    const QString text =
        caption.isEmpty() ? QString() : QLatin1Char(' ') + caption + QLatin1Char(' ');
    const QFontMetrics metrics(font());
    const int textHeight = metrics.size(Qt::TextSingleLine, QStringLiteral("0")).height();
    const int textWidth = metrics.horizontalAdvance(text);

    // The sunken frame: its top line runs through the middle of the caption's line, a light
    // outline under a shadow one drawn a pixel up and left.
    QRect frame(QPoint(0, textHeight / 2 - 1), QPoint(width() - 1, height() - 1));
    frame.adjust(1, 1, 0, 0);
    const QColor light = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    DrawBevel(painter, frame, light, light);
    DrawBevel(painter, frame.translated(-1, -1), shadow, shadow);

    if (text.isEmpty()) return;
    const QRect captionRect(width() - textWidth - 8, 0, textWidth, textHeight);
    painter.fillRect(captionRect, palette().color(backgroundRole()));
    painter.setLayoutDirection(Qt::RightToLeft);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionRect,
                     Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop | Qt::TextSingleLine, text);
}

void RtlRadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    ArrangeButtons();
}

void RtlRadioGroup::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange) ArrangeButtons();
}

// --- The check box ------------------------------------------------------------------------

RtlCheckBox::RtlCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {
    setAccessibleName(SpokenText(text));
    // The box goes to the right of the text, the text is right-aligned.
    setLayoutDirection(Qt::RightToLeft);
}

void RtlCheckBox::paintEvent(QPaintEvent*) {
    QStyleOptionButton option;
    initStyleOption(&option);
    PaintRightToLeft(*this, QStyle::CE_CheckBox, option);
}

game::CheckState RtlCheckBox::State() const {
    switch (checkState()) {
        case Qt::Checked:
            return game::CheckState::Checked;
        case Qt::PartiallyChecked:
            return game::CheckState::Grayed;
        case Qt::Unchecked:
            break;
    }
    return game::CheckState::Unchecked;
}

}  // namespace tazkova::ui
