// The statistics file shared by windows open at the same time, under hostile numbers and
// sizes: no result lost or counted twice, a reset respected, nothing written that would not
// be read back.
#include "ui/stats/statistics.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <climits>
#include <thread>

#include "store/plain_file.h"
#include "store/settings_file.h"
#include "ui/dialogs/statistics_dialog.h"
#include "ui/style/ui_texts.h"

namespace tazkova::ui {
namespace {

class StatisticsTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray Read(const QString& path) {
        return store::ReadPlainFile(path).value_or("(unreadable)");
    }

    QTemporaryDir dir;
};

Tally Games(int won, int lost) {
    return Tally{.gamesWon = won, .gamesLost = lost};
}

TEST_F(StatisticsTest, TwoWindowsCountIntoOneFileAndAResetHoldsForBoth) {
    // The file is a link to a file elsewhere, as dotfile managers make: it stays a link.
    ASSERT_TRUE(QDir().mkpath(Path("dotfiles")));
    Write(Path("dotfiles/stats.conf"), "");
    const QString path = Path("stats.conf");
    ASSERT_TRUE(QFile::link(Path("dotfiles/stats.conf"), path));
    Statistics a(path);
    Statistics b(path);
    a.CountMatch(1, 0, false, 21, 5, true);
    b.CountMatch(1, 0, false, 10, 21, false);
    a.CountGame(1, 0, false, true);
    b.CountMatch(5, 2, true, 31, 30, true);  // a level past the four of today
    const Tally both = Statistics(path).Of(1, 0, false);
    EXPECT_EQ(both, (Tally{1, 0, 1, 1, 21, 5, 10, 21}));
    EXPECT_EQ(Statistics(path).Of(5, 2, true).matchesWon, 1);
    EXPECT_TRUE(QFileInfo(path).isSymLink());

    // A reset in one window: neither adds what it counted before.
    b.Reset();
    a.CountGame(1, 0, false, false);
    b.CountGame(1, 0, false, true);
    const Statistics after(path);
    EXPECT_EQ(after.Of(1, 0, false), Games(1, 1));
    EXPECT_EQ(after.Of(5, 2, true), Tally{});
    a.Refresh();
    EXPECT_EQ(a.Of(1, 0, false), Games(1, 1)) << "the dialog shows the file as it is now";
    EXPECT_TRUE(a.Problem().isEmpty());

    // Windows finishing games at the same moment: each one counted, once (what waits for
    // the lock at the last game goes in as the window closes).
    constexpr int kGames = 20;
    {
        Statistics won(path);
        Statistics lost(path);
        const auto play = [](Statistics* window, bool playerWon) {
            for (int n = 0; n < kGames; ++n) window->CountGame(3, 1, false, playerWon);
        };
        std::thread first(play, &won, true);
        std::thread second(play, &lost, false);
        first.join();
        second.join();
    }
    EXPECT_EQ(Statistics(path).Of(3, 1, false), Games(kGames, kGames));
}

TEST_F(StatisticsTest, AResultThatCannotHaveTheLockWaitsAndIsNeitherLostNorCountedTwice) {
    const QString path = Path("stats.conf");
    Statistics a(path);
    Statistics b(path);
    a.CountGame(2, 3, false, true);
    const QByteArray before = Read(path);
    auto other = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    ASSERT_TRUE(other->tryLock());
    a.CountGame(2, 3, false, true);
    b.CountGame(2, 3, false, false);
    EXPECT_EQ(Read(path), before);
    EXPECT_EQ(a.Of(2, 3, false), Games(2, 0)) << "shown while it waits";
    EXPECT_EQ(a.Problem(), QString::fromUtf8(kStatisticsUnwritable));
    other.reset();

    // Each window's waiting result goes in with its next one, once; a window closed with a
    // result waiting stores it as it goes.
    a.CountGame(2, 3, false, false);
    a.CountGame(2, 3, false, true);
    b.Refresh();
    EXPECT_EQ(Statistics(path).Of(2, 3, false), Games(3, 2));
    EXPECT_TRUE(a.Problem().isEmpty());

    // A result waiting when another window resets came before the reset: it is dropped.
    other = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    ASSERT_TRUE(other->tryLock());
    a.CountGame(2, 3, false, true);
    {
        Statistics closing(path);
        closing.CountGame(2, 3, false, true);
        other.reset();
        b.Reset();
    }
    a.CountGame(2, 3, false, false);
    EXPECT_EQ(Statistics(path).Of(2, 3, false), Games(0, 1));
    other = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    ASSERT_TRUE(other->tryLock());
    {
        Statistics closing(path);
        closing.CountMatch(2, 3, false, 41, 40, true);
        other.reset();
    }
    EXPECT_EQ(Statistics(path).Of(2, 3, false).matchesWon, 1);
}

TEST_F(StatisticsTest, CountsOutOfBoundsAreRefusedAndCountsStopAtTheLimit) {
    // Past the limit, or negative: not read, shown as such, and never written over.
    for (const char* numbers : {"gamesWon=2147483647\ngamesLost=5", "matchesLost=2147483647",
                                "matchesWon=1000000001", "gamesLost=-1", "bestYou=-1000000001"}) {
        const QString path = Path("hostile.conf");
        const QByteArray bytes = "[level4-type2]\n" + QByteArray(numbers) + '\n';
        Write(path, bytes);
        Statistics statistics(path);
        EXPECT_EQ(statistics.Problem(), QString::fromUtf8(kStatisticsUnreadable)) << numbers;
        statistics.CountMatch(4, 2, false, 41, 3, false);
        EXPECT_EQ(statistics.Of(4, 2, false).matchesLost, 1) << numbers;
        EXPECT_EQ(Read(path), bytes) << numbers;
        StatisticsDialog dialog(statistics);
        dialog.Fill();
        EXPECT_EQ(dialog.ProblemLabel()->text(), statistics.Problem());
    }

    // At the limit: read, totals without overflow, and a count stops there.
    const QString path = Path("limit.conf");
    Write(path,
          "[level4-type2]\ngamesWon=1000000000\ngamesLost=1000000000\nmatchesLost=1000000000\n"
          "bestYou=1000000000\nbestMe=-1000000000\nworstYou=-1000000000\nworstMe=1000000000\n");
    Statistics statistics(path);
    EXPECT_TRUE(statistics.Problem().isEmpty());
    EXPECT_EQ(statistics.Of(4, 2, false).GamesPlayed(), 2'000'000'000);
    statistics.CountMatch(4, 2, false, INT_MAX, INT_MIN, false);
    statistics.CountGame(4, 2, false, true);
    const Tally limit{Tally::kMaxCount,  Tally::kMaxCount, 0,
                      Tally::kMaxCount,  Tally::kMaxCount, -Tally::kMaxCount,
                      -Tally::kMaxCount, Tally::kMaxCount};
    const Statistics again(path);
    EXPECT_EQ(again.Of(4, 2, false), limit);
    EXPECT_TRUE(again.Problem().isEmpty());
    StatisticsDialog dialog(statistics);
    dialog.Fill();
    ASSERT_EQ(dialog.Table()->topLevelItemCount(), 1);
    EXPECT_EQ(dialog.Table()->topLevelItem(0)->text(2), QStringLiteral("2000000000"));
}

TEST_F(StatisticsTest, AFileAtTheSizeLimitIsWrittenBackSmallWithOnlyTheKeysItKnows) {
    const QString path = Path("full.conf");
    QByteArray bytes =
        "[level2-type1]\ngamesWon=7\nmatchesLost=3\nbestYou=31\nbestMe=12\n"
        "worstYou=20\nworstMe=31\n[General]\nlooks=fine\n[junk]\n";
    for (int n = 0; bytes.size() < store::kMaxPlainFileBytes; ++n)
        bytes += "key" + QByteArray::number(n) + "=some value\n";
    bytes.truncate(store::kMaxPlainFileBytes - 1);
    bytes += '\n';
    Write(path, bytes);
    ASSERT_EQ(QFileInfo(path).size(), 1 << 20);
    Statistics statistics(path);
    EXPECT_TRUE(statistics.Problem().isEmpty());
    statistics.CountGame(2, 1, false, false);

    const QByteArray written = Read(path);
    EXPECT_LT(written.size(), 200) << written.size();
    EXPECT_FALSE(written.contains("key")) << written.toStdString();
    EXPECT_FALSE(written.contains("looks"));
    const Tally kept{7, 1, 0, 3, 31, 12, 20, 31};
    EXPECT_EQ(Statistics(path).Of(2, 1, false), kept);
    // The file is one the settings reader reads as well.
    EXPECT_EQ(store::ReadSettings(path).value(QStringLiteral("level2-type1/gamesLost")),
              QStringLiteral("1"));
}

}  // namespace
}  // namespace tazkova::ui
