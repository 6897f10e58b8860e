// The card table in the offscreen platform: start-up, the deal, clicks and drags driven
// by QTest, the score sheet after a hand, and repeatable deals.
#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <random>

#include "game/recording.h"
#include "tests/ui/table_setup.h"
#include "tests/ui/window_parts.h"
#include "ui/dialogs/results_dialog.h"

using namespace tazkova::game;
using namespace tazkova::ui;
using namespace tazkova::testing;

namespace {

int C(const std::string& name) {
    for (int n = 1; n <= kDeckSize; ++n) {
        if (CardName(n) == name) return n;
    }
    return 0;
}

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override { form = MakeForm(5); }

    static std::unique_ptr<MainWindow> MakeForm(unsigned advance) {
        auto f = std::make_unique<MainWindow>(SeedChoice{SeedChoice::Kind::Advance, advance},
                                              std::make_unique<RecordingTable>());
        f->show();
        f->findChild<QScrollBar*>(QStringLiteral("DelayScroll"))->setValue(0);
        return f;
    }

    void NewGame() { tazkova::testing::PressNewGame(*form); }

    /// Deals, then lays out the hands and the floor with the given cards, the human to play.
    void Arrange(const std::vector<int>& me, const std::vector<int>& you,
                 const std::vector<int>& floor) {
        NewGame();
        tazkova::testing::ArrangeTable(*form, me, you, floor);
    }

    QPoint CentreOf(int card) const {
        const QWidget* image = CardOf(*form, card - 1);
        return image->geometry().center();
    }

    /// Moves or releases the pointer over window point `pos` while card `held` is pressed:
    /// the pressed card receives the events, as it does under a real mouse grab.
    void Drag(QEvent::Type type, int held, const QPoint& pos) {
        QWidget* card = CardOf(*form, held - 1);
        const QPoint global = form->mapToGlobal(pos);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons buttons = type == QEvent::MouseMove ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent event(type, card->mapFromGlobal(global), pos, global, button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(card, &event);
    }

    std::vector<int> Cards(const Pile& pile) const {
        return std::vector<int>(pile.Cards.begin() + 1, pile.Cards.begin() + 1 + pile.Count);
    }

    std::unique_ptr<MainWindow> form;
};

TEST_F(WindowTest, StartsWithAnEmptyTable) {
    EXPECT_EQ(form->size(), QSize(499, 434));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tazkova 2000"));
    for (int i = 0; i < kDeckSize; ++i) EXPECT_FALSE(CardOf(*form, i)->isVisible()) << i;
    EXPECT_TRUE(form->findChild<QLabel*>(QStringLiteral("OfficeLogo"))->isVisible());
    EXPECT_FALSE(form->findChild<QLabel*>(QStringLiteral("Kurtut"))->isVisible());
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("Msg"))->text().toStdString(),
              Game::Banner());
    for (const bool shown : GameOf(*form).State().Table.deckStack) EXPECT_TRUE(shown);
    EXPECT_EQ(CardOf(*form, 11)->objectName(), QStringLiteral("card11"));
    EXPECT_EQ(CardOf(*form, 39)->objectName(), QStringLiteral("Card39"));

    // A click on the table starts nothing.
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(200, 200));
    EXPECT_FALSE(GameOf(*form).State().GameActive);
    EXPECT_EQ(GameOf(*form).State().HandNumber, 0);
}

TEST_F(WindowTest, ReturnPressesTheFocusedButton) {
    auto* button = form->findChild<QPushButton*>(QStringLiteral("BitBtn2"));
    form->activateWindow();
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_TRUE(GameOf(*form).State().GameActive);
}

TEST_F(WindowTest, NewGameDealsToTheTablePlaces) {
    NewGame();
    const Game& g = GameOf(*form);
    ASSERT_TRUE(g.State().GameActive);
    EXPECT_FALSE(form->findChild<QLabel*>(QStringLiteral("OfficeLogo"))->isVisible());
    for (int i = 1; i <= g.State().FloorPile.Count; ++i) {
        const QWidget* image = CardOf(*form, g.State().FloorPile.Cards[i] - 1);
        const int slot = g.State().FloorPile.Slots[i];
        ASSERT_LE(slot, kFloorPlaces);
        EXPECT_TRUE(image->isVisible());
        EXPECT_EQ(image->pos(), QPoint(FloorSlotLeft[slot], FloorSlotTop[slot]));
    }
    for (int i = 1; i <= g.State().YouPile.Count; ++i) {
        const QWidget* image = CardOf(*form, g.State().YouPile.Cards[i] - 1);
        EXPECT_TRUE(image->isVisible());
        EXPECT_EQ(image->pos(), QPoint(50 + 80 * (g.State().YouPile.Slots[i] - 1), 300));
    }
    for (int i = 1; i <= g.State().MePile.Count; ++i) {
        const QWidget* image = CardOf(*form, g.State().MePile.Cards[i] - 1);
        EXPECT_FALSE(image->isVisible());  // face down: the backs show instead
        EXPECT_EQ(image->y(), 2);
    }
}

TEST_F(WindowTest, ClickOnAHandCardPlaysItAndTheComputerAnswers) {
    Arrange({C("Kc"), C("2h")}, {C("Js"), C("1c")}, {C("5c"), C("2d")});
    QTest::mouseClick(CardOf(*form, C("Js") - 1), Qt::LeftButton);
    const Game& g = GameOf(*form);
    EXPECT_EQ(Cards(g.State().YouPile), std::vector<int>{C("1c")});
    EXPECT_EQ(g.State().PlayCount, 3);
    EXPECT_EQ(g.State().MePile.Count, 1);
    EXPECT_TRUE(CardOf(*form, C("Js") - 1)->isVisible());
}

TEST_F(WindowTest, ARestartInTheMiddleOfAChoiceLeavesNoStrayFrame) {
    Arrange({C("Kc")}, {C("3h"), C("Kh")}, {C("3c"), C("3s"), C("5d")});
    QTest::mouseClick(CardOf(*form, C("3h") - 1), Qt::LeftButton);
    ASSERT_EQ(GameOf(*form).State().Input,
              InputState::PickFloor);  // two threes to choose from: the three waits
    auto shownFrames = [&] {
        int shown = 0;
        for (const CardImage* card : form->findChildren<CardImage*>())
            shown += card->isVisible() && card->Framed();
        return shown;
    };
    EXPECT_EQ(shownFrames(), 1);

    // A new game in the middle of one asks first: yes.
    tazkova::testing::ModalCloser yes;
    NewGame();
    const Game& g = GameOf(*form);
    bool chosenIsUndealt = false;
    for (int pos = g.State().DeckPos; pos <= kDeckSize; ++pos)
        chosenIsUndealt |= g.State().Deck[pos] == C("3h");
    ASSERT_TRUE(chosenIsUndealt) << "the chosen card was dealt again; pick another seed";
    EXPECT_EQ(shownFrames(), 0);
}

TEST_F(WindowTest, AcceptedDragMakesBothClicks) {
    Arrange({C("Kc"), C("Ks")}, {C("7d"), C("1s")}, {C("7c"), C("7h"), C("2s")});
    QTest::mousePress(CardOf(*form, C("7d") - 1), Qt::LeftButton);
    Drag(QEvent::MouseMove, C("7d"), CentreOf(C("2s")));
    EXPECT_EQ(CardOf(*form, C("7d") - 1)->cursor().shape(), Qt::ForbiddenCursor);
    Drag(QEvent::MouseMove, C("7d"), CentreOf(C("7h")));
    EXPECT_EQ(CardOf(*form, C("7d") - 1)->cursor().shape(), Qt::ClosedHandCursor);
    Drag(QEvent::MouseButtonRelease, C("7d"), CentreOf(C("7h")));
    const Game& g = GameOf(*form);
    // The first click chose the seven, the second took the dropped-on seven.
    EXPECT_EQ(g.State().YouPile.Count, 1);
    EXPECT_EQ(g.State().YouPile.CardCount, 2);
    EXPECT_EQ(g.State().Input, InputState::ChooseCard);
    EXPECT_EQ(Cards(g.State().FloorPile).size(),
              3u);  // 7c and 2s stay, the computer laid or took one
}

TEST_F(WindowTest, RefusedOrEmptyDropDoesNothing) {
    Arrange({C("Kc"), C("Ks")}, {C("7d"), C("1s")}, {C("7c"), C("3h"), C("2s")});
    const QPoint home = CardOf(*form, C("7d") - 1)->pos();
    QTest::mousePress(CardOf(*form, C("7d") - 1), Qt::LeftButton);
    Drag(QEvent::MouseMove, C("7d"), CentreOf(C("2s")));
    EXPECT_NE(CardOf(*form, C("7d") - 1)->pos(), home);  // the card follows the pointer
    Drag(QEvent::MouseButtonRelease, C("7d"), CentreOf(C("2s")));
    EXPECT_EQ(GameOf(*form).State().YouPile.Count, 2);
    EXPECT_EQ(GameOf(*form).State().PlayCount, 1);
    EXPECT_EQ(CardOf(*form, C("7d") - 1)->pos(), home);

    QTest::mousePress(CardOf(*form, C("7d") - 1), Qt::LeftButton);
    Drag(QEvent::MouseMove, C("7d"), QPoint(330, 60));
    Drag(QEvent::MouseButtonRelease, C("7d"), QPoint(330, 60));
    EXPECT_EQ(GameOf(*form).State().YouPile.Count, 2);
    EXPECT_EQ(CardOf(*form, C("7d") - 1)->pos(), home);
}

TEST_F(WindowTest, ClicksDuringAPauseAreDropped) {
    auto* button = form->findChild<QPushButton*>(QStringLiteral("BitBtn2"));
    QTimer::singleShot(0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
    PausesOf(*form).Wait(60);
    QApplication::processEvents();
    EXPECT_FALSE(GameOf(*form).State().GameActive);
}

TEST_F(WindowTest, AHandPlayedToItsEndShowsTheScoreSheet) {
    tazkova::testing::ModalCloser closer;
    NewGame();
    std::mt19937 rng(7);
    Game& g = GameOf(*form);
    for (int step = 0; step < 3000 && g.State().HandNumber == 1 && g.State().GameActive; ++step) {
        std::vector<int> cards;
        for (const Pile* p : {&g.State().YouPile, &g.State().FloorPile}) {
            for (int i = 1; i <= p->Count; ++i) cards.push_back(p->Cards[i] - 1);
        }
        ASSERT_FALSE(cards.empty());
        QTest::mouseClick(CardOf(*form, cards[rng() % cards.size()]), Qt::LeftButton);
    }
    EXPECT_EQ(closer.Count(QStringLiteral("frmSmry")), 1);
    const auto& boxes = DialogsOf(*form).Results()->Boxes();
    bool ok0 = false, ok1 = false;
    const int me = boxes[0]->text().toInt(&ok0);
    const int you = boxes[1]->text().toInt(&ok1);
    EXPECT_TRUE(ok0 && ok1);
    EXPECT_LE(me + you, 10);
    EXPECT_FALSE(boxes[12]->text().isEmpty());
    // The hand's caption, marked to read from the left as it was written.
    EXPECT_TRUE(
        DialogsOf(*form).Results()->windowTitle().startsWith(QStringLiteral("\u200e 1\\1")));
}

TEST_F(WindowTest, TheSameNumberDealsTheSameHands) {
    auto other = MakeForm(5);
    NewGame();
    QTest::mouseClick(other->findChild<QPushButton*>(QStringLiteral("BitBtn2")), Qt::LeftButton);
    EXPECT_EQ(Cards(GameOf(*form).State().YouPile), Cards(GameOf(*other).State().YouPile));
    EXPECT_EQ(Cards(GameOf(*form).State().FloorPile), Cards(GameOf(*other).State().FloorPile));
    EXPECT_EQ(GameOf(*form).State().Deck, GameOf(*other).State().Deck);
    auto third = MakeForm(6);
    QTest::mouseClick(third->findChild<QPushButton*>(QStringLiteral("BitBtn2")), Qt::LeftButton);
    EXPECT_NE(GameOf(*form).State().Deck, GameOf(*third).State().Deck);
}

}  // namespace

TEST_F(WindowTest, ATakenBackPlayShowsTheTableAsItWas) {
    NewGame();
    Game& g = GameOf(*form);
    // What the window shows: every card's place, whether it is shown and framed, and the two
    // labels.
    auto shown = [&] {
        ViewOf(*form).Motion().Finish();
        QStringList table;
        for (int i = 0; i < kDeckSize; ++i) {
            const CardImage* card = CardOf(*form, i);
            table << QStringLiteral("%1 at %2,%3 shown %4 framed %5")
                         .arg(i)
                         .arg(card->x())
                         .arg(card->y())
                         .arg(card->isVisibleTo(form.get()))
                         .arg(card->Framed());
        }
        for (const char* label : {"Msg", "Counters"})
            table << form->findChild<QLabel*>(QLatin1String(label))->text();
        return table;
    };
    const QStringList before = shown();
    const auto hint = g.SuggestPlay();
    ASSERT_TRUE(hint.has_value());
    QTest::mouseClick(CardOf(*form, hint->card - 1), Qt::LeftButton);
    for (const int card : hint->takes) {
        if (g.State().Input == InputState::PickFloor)
            QTest::mouseClick(CardOf(*form, card - 1), Qt::LeftButton);
    }
    ASSERT_NE(shown(), before);
    ASSERT_TRUE(g.TakeBack());
    EXPECT_EQ(shown(), before);
    EXPECT_FALSE(g.CanTakeBack());
    // The cards shown are the cards in the hand and on the floor again.
    for (const Pile* pile : {&g.State().YouPile, &g.State().FloorPile}) {
        for (int i = 1; i <= pile->Count; ++i)
            EXPECT_TRUE(CardOf(*form, pile->Cards[i] - 1)->isVisible());
    }
}
