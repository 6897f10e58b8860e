// The table for a newcomer: the rules manual on F1, the options' tooltips, the texts read
// from the right, the counters explained, and the keyboard that goes where the play is.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

#include "game/recording.h"
#include "tests/ui/table_setup.h"
#include "ui/main_window.h"
#include "ui/options_dialog.h"
#include "ui/rules_manual.h"

using namespace tazkova::game;
using namespace tazkova::ui;

namespace {

std::unique_ptr<MainWindow> MakeTable() {
    auto window = std::make_unique<MainWindow>(SeedChoice{SeedChoice::Kind::Advance, 5},
                                               std::make_unique<RecordingTable>());
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->findChild<QScrollBar*>(QStringLiteral("DelayScroll"))->setValue(0);
    return window;
}

TEST(TableGuide, F1OpensTheManualRightToLeftWithEveryTopic) {
    auto window = MakeTable();
    QString opened;
    bool rightToLeft = false;
    QString read;
    QTimer::singleShot(0, window.get(), [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        opened = modal->objectName();
        auto* browser = modal->findChild<QTextBrowser*>(QStringLiteral("RulesBrowser"));
        ASSERT_NE(browser, nullptr);
        rightToLeft = browser->layoutDirection() == Qt::RightToLeft &&
                      browser->document()->defaultTextOption().textDirection() == Qt::RightToLeft;
        // What a screen reader reads: the browser's name and its whole text.
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(browser);
        read = spoken->text(QAccessible::Name) + u'\n';
        if (QAccessibleTextInterface* text = spoken->textInterface())
            read += text->text(0, text->characterCount());
        static_cast<QDialog*>(modal)->accept();
    });
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(opened, QStringLiteral("RulesManual"));
    EXPECT_TRUE(rightToLeft);
    // The cards' values, taking by rank and by sum, the sweep and its worth by game type,
    // the hand's points, the scoring-suit rule, matches and games, the four switches, the
    // levels and the keys.
    for (const char* topic : {"قواعد Tazkova",
                              "البنت",
                              "8",
                              "الولد",
                              "9",
                              "الملك",
                              "10",
                              "مجموع",
                              "الكنسة",
                              "عادية 21",
                              "بالعدد 31",
                              "بعددها 41",
                              "الحية",
                              "البرميلة",
                              "عدد الأوراق",
                              "قاعدة الديناري",
                              "ثمانٍ",
                              "يربح طرحين",
                              "Tazkova الديناري",
                              "كشـف الاوراق",
                              "بدأ اللعب بالتبادل",
                              "Tazkova عكســية",
                              "المستوى الرابع",
                              "Ctrl+N",
                              "F11",
                              "Shift+F1"})
        EXPECT_TRUE(read.contains(QString::fromUtf8(topic))) << topic;
    EXPECT_GT(read.size(), 3000) << read.toStdString();
    EXPECT_FALSE(read.contains(QStringLiteral("<!--"))) << "the keys' place is filled";
}

TEST(TableGuide, EachSwitchOfTheOptionsSaysWhatItDoes) {
    auto window = MakeTable();
    QStringList tips;
    for (const char* name : {"Dnry", "MakShoof", "Strt", "Rvrs"}) {
        auto* box = window->optionsDialog()->findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(box, nullptr) << name;
        EXPECT_GT(box->toolTip().size(), 20) << name;
        EXPECT_EQ(box->accessibleDescription(), box->toolTip()) << name;
        tips << box->toolTip();
    }
    tips.removeDuplicates();
    EXPECT_EQ(tips.size(), 4);
}

}  // namespace
