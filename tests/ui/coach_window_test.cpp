// The teaching parts of the table: the scoreboard, the hint's reasons and the hand review,
// made off the window's thread.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "game/recording.h"
#include "tests/ui/table_setup.h"
#include "tests/ui/window_parts.h"
#include "ui/dialogs/review_dialog.h"
#include "ui/main_window.h"
#include "ui/window/hand_review.h"

using namespace tazkova::game;
using namespace tazkova::ui;
using namespace tazkova::testing;

namespace {

class CoachWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(SeedChoice{SeedChoice::Kind::Advance, 31},
                                              std::make_unique<RecordingTable>());
        window->show();
        window->findChild<QScrollBar*>(QStringLiteral("DelayScroll"))->setValue(0);
        PressNewGame(*window);
    }
    Game& G() { return GameOf(*window); }
    QString Board() {
        return window->findChild<QWidget*>(QStringLiteral("ScoreBoard"))->accessibleName();
    }
    /// The player clicks level 4's choice.
    void PlayOnce() {
        const auto play = G().SuggestPlay(4);
        ASSERT_TRUE(play);
        QTest::mouseClick(CardOf(*window, play->card - 1), Qt::LeftButton);
        if (G().State().Input != InputState::PickFloor) return;
        for (const int card : play->takes)
            QTest::mouseClick(CardOf(*window, card - 1), Qt::LeftButton);
    }
    void PlayOutTheHand() {
        const int hand = G().State().HandNumber;
        while (G().State().HandNumber == hand && G().State().GameActive) PlayOnce();
    }
    HandReview& Review() { return PartOf<HandReview>(*window, "HandReview"); }
    std::unique_ptr<MainWindow> window;
};

TEST_F(CoachWindowTest, TheScoreboardSaysTheHandsFiguresYouFirstAndFollowsTakeBack) {
    const auto figures = [&] {
        const GameState& s = G().State();
        return QStringLiteral("الأوراق في هذه اليد: أنت %1، الحاسوب %2")
            .arg(s.YouPile.CardCount)
            .arg(s.MePile.CardCount);
    };
    EXPECT_TRUE(Board().contains(QStringLiteral("اللعب لك")));
    EXPECT_TRUE(Board().contains(QStringLiteral("الطرح: أنت 0، الحاسوب 0")));
    for (int i = 0; i < 5; ++i) PlayOnce();
    const QString after = Board();
    EXPECT_TRUE(after.contains(figures())) << after.toStdString();
    EXPECT_GT(G().State().YouPile.CardCount + G().State().MePile.CardCount, 0);
    ActionsOf(*window).takeBack->trigger();
    EXPECT_TRUE(Board().contains(figures())) << Board().toStdString();
    // Totals carried from hand to hand.
    ModalCloser closer;
    PlayOutTheHand();
    EXPECT_TRUE(Board().contains(QStringLiteral("الطرح: أنت %1، الحاسوب %2")
                                     .arg(G().State().YouPile.Score)
                                     .arg(G().State().MePile.Score)));
}

TEST_F(CoachWindowTest, TheHintSaysWhatItsPlayIsWorthAgainstTheNextBest) {
    ActionsOf(*window).hint->trigger();
    const auto hint = G().SuggestPlay(5);
    ASSERT_TRUE(hint);
    const QString tip = CardOf(*window, hint->card - 1)->toolTip();
    EXPECT_TRUE(tip.contains(QStringLiteral("نقطة")) ||
                tip.contains(QStringLiteral("لا حركة غيرها")) ||
                tip.contains(QStringLiteral("تساوي")))
        << tip.toStdString();
    const QLabel* status = window->findChild<QLabel*>(QStringLiteral("Msg"));
    EXPECT_EQ(status->text(), tip);
    EXPECT_EQ(status->accessibleName(), tip);
}

TEST_F(CoachWindowTest, TheReviewIsMadeOffTheWindowsThreadAndListsEveryPlay) {
    {
        ModalCloser closer;
        PlayOutTheHand();
        EXPECT_GE(closer.Count(QStringLiteral("frmSmry")), 1);
    }
    ASSERT_EQ(G().FinishedHandPlays().size(), 18u);
    // The window keeps turning while the review is made.
    QElapsedTimer clock, gap;
    qint64 longest = 0;
    clock.start();
    gap.start();
    QTimer turn;
    turn.setInterval(0);
    QObject::connect(&turn, &QTimer::timeout, [&] { longest = std::max(longest, gap.restart()); });
    turn.start();
    while (!Review().Done() && clock.elapsed() < 20000) QTest::qWait(1);
    turn.stop();
    ASSERT_TRUE(Review().Done());
    std::printf("review of a hand: %lld ms, longest turn of the event loop %lld ms\n",
                static_cast<long long>(clock.elapsed()), static_cast<long long>(longest));
    EXPECT_LT(longest, 20 * kSlowdown);
    // The dialog lists each play, the better ones shown, the summary an estimate.
    ReviewDialog* dialog = nullptr;
    QTimer::singleShot(0, [&] {
        dialog = qobject_cast<ReviewDialog*>(QApplication::activeModalWidget());
        if (dialog) dialog->accept();
    });
    ActionsOf(*window).review->trigger();
    ASSERT_TRUE(dialog);
    ASSERT_EQ(dialog->Entries()->count(), 18);
    const auto& review = Review().Done()->review;
    for (int i = 0; i < 18; ++i) {
        const QListWidgetItem* item = dialog->Entries()->item(i);
        EXPECT_TRUE(item->text().startsWith(QStringLiteral("الحركة %1:").arg(i + 1)));
        EXPECT_EQ(!item->icon().isNull(), review[i].Marked()) << i;
        EXPECT_EQ(item->text().contains(QStringLiteral("الأفضل:")), review[i].Marked()) << i;
    }
    EXPECT_TRUE(dialog->Summary()->text().contains(QStringLiteral("تقدير")));
    EXPECT_FALSE(dialog->Entries()->accessibleName().isEmpty());
}

TEST_F(CoachWindowTest, ANewHandOrClosingTheWindowDuringAReviewNeverWaitsLong) {
    ModalCloser closer;
    PlayOutTheHand();
    ASSERT_TRUE(Review().Running());
    // The next hand played out at once: the older review is dropped, the newer one kept.
    const auto first = G().FinishedHandPlays();
    PlayOutTheHand();
    while (!Review().Done()) QTest::qWait(2);
    EXPECT_EQ(Review().Done()->plays.size(), G().FinishedHandPlays().size());
    EXPECT_EQ(Review().Done()->plays.front().play, G().FinishedHandPlays().front().play);
    EXPECT_FALSE(first.front().play == G().FinishedHandPlays().front().play &&
                 first.back().play == G().FinishedHandPlays().back().play);
    PlayOutTheHand();
    ASSERT_TRUE(Review().Running());
    QElapsedTimer clock;
    clock.start();
    window.reset();
    EXPECT_LT(clock.elapsed(), 300 * kSlowdown);
}

}  // namespace
