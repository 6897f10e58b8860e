// The table for a newcomer: the rules manual on F1, the options' tooltips, the texts read
// from the right, the counters explained, and the keyboard that goes where the play is.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QTreeWidget>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

#include "game/recording.h"
#include "tests/ui/table_setup.h"
#include "ui/about_dialog.h"
#include "ui/counters_note.h"
#include "ui/main_window.h"
#include "ui/statistics_dialog.h"
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

TEST(TableGuide, TheCountersSayWhatTheyCountAndTheMatchTotals) {
    auto window = MakeTable();
    QLabel* counters = window->View().CountersLabel();
    EXPECT_TRUE(counters->toolTip().contains(QStringLiteral("رقم الطرح"))) << "before a game";
    tazkova::testing::PressNewGame(*window);
    Game& g = window->game();
    g.YouPile.Score = 12;
    g.MePile.Score = 9;
    const QString note = CountersNote(QStringLiteral(" 2-3-4:اللعبة"), g);
    EXPECT_TRUE(note.startsWith(QStringLiteral("الطرح 2، اليد 3، الدور 4. ")));
    EXPECT_TRUE(note.contains(QStringLiteral("أنت 12، الحاسوب 9"))) << note.toStdString();
    // On the table: the deal's counters, as shown, with the totals.
    EXPECT_TRUE(counters->toolTip().startsWith(QStringLiteral("الطرح 1، اليد 1، الدور 1")));
    EXPECT_TRUE(counters->toolTip().contains(QStringLiteral("مجموع الطرح: أنت 0، الحاسوب 0")));
    EXPECT_EQ(counters->accessibleName(), counters->toolTip());
}

// Our own texts read from the right: the about box line by line, the statistics' headings
// say whose total comes first, the reset question answers in Arabic.
TEST(TableGuide, OurOwnTextsReadFromTheRight) {
    AboutDialog about;
    for (const QString& line : about.Text().split(u'\n'))
        EXPECT_TRUE(line.startsWith(QChar(0x200f))) << line.toStdString();
    auto window = MakeTable();
    StatisticsDialog* statistics = window->statisticsDialog();
    auto* table = statistics->findChild<QTreeWidget*>(QStringLiteral("StatisticsTable"));
    EXPECT_TRUE(table->headerItem()->text(7).endsWith(QStringLiteral("أنت - الحاسوب")));
    // Every heading fits its column.
    for (int c = 0; c + 1 < table->columnCount(); ++c) {
        const QFontMetrics metrics(table->header()->font());
        for (const QString& line : table->headerItem()->text(c).split(u'\n'))
            EXPECT_LT(metrics.horizontalAdvance(line) + 8, table->header()->sectionSize(c))
                << line.toStdString();
    }
    QStringList answers;
    QTimer::singleShot(0, statistics, [&] {
        auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(question, nullptr);
        for (QAbstractButton* button : question->buttons()) answers << button->text();
        question->reject();
    });
    statistics->ResetStatistics(true);
    answers.sort();
    EXPECT_EQ(answers, QStringList({QStringLiteral("لا"), QStringLiteral("نعم")}));
}

}  // namespace
