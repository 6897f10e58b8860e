// The hand's story: every play of the hand told in Arabic as it happens, the computer's cards
// only once played, a play taken back leaving it, from the menu's command.
#include "ui/dialogs/hand_story.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QTest>

#include "telling/arabic_plays.h"
#include "tests/ui/table_setup.h"
#include "ui/style/utf8.h"

namespace {

using namespace tazkova::game;
using namespace tazkova::ui;
using namespace tazkova::testing;

int PlaysTold(const QStringList& entries) {
    int plays = 0;
    for (const QString& entry : entries) {
        for (const char* verb : {" يلعب ", " تلعب ", " يضع ", " تضع "})
            plays += entry.contains(QString::fromUtf8(verb));
    }
    return plays;
}

TEST(HandStoryTest, TellsEachPlayAsItHappensAndFollowsTakeBack) {
    auto window = MakeActiveWindow();
    ModalCloser closer;
    PressNewGame(*window);
    Game& g = GameOf(*window);
    auto* story = window->findChild<HandStory*>(QStringLiteral("HandStory"));
    ASSERT_NE(story, nullptr);
    for (int i = 0; i < 4 && g.State().Input == InputState::ChooseCard; ++i) {
        QTest::mouseClick(CardOf(*window, g.State().YouPile.Cards[1] - 1), Qt::LeftButton);
        QTest::qWait(20);
    }
    ASSERT_GT(g.State().PlayCount, 2);

    // Opened from the menu's command, right to left, with the hand from its start.
    window->findChild<TableCommands*>(QStringLiteral("TableCommands"))->Actions().story->trigger();
    ASSERT_TRUE(story->isVisible());
    const QStringList entries = story->Entries();
    ASSERT_GE(entries.size(), 3);
    EXPECT_TRUE(entries[0].startsWith(QStringLiteral("الطرح 1، اليد 1: ")))
        << entries[0].toStdString();
    EXPECT_EQ(entries[1], Utf8(tazkova::telling::TellRound(1)));
    EXPECT_EQ(PlaysTold(entries), g.State().PlayCount);
    EXPECT_EQ(story->findChild<QListWidget*>(QStringLiteral("StoryList"))->layoutDirection(),
              Qt::RightToLeft);
    // The computer's cards in its hand are nowhere in the story.
    for (int i = 1; i <= g.State().MePile.Count; ++i)
        for (const QString& entry : entries)
            EXPECT_FALSE(
                entry.contains(Utf8(tazkova::telling::CardName(g.State().MePile.Cards[i]))))
                << entry.toStdString();

    // A play taken back leaves the story with the computer's answer.
    const int before = g.State().PlayCount;
    window->findChild<TableCommands*>(QStringLiteral("TableCommands"))
        ->Actions()
        .takeBack->trigger();
    QTest::qWait(20);
    ASSERT_LT(g.State().PlayCount, before);
    EXPECT_EQ(PlaysTold(story->Entries()), g.State().PlayCount);

    // A new hand starts a new story.
    story->HandStarted({1, 2, Side::Human});
    EXPECT_EQ(story->Entries(), QStringList{QStringLiteral("الطرح 1، اليد 2: تبدأ أنت")});
}

}  // namespace
