// The table for a newcomer: the rules manual on F1, the options' tooltips, the texts read
// from the right, the counters explained, and the keyboard that goes where the play is.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextTable>
#include <QTreeWidget>
#include <algorithm>
#include <set>
#include <string>

#include "game/capture_completion.h"
#include "game/recording.h"
#include "tests/ui/table_setup.h"
#include "tests/ui/window_parts.h"
#include "ui/access/counters_note.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/rules_manual.h"
#include "ui/dialogs/statistics_dialog.h"
#include "ui/main_window.h"
#include "ui/style/ui_texts.h"
#include "ui/window/table_menu.h"

using namespace tazkova::game;
using namespace tazkova::ui;
using namespace tazkova::testing;

namespace {

using tazkova::testing::MakeActiveWindow;

TEST(TableGuide, F1OpensTheManualRightToLeftWithEveryTopic) {
    auto window = MakeActiveWindow();
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
    for (const char* topic :
         {"قواعد Tazkova", "البنت", "8", "الولد", "9", "الملك", "10", "مجموع", "الكنسة", "عادية 21",
          "بالعدد 31", "بعددها 41", "الحية", "البرميلة", "عدد الأوراق", "قاعدة الديناري", "ثمانٍ",
          "يربح طرحين", "Tazkova الديناري", "كشـف الاوراق", "بدأ اللعب بالتبادل", "Tazkova عكســية",
          "المستوى الرابع", "مستوى خبير", "Ctrl+N", "F11", "Shift+F1",
          // How to play a card, who starts, the options at the start,
          // the speed bar and the sound button, the score sheet, the
          // English status line's codes and words, the Arabic plays.
          "بالسحب", "بالقرعة", "مستوى رابع", "شريط السرعة", "زر الصوت", "لوحة النتيجة",
          "سطر الحالة", "7d", "سبعة ديناري", "Gather the rest", "Added to Picked List",
          "Removed from Picked List", "Result:", "Tazkova!!", "وصف الحركات بالعربية"})
        EXPECT_TRUE(read.contains(QString::fromUtf8(topic))) << topic;
    EXPECT_GT(read.size(), 3000) << read.toStdString();
    EXPECT_FALSE(read.contains(QStringLiteral("<!--"))) << "the keys' place is filled";
    // In the glossary's words: a play is not a game, the score sheet is not a card.
    for (const char* old : {"ورقة النتيجة", "يداً بيد", "اقتراح اللعبة", "عائلة الصيد"})
        EXPECT_FALSE(read.contains(QString::fromUtf8(old))) << old;
}

// The manual as the F1 window draws it: in every table, of two cells of a row, the one the
// page writes first lies on the right; every list item hangs from the right edge; and every
// key the text names is a key of the menu.
TEST(TableGuide, TheManualReadsFromTheRightWithTheMenusKeys) {
    QWidget table;
    const auto keys = TableKeys(MakeTableActions(&table));
    RulesManual manual;
    manual.SetKeys(keys);
    manual.show();
    QFile file(QStringLiteral(":/manual/rules.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(file.readAll());

    // The rows as the page writes them: (first cell, second cell).
    std::set<std::pair<QString, QString>> written;
    const QRegularExpression row(QStringLiteral("<tr>(.*?)</tr>"),
                                 QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression cell(QStringLiteral("<t[hd]>(.*?)</t[hd]>"));
    const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    for (const QRegularExpressionMatch& r : row.globalMatch(page)) {
        QStringList cells;
        for (const QRegularExpressionMatch& c : cell.globalMatch(r.captured(1)))
            cells << c.captured(1)
                         .remove(tag)
                         .remove(QStringLiteral("&#x202a;"))
                         .remove(QStringLiteral("&#x202c;"))
                         .simplified();
        ASSERT_EQ(cells.size(), 2) << r.captured(0).toStdString();
        written.emplace(cells[0], cells[1]);
    }
    for (const auto& [what, key] : keys) written.emplace(what, key);

    QTextDocument* document = manual.Browser()->document();
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    auto textOf = [](const QTextTableCell& c) {
        QTextCursor cursor = c.firstCursorPosition();
        cursor.setPosition(c.lastCursorPosition().position(), QTextCursor::KeepAnchor);
        return cursor.selectedText().remove(QChar(0x202a)).remove(QChar(0x202c)).simplified();
    };
    auto leftOf = [&](const QTextTableCell& c) {
        return layout->blockBoundingRect(c.firstCursorPosition().block()).left();
    };
    int tables = 0, rows = 0;
    for (QTextFrame* frame : document->rootFrame()->childFrames()) {
        auto* t = qobject_cast<QTextTable*>(frame);
        if (!t) continue;
        ++tables;
        ASSERT_EQ(t->columns(), 2);
        for (int r = 0; r < t->rows(); ++r, ++rows) {
            const QTextTableCell one = t->cellAt(r, 0), two = t->cellAt(r, 1);
            const bool oneOnTheRight = leftOf(one) > leftOf(two);
            const QString right = textOf(oneOnTheRight ? one : two);
            const QString left = textOf(oneOnTheRight ? two : one);
            EXPECT_TRUE(written.count({right, left}))
                << "right: " << right.toStdString() << ", left: " << left.toStdString();
        }
    }
    EXPECT_EQ(tables, 5);
    EXPECT_EQ(rows, int(written.size()));

    // Drawn as the window draws it: each list item's bullet or number lies at the right
    // edge, and an item shorter than half the line lies in the right half.
    const qreal width = document->textWidth();
    QImage drawn(QSizeF(width, document->size().height()).toSize(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    {
        QPainter painter(&drawn);
        document->drawContents(&painter);
    }
    int items = 0, shortItems = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (!block.textList()) continue;
        ++items;
        const QRectF place = layout->blockBoundingRect(block);
        const QTextLine first = block.layout()->lineAt(0);
        int inkLeft = drawn.width(), inkRight = -1;
        for (int y = int(place.top() + first.y());
             y < int(place.top() + first.y() + first.height()); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                if (qGray(drawn.pixel(x, y)) < 128) {
                    inkLeft = std::min(inkLeft, x);
                    inkRight = std::max(inkRight, x);
                }
        EXPECT_GT(inkRight, 0.9 * width) << block.text().toStdString();
        if (block.layout()->lineCount() == 1 && inkRight - inkLeft < width / 2) {
            ++shortItems;
            EXPECT_GT(inkLeft, width / 2) << block.text().toStdString();
        }
    }
    EXPECT_GT(items, 20);
    EXPECT_GE(shortItems, 2);

    // The keys the text names, each in bold and read left to right.
    std::set<QString> menuKeys;
    for (const auto& [what, key] : keys)
        for (const QString& one : key.split(QStringLiteral(" / "))) menuKeys.insert(one);
    const QRegularExpression named(QStringLiteral("<b>&#x202a;(.*?)&#x202c;</b>"));
    int keysNamed = 0;
    for (const QRegularExpressionMatch& k : named.globalMatch(page)) {
        ++keysNamed;
        EXPECT_TRUE(menuKeys.count(k.captured(1))) << k.captured(1).toStdString();
    }
    EXPECT_GE(keysNamed, 8);
}

TEST(TableGuide, EachSwitchOfTheOptionsSaysWhatItDoes) {
    auto window = MakeActiveWindow();
    QStringList tips;
    for (const char* name : {"Dnry", "MakShoof", "Strt", "Rvrs"}) {
        auto* box = DialogsOf(*window).Options()->findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(box, nullptr) << name;
        EXPECT_GT(box->toolTip().size(), 20) << name;
        EXPECT_EQ(box->accessibleDescription(), box->toolTip()) << name;
        tips << box->toolTip();
    }
    tips.removeDuplicates();
    EXPECT_EQ(tips.size(), 4);
}

TEST(TableGuide, TheCountersSayWhatTheyCountAndTheMatchTotals) {
    auto window = MakeActiveWindow();
    QLabel* counters = ViewOf(*window).CountersLabel();
    EXPECT_TRUE(counters->toolTip().contains(QStringLiteral("رقم الطرح"))) << "before a game";
    tazkova::testing::PressNewGame(*window);
    Game& g = GameOf(*window);
    const Counters dealt = g.State().Table.counters;
    StateEditor::Of(g).YouPile.Score = 12;
    StateEditor::Of(g).MePile.Score = 9;
    StateEditor::Of(g).Table.counters = {2, 3, 4};
    const QString note = CountersNote(g);
    StateEditor::Of(g).Table.counters = dealt;
    StateEditor::Of(g).YouPile.Score = StateEditor::Of(g).MePile.Score = 0;
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
    auto window = MakeActiveWindow();
    StatisticsDialog* statistics = DialogsOf(*window).StatisticsBox();
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

// From the deal to the hand's end by the hint and Enter alone: no Tab, the focus always on
// a card of the table, never on a button while the hand goes on.
TEST(TableGuide, AHandIsPlayedFromTheDealWithoutATab) {
    tazkova::testing::ModalCloser closer;
    auto window = MakeActiveWindow();
    const Game& g = GameOf(*window);
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    auto focusedCard = [] { return qobject_cast<CardImage*>(QApplication::focusWidget()); };
    ASSERT_TRUE(focusedCard()) << "the deal puts the focus on the hand";
    EXPECT_EQ(window->PlaceOf(focusedCard()->Index()).where, CardPlace::Where::YourHand);
    int onAButton = 0;
    QObject::connect(qApp, &QApplication::focusChanged, window.get(), [&](QWidget*, QWidget* now) {
        if (qobject_cast<QAbstractButton*>(now) && now->window() == window.get() &&
            g.State().HandNumber == 1)
            ++onAButton;
    });
    int plays = 0;
    while (g.State().HandNumber == 1 && plays < 200) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_H);
        ASSERT_TRUE(focusedCard());
        const CardPlace place = window->PlaceOf(focusedCard()->Index());
        // The hint, while a card waits, goes to a floor card it takes.
        if (g.State().Input == InputState::PickFloor) {
            EXPECT_EQ(place.where, CardPlace::Where::Floor);
            EXPECT_TRUE(place.waitedFor);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        ++plays;
    }
    EXPECT_EQ(g.State().HandNumber, 2) << "the hand was played to its end";
    EXPECT_EQ(onAButton, 0) << "no capture moved the focus to a button";
}

TEST(TableGuide, TabVisitsEveryControlOfTheTable) {
    auto window = MakeActiveWindow();
    tazkova::testing::PressNewGame(*window);
    std::set<std::string> visited;
    bool hand = false, floor = false;
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (auto* card = qobject_cast<CardImage*>(now)) {
            const CardPlace::Where where = window->PlaceOf(card->Index()).where;
            hand = hand || where == CardPlace::Where::YourHand;
            floor = floor || where == CardPlace::Where::Floor;
        } else {
            visited.insert(now->objectName().toStdString());
        }
    }
    EXPECT_EQ(visited,
              (std::set<std::string>{"BitBtn2", "cmdOptions", "cmdResult", "SpeedButton1",
                                     "BitBtn1", "MenuButton", "DelayScroll", "SpeedButton2"}));
    EXPECT_TRUE(hand && floor);
}

// Floor 1c 2d 3h 4s 9c, the player's 5h: two sums make 5, so the 5h waits; the four cards
// that can complete one are marked, then only the 1c once the 4s is picked, then none.
TEST(TableGuide, AWaitingCardMarksTheFloorCardsItCanStillTake) {
    EXPECT_EQ(CardsCompletingACapture({1, 2, 3, 4, 9}, {}, 5), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(CardsCompletingACapture({1, 2, 3, 4, 9}, {false, false, false, true}, 5),
              std::vector<int>{0});
    EXPECT_TRUE(
        CardsCompletingACapture({1, 2, 3, 4, 9}, {false, false, false, false, true}, 5).empty());
    auto window = MakeActiveWindow();
    tazkova::testing::PressNewGame(*window);
    tazkova::testing::ArrangeTable(*window, {10, 40}, {25, 36}, {1, 12, 23, 34, 9});
    auto marked = [&] {
        std::vector<int> cards;
        for (int i = 0; i < kDeckSize; ++i)
            if (CardOf(*window, i)->WaitedFor()) cards.push_back(i + 1);
        return cards;
    };
    QTest::mouseClick(CardOf(*window, 25 - 1), Qt::LeftButton);
    ASSERT_EQ(GameOf(*window).State().Input, InputState::PickFloor);
    EXPECT_EQ(marked(), (std::vector<int>{1, 12, 23, 34}));
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(CardOf(*window, 12 - 1));
    EXPECT_TRUE(spoken->text(QAccessible::Description).contains(QString::fromUtf8(kWaitedFor)));
    const QString status = window->findChild<QLabel*>(QStringLiteral("Msg"))->text();
    QTest::mouseClick(CardOf(*window, 34 - 1), Qt::LeftButton);
    EXPECT_EQ(marked(), std::vector<int>{1});
    EXPECT_NE(window->findChild<QLabel*>(QStringLiteral("Msg"))->text(), QString())
        << status.toStdString();
    QTest::mouseClick(CardOf(*window, 1 - 1), Qt::LeftButton);
    EXPECT_TRUE(marked().empty()) << "the capture is made";
}

}  // namespace
