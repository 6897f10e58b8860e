#include "ArabXtra.h"

#include <QEvent>
#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QStylePainter>

TGroupButtonA::TGroupButtonA(TCustomRadioGroupA* group) : QRadioButton(group) {
    // Right to left puts the round button on the right and right-aligns the text; the text
    // is drawn with a right-to-left paragraph direction, so mixed Arabic and Latin items read
    // in the Arabic order.
    setLayoutDirection(Qt::RightToLeft);
    // Shown by the group once it has been given its place.
    setVisible(false);
}

void TGroupButtonA::paintEvent(QPaintEvent*) {
    // The standard painting, but the text laid out as a right-to-left line: a painter takes
    // its text direction from the application, not from the widget.
    QStylePainter painter(this);
    painter.setLayoutDirection(layoutDirection());
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_RadioButton, option);
}

TCustomRadioGroupA::TCustomRadioGroupA(QWidget* parent) : QGroupBox(parent) {
    buttonGroup_.setExclusive(true);
    connect(&buttonGroup_, &QButtonGroup::idToggled, this, &TCustomRadioGroupA::ButtonToggled);
}

void TCustomRadioGroupA::SetItems(const QStringList& items) {
    items_ = items;
    if (reading_) return;
    const int last = static_cast<int>(items_.size()) - 1;
    const bool dropped = itemIndex_ > last;
    if (dropped) itemIndex_ = last;
    UpdateButtons();
    if (dropped) emit itemIndexChanged(itemIndex_);
}

void TCustomRadioGroupA::SetItemIndex(int index) {
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

void TCustomRadioGroupA::SetColumns(int columns) {
    if (columns < kMinColumns) columns = kMinColumns;
    if (columns > kMaxColumns) columns = kMaxColumns;
    if (columns == columns_) return;
    columns_ = columns;
    ArrangeButtons();
    update();
}

void TCustomRadioGroupA::BeginReading() {
    reading_ = true;
}

void TCustomRadioGroupA::EndReading() {
    reading_ = false;
    // The stored index may name an item that was never read.
    const int last = static_cast<int>(items_.size()) - 1;
    if (itemIndex_ > last) itemIndex_ = last;
    if (itemIndex_ < -1) itemIndex_ = -1;
    UpdateButtons();
}

void TCustomRadioGroupA::UpdateButtons() {
    SetButtonCount(static_cast<int>(items_.size()));
    for (int i = 0; i < ButtonCount(); ++i) Button(i)->setText(items_[i]);
    ShowSelection();
    ArrangeButtons();
}

void TCustomRadioGroupA::ShowSelection() {
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
}

void TCustomRadioGroupA::SetButtonCount(int count) {
    while (ButtonCount() < count) {
        auto* button = new TGroupButtonA(this);
        buttonGroup_.addButton(button, ButtonCount());
        buttons_.push_back(button);
    }
    while (ButtonCount() > count) {
        delete buttons_.back();
        buttons_.pop_back();
    }
}

void TCustomRadioGroupA::ButtonToggled(int id, bool checked) {
    if (updating_ || !checked) return;
    itemIndex_ = id;
    emit itemIndexChanged(itemIndex_);
}

void TCustomRadioGroupA::ArrangeButtons() {
    if (reading_ || buttons_.empty()) return;
    const int fontHeight = QFontMetrics(font()).height();
    const int count = ButtonCount();
    const int buttonsPerCol = (count + columns_ - 1) / columns_;
    const int buttonWidth = (width() - 10) / columns_;
    const int freeHeight = height() - fontHeight - 5;
    const int buttonHeight = freeHeight / buttonsPerCol;
    const int topMargin = fontHeight + 1 + (freeHeight % buttonsPerCol) / 2;
    for (int i = 0; i < count; ++i) {
        TGroupButtonA* button = Button(i);
        // Eight pixels narrower than a standard group's buttons, so that the round button on
        // the right stays clear of the frame.
        button->setGeometry((i / buttonsPerCol) * buttonWidth + 8,
                            (i % buttonsPerCol) * buttonHeight + topMargin, buttonWidth - 8,
                            buttonHeight);
        button->setVisible(true);
    }
}

void TCustomRadioGroupA::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    ArrangeButtons();
}

void TCustomRadioGroupA::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange) ArrangeButtons();
}
