// The kept game's file in the player's data folder: killed in the middle of a write it still
// holds a whole game, a file that is not a consistent kept game is set aside and never read
// again, and one window at a time keeps its game.
#include "store/kept_game_store.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>
#include <random>

#include "game/game.h"
#include "game/recording.h"
#include "keep/kept_game.h"
#include "store/plain_file.h"
#include "tests/scratch_home.h"

namespace tazkova::store {
namespace {

using tazkova::testing::ScratchHome;
using tazkova::testing::Watchdog;
using namespace std::chrono_literals;

/// A game after `clicks` random clicks, as it would be kept.
keep::KeptGame PlayedGame(std::uint32_t seed, int clicks) {
    game::RecordingTable table;
    game::Game g(table, table, table, table);
    g.Startup({game::SeedChoice::Kind::Advance, seed}, 0);
    g.NewGame();
    std::mt19937 rng(seed);
    for (int i = 0; i < clicks; ++i) g.DropCard(int(rng() % 40), int(rng() % 40));
    return {g.Snapshot(), seed % 2 == 0};
}

std::string TextAt(const QString& path) {
    const std::optional<QByteArray> bytes = ReadPlainFile(path);
    return bytes ? bytes->toStdString() : std::string();
}

TEST(KeptGameStore, AWriteKilledAtAnyMomentLeavesTheGameBeforeItOrAfterIt) {
    ScratchHome home;
    const QString path = KeptGameFile();
    auto store = std::make_unique<KeptGameStore>(path);
    ASSERT_TRUE(store->Claim());
    const std::string texts[] = {keep::Encode(PlayedGame(3, 40)), keep::Encode(PlayedGame(8, 90))};
    ASSERT_NE(texts[0], texts[1]);
    std::mt19937 rng(20261211);
    int kills = 0, seenEach[2] = {0, 0};
    for (; kills < 120; ++kills) {
        ASSERT_TRUE(store->Keep(*keep::Decode(texts[kills % 2]).kept).isEmpty());
        const pid_t writer = ::fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            // The window, keeping one game and then the other, as fast as it can.
            for (int n = 1;; ++n) (void)store->Keep(*keep::Decode(texts[(kills + n) % 2]).kept);
        }
        ::usleep(static_cast<useconds_t>(rng() % 20000));
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
        const std::string text = TextAt(path);
        const keep::Decoded read = keep::Decode(text);
        ASSERT_TRUE(read.kept) << "after kill " << kills << ": " << read.refusal;
        ASSERT_TRUE(text == texts[0] || text == texts[1]) << "after kill " << kills;
        ++seenEach[text == texts[1]];
    }
    // The kills fell on both games, so in the middle of the writes.
    EXPECT_GT(seenEach[0], 10);
    EXPECT_GT(seenEach[1], 10);
    // The next window clears what the killed writes left beside the kept game, and only that.
    const auto names = [&] {
        return QDir(QFileInfo(path).absolutePath())
            .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    };
    const QString kept = QFileInfo(path).fileName();
    // A write killed before its rename leaves its new file there; when no kill fell there
    // (the timing is the machine's), one is left as such a write leaves it.
    if (names().size() <= 2) {
        QFile left(QFileInfo(path).absolutePath() + QStringLiteral("/.") + kept +
                   QStringLiteral(".killed"));
        ASSERT_TRUE(left.open(QIODevice::WriteOnly));
        left.write(texts[0].substr(0, 100).c_str());
    }
    ASSERT_GT(names().size(), 2);
    store.reset();
    KeptGameStore next(path);
    ASSERT_TRUE(next.Claim());
    EXPECT_EQ(names(), QStringList({kept, kept + QStringLiteral(".lock")}));
    EXPECT_TRUE(next.Open().kept);
}

TEST(KeptGameStore, AFileThatIsNoConsistentGameIsSetAsideAndNeverWaitedOn) {
    const std::string good = keep::Encode(PlayedGame(5, 30));
    std::string inconsistent = good;
    inconsistent.replace(inconsistent.find("\"DeckPos\":"), 10, "\"DeckPos\":1,\"x\":");
    std::string future = good;
    future.replace(future.find("\"version\":1"), 11, "\"version\":7");
    const struct {
        const char* what;
        std::function<void(const QString&)> make;
    } hostile[] = {
        {"truncated",
         [&](const QString& p) {
             QFile f(p);
             f.open(QIODevice::WriteOnly);
             f.write(good.substr(0, 900).c_str());
         }},
        {"a future version",
         [&](const QString& p) {
             QFile f(p);
             f.open(QIODevice::WriteOnly);
             f.write(future.c_str());
         }},
        {"inconsistent cards",
         [&](const QString& p) {
             QFile f(p);
             f.open(QIODevice::WriteOnly);
             f.write(inconsistent.c_str());
         }},
        {"10 MB",
         [&](const QString& p) {
             QFile f(p);
             f.open(QIODevice::WriteOnly);
             f.write(QByteArray(10 << 20, ' '));
         }},
        {"a FIFO", [](const QString& p) { ::mkfifo(QFile::encodeName(p).constData(), 0600); }},
        {"a link to a device",
         [](const QString& p) { QFile::link(QStringLiteral("/dev/zero"), p); }},
        {"a folder", [](const QString& p) { QDir().mkpath(p); }},
    };
    for (const auto& [what, make] : hostile) {
        SCOPED_TRACE(what);
        ScratchHome home;
        const QString path = KeptGameFile();
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        make(path);
        KeptGameStore store(path);
        ASSERT_TRUE(store.Claim());
        // A pipe opened for reading with no writer would block: the watchdog gives it one.
        Watchdog watchdog(2s, [&] {
            QFile pipe(path);
            pipe.open(QIODevice::WriteOnly);
        });
        const KeptGameStore::Found found = store.Open();
        EXPECT_FALSE(found.kept);
        EXPECT_FALSE(found.refusal.isEmpty());
        ASSERT_FALSE(found.setAside.isEmpty());
        EXPECT_TRUE(QFileInfo(found.setAside).exists() || QFileInfo(found.setAside).isSymLink());
        EXPECT_EQ(Inspect(path), FileKind::Missing);
        // The next game is kept in its place, the one set aside left as it is.
        EXPECT_TRUE(store.Keep(PlayedGame(6, 10)).isEmpty());
        EXPECT_TRUE(store.Open().kept);
    }
    // A file the player may not read is set aside too (whoever may read anything reads it).
    ScratchHome home;
    KeptGameStore store(KeptGameFile());
    ASSERT_TRUE(store.Claim());
    ASSERT_TRUE(store.Keep(PlayedGame(7, 10)).isEmpty());
    ::chmod(QFile::encodeName(KeptGameFile()).constData(), 0);
    const KeptGameStore::Found found = store.Open();
    if (::access(QFile::encodeName(KeptGameFile()).constData(), R_OK) != 0 || !found.kept) {
        EXPECT_FALSE(found.kept);
        EXPECT_FALSE(found.setAside.isEmpty());
    }
}

TEST(KeptGameStore, OneWindowAtATimeKeepsTheGameAndAGameOverGoes) {
    ScratchHome home;
    auto owner = std::make_unique<KeptGameStore>(KeptGameFile());
    KeptGameStore& first = *owner;
    ASSERT_TRUE(first.Claim());
    const keep::KeptGame kept = PlayedGame(9, 25);
    ASSERT_TRUE(first.Keep(kept).isEmpty());
    {
        KeptGameStore second(KeptGameFile());
        EXPECT_FALSE(second.Claim());
        EXPECT_FALSE(second.Open().kept);
        EXPECT_FALSE(second.Keep(PlayedGame(10, 5)).isEmpty());
        second.Remove();
    }
    const KeptGameStore::Found found = first.Open();
    ASSERT_TRUE(found.kept);
    EXPECT_EQ(keep::Encode(*found.kept), keep::Encode(kept));
    first.Remove();
    EXPECT_EQ(Inspect(KeptGameFile()), FileKind::Missing);
    // Once the first window is gone, the next one may keep its game.
    KeptGameStore later(KeptGameFile());
    EXPECT_FALSE(later.Claim());
    owner.reset();
    EXPECT_TRUE(later.Claim());
}

}  // namespace
}  // namespace tazkova::store
