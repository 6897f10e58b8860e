// Playing without a mouse: a whole hand by keyboard alone, the usual desktop keys, and the
// table as a screen reader reads it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "game/recording.h"
#include "telling/arabic_plays.h"
#include "tests/ui/accessible_tree.h"
#include "tests/ui/table_setup.h"
#include "tests/ui/window_parts.h"
#include "ui/access/spoken_texts.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/help_dialog.h"
#include "ui/dialogs/message_dialog.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/results_dialog.h"
#include "ui/dialogs/review_dialog.h"
#include "ui/dialogs/statistics_dialog.h"
#include "ui/main_window.h"
#include "ui/style/ui_texts.h"
#include "ui/style/utf8.h"

using namespace tazkova::game;
using namespace tazkova::ui;
using namespace tazkova::testing;

namespace {

class KeyboardTest : public ::testing::Test {
  protected:
    static std::unique_ptr<MainWindow> MakeWindow() { return tazkova::testing::MakeActiveWindow(); }

    /// Presses `key` where the keyboard focus is, as the player would.
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, key, modifiers);
    }

    /// The card the player means to act on: the first hand card, or in a choice the next
    /// floor card of the first set of them that makes the chosen card's rank.
    static int NextCard(const Game& g) {
        if (g.State().Input == InputState::PickFloor) {
            const int rank = CardRank(g.State().YouPile.Cards[g.State().SelectedSlot]);
            const int n = g.State().FloorPile.Count;
            for (unsigned set = 1; set < (1u << n); ++set) {
                int sum = 0;
                for (int f = 0; f < n; ++f)
                    if (set & (1u << f)) sum += CardRank(g.State().FloorPile.Cards[f + 1]);
                if (sum != rank) continue;
                for (int f = 0; f < n; ++f)
                    if ((set & (1u << f)) && !g.State().PickedSet.test(std::size_t(f + 1)))
                        return g.State().FloorPile.Cards[f + 1] - 1;
            }
        }
        return g.State().YouPile.Count > 0 ? g.State().YouPile.Cards[1] - 1 : -1;
    }
};

// Tab reaches the hand and the floor, the arrows move along them, Enter plays: the hand
// ends on the same score sheet as the same cards clicked with the mouse.
TEST_F(KeyboardTest, AWholeHandIsPlayedByKeyboardAlone) {
    tazkova::testing::ModalCloser closer;
    auto keys = MakeWindow();
    Press(Qt::Key_N, Qt::ControlModifier);
    const Game& g = GameOf(*keys);
    ASSERT_TRUE(g.State().GameActive) << "Ctrl+N starts a game";

    std::vector<int> played;
    auto focusedCard = [] { return qobject_cast<CardImage*>(QApplication::focusWidget()); };
    while (g.State().HandNumber == 1 && played.size() < 200) {
        const int target = NextCard(g);
        ASSERT_GE(target, 0);
        // Tab round until the keyboard is in the card's row, then along it with the arrows.
        const CardPlace::Where row = keys->PlaceOf(target).where;
        for (int i = 0;
             i < 12 && !(focusedCard() && keys->PlaceOf(focusedCard()->Index()).where == row); ++i)
            Press(Qt::Key_Tab);
        Press(Qt::Key_Home);
        for (int i = 0; i < 12 && focusedCard() && focusedCard()->Index() != target; ++i)
            Press(Qt::Key_Left);
        ASSERT_TRUE(focusedCard()) << "the keyboard reached the cards";
        ASSERT_EQ(focusedCard()->Index(), target);
        Press(Qt::Key_Return);
        played.push_back(target);
    }
    EXPECT_EQ(g.State().HandNumber, 2) << "the hand was played to its end";
    EXPECT_EQ(closer.Count(QStringLiteral("frmSmry")), 1) << "the score sheet was shown";

    // The same cards clicked with the mouse on a table dealt alike.
    auto mouse = MakeWindow();
    tazkova::testing::PressNewGame(*mouse);
    for (const int card : played) QTest::mouseClick(CardOf(*mouse, card), Qt::LeftButton);
    const GameState& m = GameOf(*mouse).State();
    EXPECT_EQ(m.HandNumber, 2);
    EXPECT_EQ(g.State().MePile.Score, m.MePile.Score);
    EXPECT_EQ(g.State().YouPile.Score, m.YouPile.Score);
    EXPECT_EQ(g.State().Results, m.Results);
    EXPECT_EQ(g.State().Deck, m.Deck);
}

TEST_F(KeyboardTest, TheUsualKeysWorkAndAreShown) {
    auto window = MakeWindow();
    tazkova::testing::ModalCloser closer;
    Press(Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(closer.Count(QStringLiteral("FrmHelp")), 1) << "Shift+F1 opens the help";
    // The help lists the keys, and each button's tooltip shows its own.
    EXPECT_TRUE(DialogsOf(*window).Help()->KeysText().contains(QStringLiteral("Ctrl+N")));
    auto* newGame = window->findChild<QPushButton*>(QStringLiteral("BitBtn2"));
    EXPECT_TRUE(newGame->toolTip().contains(QStringLiteral("Ctrl+N")));
    // The help closed: the table is the active window again.
    QApplication::setActiveWindow(window.get());
    newGame->setFocus();
    Press(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(closer.Count(QStringLiteral("frmSmry")), 1) << "Ctrl+R shows the score sheet";
    // Keys are dropped during a pause, as clicks are.
    QTimer::singleShot(0, window.get(),
                       [&] { QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier); });
    PausesOf(*window).Wait(60);
    QApplication::processEvents();
    EXPECT_FALSE(GameOf(*window).State().GameActive);
}

TEST_F(KeyboardTest, AScreenReaderFindsANameForEverythingShown) {
    auto window = MakeWindow();
    tazkova::testing::PressNewGame(*window);
    int showing = 0;
    EXPECT_EQ(tazkova::testing::UnnamedShowing(window.get(), &showing), QStringList{});
    EXPECT_GT(showing, 20);
    const std::vector<QDialog*> dialogs = {
        DialogsOf(*window).Results(),       DialogsOf(*window).Options(),
        DialogsOf(*window).Message(),       DialogsOf(*window).Help(),
        DialogsOf(*window).StatisticsBox(), DialogsOf(*window).About(),
        DialogsOf(*window).Review()};
    for (QDialog* dialog : dialogs) {
        dialog->show();
        EXPECT_EQ(tazkova::testing::UnnamedShowing(dialog), QStringList{})
            << dialog->objectName().toStdString();
        dialog->hide();
    }

    // A card says what it is and where it lies, and is marked when chosen.
    const Game& g = GameOf(*window);
    const int hand = g.State().YouPile.Cards[1];
    QAccessibleInterface* card = QAccessible::queryAccessibleInterface(CardOf(*window, hand - 1));
    EXPECT_EQ(card->text(QAccessible::Name), SpokenCardName(hand));
    EXPECT_TRUE(card->text(QAccessible::Description).startsWith(QString::fromUtf8(kInYourHand)));
    const int floor = g.State().FloorPile.Cards[1];
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(CardOf(*window, floor - 1))
                    ->text(QAccessible::Description)
                    .startsWith(QString::fromUtf8(kOnTheFloor)));
    // A screen reader can press a card, as a click does.
    const int played = g.State().PlayCount;
    card->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTest::qWait(50);
    EXPECT_GT(g.State().PlayCount, played);
    // The computer's cards are only backs, whatever they are.
    for (int i = 1; i <= g.State().MePile.Count; ++i)
        EXPECT_TRUE(CardOf(*window, g.State().MePile.Cards[i] - 1)->isHidden());
}

TEST(SpokenTexts, CardsAndCountersAreReadInArabicWords) {
    EXPECT_EQ(SpokenCardName(17), QStringLiteral("سبعة ديناري"));
    EXPECT_EQ(SpokenCardName(10), QStringLiteral("ملك سباتي"));
    EXPECT_EQ(SpokenCardName(2), QStringLiteral("اثنين سباتي"));
    EXPECT_EQ(SpokenCounters(Counters{1, 2, 3}), QStringLiteral("الطرح 1، اليد 2، الدور 3"));
}

// What a screen reader hears of a play comes from the play itself: whatever text the status
// line shows with it.
TEST_F(KeyboardTest, APlayIsSpokenWhateverTheStatusLineSays) {
    auto window = MakeWindow();
    CardTableView& view = ViewOf(*window);
    const QLabel* status = window->findChild<QLabel*>(QStringLiteral("Msg"));
    Play play{Side::Computer, 17, {}};
    play.taken.Add(7);
    view.PlayMade(play);
    view.SetMsg("anything at all");
    EXPECT_EQ(status->text(), QStringLiteral("anything at all"));
    EXPECT_EQ(status->accessibleName(), Utf8(tazkova::telling::TellPlay(play)));
    // A text the game said nothing about is read as it stands.
    view.SetMsg("You Play 7d");
    EXPECT_EQ(status->accessibleName(), QStringLiteral("You Play 7d"));
}

// What changes is told to a screen reader as a new accessible name (the window sends the
// name-changed event with it; the end-to-end test hears it over AT-SPI).
TEST_F(KeyboardTest, APlayAndADealAreAnnounced) {
    auto window = MakeWindow();
    const QLabel* status = window->findChild<QLabel*>(QStringLiteral("Msg"));
    const QLabel* counters = window->findChild<QLabel*>(QStringLiteral("Counters"));
    tazkova::testing::PressNewGame(*window);
    const Game& g = GameOf(*window);
    EXPECT_TRUE(counters->accessibleName().startsWith(SpokenCounters(g.State().Table.counters)))
        << "the deal";
    EXPECT_TRUE(counters->accessibleName().contains(QStringLiteral("الدور")));
    const int card = g.State().YouPile.Cards[1];
    QTest::mouseClick(CardOf(*window, card - 1), Qt::LeftButton);
    EXPECT_FALSE(status->text().isEmpty());
    // The computer may have answered: the last play is spoken, whoever made it.
    EXPECT_TRUE(
        status->accessibleName().startsWith(QStringLiteral("أنت تلعب ") + SpokenCardName(card)) ||
        status->accessibleName().startsWith(QStringLiteral("الحاسوب ي")))
        << status->accessibleName().toStdString();
}

}  // namespace
