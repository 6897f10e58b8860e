// Clicks a radio button or check box where the player would: on its button or its text, the
// only parts of the control that take a click.
#pragma once

#include <QCheckBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

inline void ClickOn(QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
    const QRect area = button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonClickRect : QStyle::SE_CheckBoxClickRect, &option, button);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, area.center());
}
