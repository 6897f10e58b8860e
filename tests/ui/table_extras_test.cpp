// What players of desktop card games expect around the table: the menu, the hint and the
// take back, statistics that survive a broken file, the about box, the zoom and the cards
// that move.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>

#include "game/recording.h"
#include "tazkova_version.h"
#include "tests/ui/table_setup.h"
#include "tests/ui/window_parts.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/statistics_dialog.h"
#include "ui/main_window.h"
#include "ui/stats/statistics.h"
#include "ui/style/ui_texts.h"

using namespace tazkova::game;
using namespace tazkova::ui;
using namespace tazkova::testing;

namespace {

class TableExtrasTest : public ::testing::Test {
  protected:
    void TearDown() override {
        // The table's remembered size and motion go back to their defaults.
        if (window) {
            ChooseZoom(*window, 100);
            ChooseMotion(*window, true);
        }
    }

    void MakeWindow(int delay) {
        window = std::make_unique<MainWindow>(SeedChoice{SeedChoice::Kind::Advance, 5},
                                              std::make_unique<RecordingTable>());
        window->show();
        window->findChild<QScrollBar*>(QStringLiteral("DelayScroll"))->setValue(delay);
    }

    /// Plays what the hint suggests: the card, then the floor cards it takes.
    void PlayTheHint() {
        Game& g = GameOf(*window);
        const auto hint = g.SuggestPlay();
        ASSERT_TRUE(hint);
        QTest::mouseClick(CardOf(*window, hint->card - 1), Qt::LeftButton);
        for (const int card : hint->takes) {
            if (g.State().Input == InputState::PickFloor)
                QTest::mouseClick(CardOf(*window, card - 1), Qt::LeftButton);
        }
    }

    std::unique_ptr<MainWindow> window;
};

TEST_F(TableExtrasTest, AWholeGameIsCountedInTheStatisticsAndKept) {
    tazkova::testing::ModalCloser closer;
    MakeWindow(0);
    StatsOf(*window).Reset();
    tazkova::testing::PressNewGame(*window);
    Game& g = GameOf(*window);
    for (int plays = 0; g.State().GameActive && plays < 5000; ++plays) PlayTheHint();
    ASSERT_FALSE(g.State().GameActive) << "the game was played to its end";

    const Tally& tally = StatsOf(*window).Of(g.State().Level, g.State().GameType, false);
    EXPECT_EQ(tally.GamesPlayed(), 1);
    EXPECT_EQ(tally.gamesWon, g.State().YouMatchWins >= 2 ? 1 : 0)
        << "a normal game: two matches win";
    EXPECT_EQ(tally.Matches(), g.State().MeMatchWins + g.State().YouMatchWins);
    EXPECT_EQ(tally.matchesWon, g.State().YouMatchWins) << "a normal game: the larger total wins";
    EXPECT_GE(tally.bestYou - tally.bestMe, tally.worstYou - tally.worstMe);
    // Read back as the next run reads it.
    const Statistics again(Statistics::UserFile());
    EXPECT_EQ(again.Of(g.State().Level, g.State().GameType, false), tally);
    EXPECT_TRUE(again.Problem().isEmpty());
}

TEST_F(TableExtrasTest, AGameWithAPlayTakenBackIsCountedApart) {
    tazkova::testing::ModalCloser closer;
    MakeWindow(0);
    StatsOf(*window).Reset();
    tazkova::testing::PressNewGame(*window);
    Game& g = GameOf(*window);
    PlayTheHint();
    ASSERT_TRUE(ActionsOf(*window).takeBack->isEnabled());
    const int plays = g.State().PlayCount;
    ActionsOf(*window).takeBack->trigger();
    EXPECT_LT(g.State().PlayCount, plays);
    EXPECT_FALSE(ActionsOf(*window).takeBack->isEnabled()) << "back at the hand's first play";
    for (int n = 0; g.State().GameActive && n < 5000; ++n) PlayTheHint();
    EXPECT_EQ(StatsOf(*window).Of(g.State().Level, g.State().GameType, true).GamesPlayed(), 1);
    EXPECT_EQ(StatsOf(*window).Of(g.State().Level, g.State().GameType, false).GamesPlayed(), 0);
}

TEST(StatisticsStore, ABrokenFileMeansEmptyStatisticsAndAMessage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("stats.conf"));
    const QByteArray broken = "[level4-type2]\ngamesWon=many\n";
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(broken);
    }
    Statistics statistics(path);
    EXPECT_FALSE(statistics.Problem().isEmpty());
    EXPECT_EQ(statistics.Of(4, 2, false), Tally{});
    // Counting goes on for this run, and the file is left as it was until the player resets.
    statistics.CountGame(4, 2, false, true);
    EXPECT_EQ(statistics.Of(4, 2, false).gamesWon, 1);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), broken);
    file.close();
    StatisticsDialog dialog(statistics);
    dialog.Fill();
    EXPECT_EQ(dialog.ProblemLabel()->text(), statistics.Problem());
    dialog.ResetStatistics(false);
    EXPECT_TRUE(statistics.Problem().isEmpty());
    statistics.CountGame(4, 2, false, false);
    EXPECT_EQ(Statistics(path).Of(4, 2, false).gamesLost, 1);

    // A folder where the file should be, or a file grown huge: nothing read, no crash.
    const QString folder = dir.filePath(QStringLiteral("folder.conf"));
    ASSERT_TRUE(QDir().mkpath(folder));
    Statistics inFolder(folder);
    EXPECT_FALSE(inFolder.Problem().isEmpty());
    inFolder.CountMatch(1, 0, false, 21, 3, true);
    EXPECT_EQ(inFolder.Of(1, 0, false).matchesWon, 1);
    const QString huge = dir.filePath(QStringLiteral("huge.conf"));
    QFile big(huge);
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(64 << 20));
    big.close();
    EXPECT_FALSE(Statistics(huge).Problem().isEmpty());
}

TEST_F(TableExtrasTest, TheZoomScalesTheTableButNotTheGamesPlaces) {
    MakeWindow(0);
    tazkova::testing::PressNewGame(*window);
    const Game& g = GameOf(*window);
    const int card = g.State().YouPile.Cards[1] - 1;
    const auto& images = GameOf(*window).State().Table.images;
    const QPoint place(images[card].left, images[card].top);
    // On this screen twice the table does not fit: the largest that fits is used, the
    // table centred in the window, every place and size scaled alike.
    ChooseZoom(*window, 200);
    const qreal s = ViewOf(*window).Layout().ScaleFactor();
    EXPECT_GT(s, 1.0);
    EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()));
    auto* newGame = window->findChild<QPushButton*>(QStringLiteral("BitBtn2"));
    const QRect c = CardOf(*window, card)->geometry();
    EXPECT_EQ(c.size(), QSize(qRound(71 * s), qRound(96 * s)));
    EXPECT_LE((c.topLeft() - newGame->pos() - (place - QPoint(386, 6)) * s).manhattanLength(), 2);
    const int left = newGame->x() - qRound(386 * s);
    EXPECT_LE(std::abs(2 * left + qRound(499 * s) - window->width()), 2) << "centred";
    EXPECT_EQ(QPoint(images[card].left, images[card].top), place);
    EXPECT_EQ(newGame->font().pixelSize(), qRound(12 * s)) << "the text drawn at the larger size";
    // The face is drawn anew for the larger card, not blown up.
    CardOf(*window, card)->grab();
    EXPECT_TRUE(CardOf(*window, card)->HasPicture());

    // Remembered for the next run.
    window.reset();
    MakeWindow(0);
    EXPECT_EQ(ZoomOf(*window), 200);
    EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()));
}

TEST_F(TableExtrasTest, AMovedCardGlidesAndEndsAtTheGamesPlace) {
    MakeWindow(0);
    tazkova::testing::PressNewGame(*window);
    // The king of hearts takes nothing and is laid on the floor.
    tazkova::testing::ArrangeTable(*window, {10, 40}, {30, 11}, {2, 33});
    window->findChild<QScrollBar*>(QStringLiteral("DelayScroll"))->setValue(300);
    ASSERT_TRUE(ViewOf(*window).Motion().Enabled());
    CardImage* king = CardOf(*window, 29);
    const QPoint from = king->pos();
    std::vector<QPoint> seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] { seen.push_back(king->pos()); });
    watch.start(10);
    QTest::mouseClick(king, Qt::LeftButton);
    QTest::qWait(CardMotion::kGlideMs + 100);
    watch.stop();
    const auto& images = GameOf(*window).State().Table.images;
    const QPoint to(images[29].left, images[29].top);
    ASSERT_NE(to, from);
    EXPECT_TRUE(std::any_of(seen.begin(), seen.end(), [&](QPoint p) {
        return p != from && p != to;
    })) << "the card was seen on its way";
    // Every card ends where the game put it.
    for (int i = 0; i < kDeckSize; ++i) {
        if (!images[i].visible) continue;
        EXPECT_EQ(CardOf(*window, i)->pos(), QPoint(images[i].left, images[i].top)) << i;
    }
    // Switched off, or at the fastest speed, a card jumps.
    ChooseMotion(*window, false);
    EXPECT_FALSE(ViewOf(*window).Motion().Enabled());
    ChooseMotion(*window, true);
    window->findChild<QScrollBar*>(QStringLiteral("DelayScroll"))->setValue(0);
    EXPECT_FALSE(ViewOf(*window).Motion().Enabled());
}

TEST_F(TableExtrasTest, TheHintMarksItsCardsUntilTheNextInput) {
    MakeWindow(0);
    tazkova::testing::PressNewGame(*window);
    const auto hint = GameOf(*window).SuggestPlay();
    ASSERT_TRUE(hint);
    ActionsOf(*window).hint->trigger();
    EXPECT_TRUE(CardOf(*window, hint->card - 1)->Hinted());
    for (const int card : hint->takes) EXPECT_TRUE(CardOf(*window, card - 1)->Hinted());
    EXPECT_EQ(QApplication::focusWidget(), CardOf(*window, hint->card - 1));
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(300, 60));  // on the cloth
    EXPECT_FALSE(CardOf(*window, hint->card - 1)->Hinted());
}

TEST_F(TableExtrasTest, TheMenuHoldsEveryCommandWithItsKey) {
    MakeWindow(0);
    QMenu* menu = MenuOf(*window);
    EXPECT_EQ(menu->layoutDirection(), Qt::RightToLeft);
    const TableActions& a = ActionsOf(*window);
    for (QAction* action :
         {a.newGame, a.options, a.results, a.hint, a.takeBack, a.statistics, a.help, a.quit}) {
        EXPECT_FALSE(action->shortcut().isEmpty()) << action->text().toStdString();
        bool listed = menu->actions().contains(action);
        for (QAction* item : menu->actions())
            if (item->menu()) listed = listed || item->menu()->actions().contains(action);
        EXPECT_TRUE(listed) << action->text().toStdString();
    }
    // A right click on the cloth opens it.
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(300, 60),
                            window->mapToGlobal(QPoint(300, 60)));
    QApplication::sendEvent(window.get(), &click);
    EXPECT_TRUE(menu->isVisible());
    menu->close();
}

TEST_F(TableExtrasTest, EachControlCarriesOutItsCommand) {
    tazkova::testing::ModalCloser closer;
    MakeWindow(0);
    auto control = [&](const char* name) {
        return window->findChild<QAbstractButton*>(QLatin1String(name));
    };
    QTest::mouseClick(control("cmdOptions"), Qt::LeftButton);
    QTest::mouseClick(control("SpeedButton1"), Qt::LeftButton);
    EXPECT_EQ(closer.Count(QStringLiteral("FrmOptn")), 1);
    EXPECT_EQ(closer.Count(QStringLiteral("FrmHelp")), 1);
    tazkova::testing::PressNewGame(*window);
    QTest::mouseClick(control("cmdResult"), Qt::LeftButton);
    EXPECT_EQ(closer.Count(QStringLiteral("frmSmry")), 1);

    // The sound button switches the sound, its menu entry and its spoken name, and back.
    const bool on = GameOf(*window).State().SoundOn;
    QTest::mouseClick(control("SpeedButton2"), Qt::LeftButton);
    EXPECT_NE(GameOf(*window).State().SoundOn, on);
    EXPECT_EQ(ActionsOf(*window).sound->isChecked(), !on);
    EXPECT_EQ(control("SpeedButton2")->accessibleName(),
              QString::fromUtf8(on ? kSoundOffName : kSoundOnName));
    QTest::mouseClick(control("SpeedButton2"), Qt::LeftButton);
    EXPECT_EQ(GameOf(*window).State().SoundOn, on);

    // Faster and slower move the speed bar a page, and the game's pauses with it.
    auto* speed = window->findChild<QScrollBar*>(QStringLiteral("DelayScroll"));
    speed->setValue(1000);
    ActionsOf(*window).faster->trigger();
    EXPECT_EQ(GameOf(*window).State().DelayTime, 1000 - speed->pageStep());
    ActionsOf(*window).slower->trigger();
    ActionsOf(*window).slower->trigger();
    EXPECT_EQ(GameOf(*window).State().DelayTime, 1000 + speed->pageStep());
    speed->setValue(0);

    // The menu button opens the menu below it; the quit button closes the table.
    QTest::mouseClick(control("MenuButton"), Qt::LeftButton);
    ASSERT_TRUE(MenuOf(*window)->isVisible());
    EXPECT_GE(MenuOf(*window)->y(), control("MenuButton")->mapToGlobal(QPoint()).y());
    MenuOf(*window)->close();
    QTest::mouseClick(control("BitBtn1"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}

TEST(AboutDialogTest, NamesTheVersionTheLicenceAndWhatItIsBuiltOn) {
    AboutDialog about;
    const QString text = about.Text();
    EXPECT_TRUE(text.contains(QLatin1String(kTazkovaVersion)));
    EXPECT_TRUE(text.contains(QStringLiteral("GPL-3.0-or-later")));
    EXPECT_TRUE(text.contains(QStringLiteral("Qt ")));
    EXPECT_TRUE(text.contains(QStringLiteral("Noto")));
}

}  // namespace
