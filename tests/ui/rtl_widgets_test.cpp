// The right-to-left radio group and check box: where the buttons go, the limits of the
// selection, and how the group's frame and caption are painted.
#include "ui/style/rtl_widgets.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTest>

#include "tests/ui/click.h"

using namespace tazkova::ui;
using namespace tazkova::game;

namespace {

const QStringList kFourItems = {QStringLiteral("أول"), QStringLiteral("ثاني"),
                                QStringLiteral("ثالث"), QStringLiteral("رابع")};

/// A font whose line is exactly `height` pixels high, from the fonts on this machine.
std::optional<QFont> FontOfHeight(int height) {
    for (const char* family : {"Noto Naskh Arabic", "DejaVu Sans", "Noto Sans"}) {
        for (int pixels = 4; pixels <= 40; ++pixels) {
            QFont font(QString::fromLatin1(family));
            font.setPixelSize(pixels);
            if (QFontMetrics(font).height() == height) return font;
        }
    }
    return std::nullopt;
}

std::vector<QRect> ButtonRects(const RtlRadioGroup& group) {
    std::vector<QRect> rects;
    for (int i = 0; i < group.ButtonCount(); ++i) rects.push_back(group.Button(i)->geometry());
    return rects;
}

/// A group of the options dialog's size with a 16-pixel font.
struct GroupOf119x99 : ::testing::Test {
    void SetUp() override {
        const std::optional<QFont> font = FontOfHeight(16);
        ASSERT_TRUE(font) << "no installed font has a 16-pixel line";
        group.setFont(*font);
        group.setGeometry(0, 0, 119, 99);
        group.SetItems(kFourItems);
    }
    RtlRadioGroup group;
};

TEST_F(GroupOf119x99, FourItemsInOneColumnStandEvenlyBelowTheCaptionLine) {
    const std::vector<QRect> expected = {QRect(8, 18, 101, 19), QRect(8, 37, 101, 19),
                                         QRect(8, 56, 101, 19), QRect(8, 75, 101, 19)};
    EXPECT_EQ(ButtonRects(group), expected);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(group.Button(i)->isHidden()) << "button " << i;
        EXPECT_EQ(group.Button(i)->text(), kFourItems[i]);
    }
}

TEST_F(GroupOf119x99, ButtonsFollowSizeFontAndItems) {
    group.show();
    group.resize(119, 137);  // free height 116: rows of 29
    EXPECT_EQ(group.Button(3)->geometry(), QRect(8, 17 + 3 * 29, 101, 29));

    const std::optional<QFont> bigger = FontOfHeight(22);
    ASSERT_TRUE(bigger);
    group.setFont(*bigger);  // free height 110: rows of 27, two odd pixels split above
    EXPECT_EQ(group.Button(0)->geometry(), QRect(8, 22 + 1 + 1, 101, 27));

    group.SetItems(kFourItems.mid(0, 2));
    ASSERT_EQ(group.ButtonCount(), 2);
    EXPECT_EQ(group.Button(1)->geometry(), QRect(8, 23 + 55, 101, 55));
}

TEST_F(GroupOf119x99, NothingIsBuiltOrMovedWhileStoredPropertiesAreRead) {
    RtlRadioGroup fresh;
    fresh.setFont(group.font());
    fresh.BeginReading();
    fresh.setGeometry(0, 0, 119, 99);
    fresh.SetItemIndex(3);  // before the items exist: taken as given
    fresh.SetItems(kFourItems);
    EXPECT_EQ(fresh.ButtonCount(), 0);
    EXPECT_EQ(fresh.ItemIndex(), 3);
    fresh.EndReading();
    EXPECT_EQ(ButtonRects(fresh), ButtonRects(group));
    EXPECT_TRUE(fresh.Button(3)->isChecked());

    // An index that no item ever matched is held to the items once reading ends.
    RtlRadioGroup shortOne;
    shortOne.BeginReading();
    shortOne.SetItemIndex(9);
    shortOne.SetItems(kFourItems.mid(0, 2));
    shortOne.EndReading();
    EXPECT_EQ(shortOne.ItemIndex(), 1);
    EXPECT_TRUE(shortOne.Button(1)->isChecked());
}

TEST_F(GroupOf119x99, ItemIndexIsHeldToTheItemsAndShownByOneButton) {
    auto checkedButtons = [&] {
        std::vector<int> checked;
        for (int i = 0; i < group.ButtonCount(); ++i)
            if (group.Button(i)->isChecked()) checked.push_back(i);
        return checked;
    };
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_TRUE(checkedButtons().empty());

    group.SetItemIndex(10);
    EXPECT_EQ(group.ItemIndex(), 3);
    EXPECT_EQ(checkedButtons(), std::vector<int>{3});
    group.SetItemIndex(1);
    EXPECT_EQ(checkedButtons(), std::vector<int>{1});
    group.SetItemIndex(-5);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_TRUE(checkedButtons().empty());

    // Fewer items than the selection: the last remaining item is selected.
    group.SetItemIndex(3);
    group.SetItems(kFourItems.mid(0, 2));
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_EQ(checkedButtons(), std::vector<int>{1});

    RtlRadioGroup empty;
    empty.SetItemIndex(0);
    EXPECT_EQ(empty.ItemIndex(), -1);
}

TEST_F(GroupOf119x99, TabEntersTheGroupAtItsSelectedItemAndLeavesItFromThere) {
    QWidget window;
    auto* before = new QPushButton(QStringLiteral("before"), &window);
    group.setParent(&window);
    auto* after = new QPushButton(QStringLiteral("after"), &window);
    group.SetItemIndex(2);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), group.Button(2));
    QTest::keyClick(group.Button(2), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), after);
    QTest::keyClick(after, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), group.Button(2));
    // The arrow keys move the selection, and Tab then enters at the new one.
    QTest::keyClick(group.Button(2), Qt::Key_Down);
    EXPECT_EQ(group.ItemIndex(), 3);
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), group.Button(3));
    group.setParent(nullptr);
}

TEST_F(GroupOf119x99, ClickingAButtonSelectsItsItem) {
    group.SetItemIndex(0);
    group.show();
    QSignalSpy changes(&group, &RtlRadioGroup::itemIndexChanged);
    ClickOn(group.Button(2));
    EXPECT_EQ(group.ItemIndex(), 2);
    EXPECT_FALSE(group.Button(0)->isChecked());
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.at(0).at(0).toInt(), 2);

    // Disabled with its group, as a standard group's buttons are.
    group.setEnabled(false);
    ClickOn(group.Button(1));
    EXPECT_EQ(group.ItemIndex(), 2);
}

TEST(RightToLeftButtons, TheRoundAndSquareButtonsSitRightOfTheirText) {
    RtlRadioGroup group;
    group.setGeometry(0, 0, 119, 99);
    group.SetItems(kFourItems);
    RtlCheckBox box(QStringLiteral("كشف"));
    box.setGeometry(0, 0, 105, 20);

    QStyleOptionButton radio;
    radio.initFrom(group.Button(0));
    const QRect radioMark = group.Button(0)->style()->subElementRect(
        QStyle::SE_RadioButtonIndicator, &radio, group.Button(0));
    EXPECT_GT(radioMark.left(), group.Button(0)->width() / 2);

    QStyleOptionButton check;
    check.initFrom(&box);
    const QRect checkMark = box.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &check, &box);
    EXPECT_GT(checkMark.left(), box.width() / 2);
}

/// The image of a control showing `text`.
QImage Rendered(QAbstractButton& control, const QString& text) {
    control.setText(text);
    return control.grab().toImage();
}

/// Whether a caption that starts with a Latin word is read from right to left: the Latin word
/// then ends the line at its right end, drawn exactly as it is drawn alone.
template <class Control>
void ExpectLatinWordAtTheRightEnd(Control& control, QStyle::SubElement contents) {
    const QString latin = QStringLiteral("Tazkova");
    const QString mixed = latin + QStringLiteral(" ") + kFourItems[1] + kFourItems[2];
    const QImage alone = Rendered(control, latin);
    const QImage both = Rendered(control, mixed);
    QStyleOptionButton option;
    option.initFrom(&control);
    const int textRight = control.style()->subElementRect(contents, &option, &control).right();
    const int from = textRight - QFontMetrics(control.font()).horizontalAdvance(latin) + 2;
    ASSERT_GT(from, 0);
    int inked = 0;
    for (int y = 0; y < alone.height(); ++y) {
        for (int x = from; x < alone.width(); ++x) {
            ASSERT_EQ(alone.pixel(x, y), both.pixel(x, y)) << "at " << x << "," << y;
            if (alone.pixel(x, y) != alone.pixel(0, 0)) ++inked;
        }
    }
    EXPECT_GT(inked, 50) << "the word and the button are drawn there";
}

TEST(RightToLeftButtons, MixedCaptionsReadFromRightToLeft) {
    RtlCheckBox box;
    box.setGeometry(0, 0, 160, 24);
    ExpectLatinWordAtTheRightEnd(box, QStyle::SE_CheckBoxContents);
    RtlRadioGroup group;
    group.setGeometry(0, 0, 170, 50);
    group.SetItems({QStringLiteral("x")});
    group.show();
    ExpectLatinWordAtTheRightEnd(*group.Button(0), QStyle::SE_RadioButtonContents);
}

TEST(RightToLeftButtons, CheckBoxStatesInTheGamesTerms) {
    RtlCheckBox box(QStringLiteral("كشف"));
    EXPECT_EQ(box.State(), tazkova::game::CheckState::Unchecked);
    box.setCheckState(Qt::PartiallyChecked);
    EXPECT_EQ(box.State(), tazkova::game::CheckState::Grayed);
    box.setCheckState(Qt::Checked);
    EXPECT_EQ(box.State(), tazkova::game::CheckState::Checked);
    box.show();
    ClickOn(&box);
    EXPECT_EQ(box.State(), tazkova::game::CheckState::Unchecked);
}

/// The group painted on its own, with the rows of its frame's top edge.
struct PaintedGroup {
    explicit PaintedGroup(const QString& caption) {
        group.setTitle(caption);
        group.setGeometry(0, 0, 119, 99);
        image = group.grab().toImage();
        lineHeight = QFontMetrics(group.font()).height();
    }
    QRgb At(int x, int y) const { return image.pixel(x, y); }
    QRgb Role(QPalette::ColorRole role) const { return group.palette().color(role).rgb(); }
    RtlRadioGroup group;
    QImage image;
    int lineHeight = 0;
};

TEST(RadioGroupPainting, EmptyCaptionDrawsOnlyTheSunkenFrame) {
    const PaintedGroup p(QString{});
    ASSERT_EQ(p.image.size(), QSize(119, 99));
    const int top = p.lineHeight / 2 - 1;
    const QRgb shadow = p.Role(QPalette::Dark);
    const QRgb light = p.Role(QPalette::Light);
    // The shadow outline lies one pixel up and left of the light one and is drawn over it.
    for (int x = 0; x <= 117; ++x) ASSERT_EQ(p.At(x, top), shadow) << "top shadow at x " << x;
    EXPECT_EQ(p.At(118, top), p.Role(QPalette::Window));
    EXPECT_EQ(p.At(0, top + 1), shadow);
    for (int x = 1; x <= 116; ++x) ASSERT_EQ(p.At(x, top + 1), light) << "top light at x " << x;
    EXPECT_EQ(p.At(117, top + 1), shadow);
    EXPECT_EQ(p.At(118, top + 1), light);
    EXPECT_EQ(p.At(0, 98), p.Role(QPalette::Window));
    EXPECT_EQ(p.At(1, 98), light);
    EXPECT_EQ(p.At(117, 97), shadow);
    EXPECT_EQ(p.At(118, 98), light);
    // Above the frame's top line the group is only background.
    for (int y = 0; y < top; ++y)
        for (int x = 0; x < 119; ++x)
            ASSERT_EQ(p.At(x, y), p.Role(QPalette::Window)) << x << "," << y;
}

TEST(RadioGroupPainting, CaptionInterruptsTheTopLineEightPixelsFromTheRight) {
    const QString caption = QStringLiteral("نوع اللعبة");
    const PaintedGroup p(caption);
    const int top = p.lineHeight / 2 - 1;
    const int width = QFontMetrics(p.group.font()).horizontalAdvance(u' ' + caption + u' ');
    const int captionLeft = 119 - width - 8;
    ASSERT_GT(captionLeft, 10);
    const QRgb shadow = p.Role(QPalette::Dark);
    // The line runs up to the caption and again after it, to the right edge.
    EXPECT_EQ(p.At(captionLeft - 1, top), shadow);
    for (int x = 119 - 8; x <= 117; ++x) EXPECT_EQ(p.At(x, top), shadow) << "x " << x;
    // The blanks at both ends of the caption leave the line out.
    EXPECT_EQ(p.At(captionLeft, top), p.Role(QPalette::Window));
    EXPECT_EQ(p.At(119 - 9, top), p.Role(QPalette::Window));
    // Something is written in between.
    bool inked = false;
    for (int y = 0; y < p.lineHeight; ++y)
        for (int x = captionLeft; x < 119 - 8; ++x)
            inked = inked || p.At(x, y) != p.Role(QPalette::Window);
    EXPECT_TRUE(inked);
}

}  // namespace
