// Settings and statistics files whose values are in any form but plain text (QSettings'
// binary variants, one nested 31,000 lists deep, byte arrays, an invalid value, lists), as
// the player's and as the system's files: the window comes up at once with the defaults (or
// with the system's plain values behind the player's hostile ones), and the next write
// leaves only plain values.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <tuple>

#include "game/recording.h"
#include "sound/sound_switch.h"
#include "store/plain_file.h"
#include "store/settings_file.h"
#include "tests/scratch_home.h"
#include "tests/ui/window_parts.h"
#include "ui/main_window.h"
#include "ui/stats/statistics.h"

namespace tazkova::ui {
namespace {

using namespace Qt::StringLiterals;
using testing::ActionsOf;
using testing::ChooseZoom;
using testing::GameOf;
using testing::StatsOf;
using testing::ZoomOf;

/// `bytes` as QSettings writes a value in its binary form: each byte as \xNN.
QByteArray Variant(const QByteArray& bytes) {
    QByteArray text = "@Variant(";
    for (const char c : bytes)
        text += "\\x" + QByteArray::number(uchar(c), 16).rightJustified(2, '0');
    return text + ')';
}

/// Lists within lists, 31,000 deep, around a whole number: QSettings' decoding of it
/// recursed until the stack ran out.
QByteArray Nested() {
    QByteArray bytes;
    for (int i = 0; i < 31'000; ++i) bytes += QByteArray("\0\0\0\x09\0\0\0\x01", 8);
    return Variant(bytes + QByteArray("\0\0\0\x02\0\0\0\x05", 8));
}

struct Hostile {
    const char* what;
    QByteArray value;
};

std::vector<Hostile> HostileValues() {
    return {
        {"nested 31,000 lists deep", Nested()},
        {"a byte array that claims 2 GB", Variant(QByteArray("\0\0\0\x0c\0\x7f\xff\xff\xff", 9))},
        {"a list that claims 2^31 items", Variant(QByteArray("\0\0\0\x09\0\x80\0\0\0", 9))},
        {"150 as a binary whole number", Variant(QByteArray("\0\0\0\x02\0\0\0\0\x96", 9))},
        {"a byte array", "@ByteArray(150)"},
        {"an invalid value", "@Invalid()"},
        {"a list", "150, 200"},
        {"a quoted list", "\"150\", \"200\""},
    };
}

/// Whether `value` is the size of the issue's: a file holds it once within the read limit.
bool Large(const QByteArray& value) {
    return value.size() > 100'000;
}

/// Every key the game reads at start-up with `value`; a large value in the key `only` alone.
QByteArray SettingsWith(const QByteArray& value, const QByteArray& only) {
    const auto line = [&](const QByteArray& key) {
        return Large(value) && key != only ? QByteArray() : key + '=' + value + '\n';
    };
    return "[SOFTWARE]\n" + line("Qorvel\\Tazkova\\SOUND") + "[Table]\n" + line("Motion") +
           line("Zoom");
}

class HostileSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(home.IsValid()); }

    QString UserFile() const { return home.Path(u"home/.config/Qorvel/Tazkova.conf"_s); }
    QString SystemFile() const { return home.Path(u"etc/xdg/Qorvel/Tazkova.conf"_s); }
    QString StatisticsFile() const {
        return home.Path(u"home/.config/Qorvel/Tazkova-statistics.conf"_s);
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    static QByteArray Read(const QString& path) {
        return store::ReadPlainFile(path).value_or("(unreadable)");
    }

    /// The window as it starts, and how long it took to be on screen.
    static std::pair<std::unique_ptr<MainWindow>, qint64> Start() {
        QElapsedTimer clock;
        clock.start();
        auto window =
            std::make_unique<MainWindow>(game::SeedChoice{game::SeedChoice::Kind::Advance, 5},
                                         std::make_unique<game::RecordingTable>());
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return {std::move(window), clock.elapsed()};
    }

    tazkova::testing::ScratchHome home;
};

TEST_F(HostileSettingsTest, TheWindowStartsAtOnceWithTheDefaultsAndTheNextWriteIsPlain) {
    const QByteArray plainSystem =
        "[SOFTWARE]\nQorvel\\Tazkova\\SOUND=1\n[Table]\nMotion=false\n"
        "Zoom=150\n";
    for (const Hostile& hostile : HostileValues()) {
        for (const auto& [where, inSystem, systemPlain, only] :
             {std::tuple{"player's file", false, false, "Zoom"},
              std::tuple{"system's file", true, false, "Qorvel\\Tazkova\\SOUND"},
              std::tuple{"player's file, the system's plain", false, true, "Motion"}}) {
            SCOPED_TRACE(std::string(hostile.what) + " in the " + where);
            QFile::remove(UserFile());
            QFile::remove(SystemFile());
            const QByteArray settings = SettingsWith(hostile.value, only);
            ASSERT_LE(settings.size(), store::kMaxPlainFileBytes);
            Write(inSystem ? SystemFile() : UserFile(), settings);
            if (systemPlain) Write(SystemFile(), plainSystem);
            Write(StatisticsFile(), "[level1-type0]\ngamesWon=" + hostile.value +
                                        "\ngamesLost=2\n[level2-type3-takenback]\nbestYou=" +
                                        (Large(hostile.value) ? "0" : hostile.value) + "\n");

            auto [window, took] = Start();
            EXPECT_LT(took, 1000);
            // A value in another form is not there: the system's counts behind the player's.
            EXPECT_EQ(GameOf(*window).State().SoundOn, systemPlain);
            EXPECT_EQ(ZoomOf(*window), systemPlain ? 150 : 100);
            EXPECT_EQ(ActionsOf(*window).motion->isChecked(), !systemPlain);
            EXPECT_TRUE(StatsOf(*window).Problem().isEmpty());
            EXPECT_EQ(StatsOf(*window).Of(1, 0, false), (Tally{.gamesLost = 2}));
            EXPECT_EQ(StatsOf(*window).Of(2, 3, true), Tally{});

            // The game's own values replace the others when it next writes.
            ChooseZoom(*window, 200);
            EXPECT_TRUE(sound::SoundSwitch::WriteSoundOn(true));
            EXPECT_EQ(store::ReadSettings(UserFile()),
                      (QMap<QString, QString>{{sound::SoundSwitch::Key(), u"1"_s},
                                              {u"Table/Zoom"_s, u"200"_s}}));
            EXPECT_FALSE(Read(UserFile()).contains('@'))
                << Read(UserFile()).left(200).toStdString();
            StatsOf(*window).CountGame(1, 0, false, true);
            EXPECT_FALSE(Read(StatisticsFile()).contains('@'));
            EXPECT_EQ(Statistics(StatisticsFile()).Of(1, 0, false),
                      (Tally{.gamesWon = 1, .gamesLost = 2}));
            if (inSystem) {
                EXPECT_EQ(Read(SystemFile()), settings) << "never written";
            }
            window.reset();
            // And the next start reads what was written.
            auto [again, tookAgain] = Start();
            EXPECT_EQ(ZoomOf(*again), 200);
            EXPECT_TRUE(GameOf(*again).State().SoundOn);
            EXPECT_EQ(ActionsOf(*again).motion->isChecked(), !systemPlain);
        }
    }
}

}  // namespace
}  // namespace tazkova::ui
