// The stored sound switch: toggled by the sound button, read at start-up, off whenever the
// stored value cannot be trusted.
#include "sound/sound_switch.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>

#include "game/recording.h"
#include "tests/scratch_home.h"

namespace tazkova {

using namespace tazkova::sound;
using namespace tazkova::game;
namespace {

/// The player's store and the system-wide one in a scratch home of each test's own.
class SoundSwitchTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(home.IsValid()); }

    QString UserFile() const {
        return home.Path(QStringLiteral("home/.config/Qorvel/Tazkova.conf"));
    }
    QString SystemFile() const { return home.Path(QStringLiteral("etc/xdg/Qorvel/Tazkova.conf")); }

    static void WriteFile(const QString& path, const QByteArray& text) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    static QByteArray SoundEntry(const QByteArray& value) {
        return "[SOFTWARE]\nQorvel\\Tazkova\\SOUND=" + value + "\n";
    }

    QVariant StoredValue() const {
        QSettings store(UserFile(), QSettings::IniFormat);
        return store.value("SOFTWARE/Qorvel/Tazkova/SOUND");
    }

    /// The sound button pressed with the switch off: the error it showed, if any, and how
    /// long it took.
    std::pair<std::string, qint64> PressTheSoundButton() const {
        RecordingTable window;
        QElapsedTimer clock;
        clock.start();
        EXPECT_TRUE(SoundSwitch::Toggle(false, window)) << "the switch turns whatever happens";
        const qint64 took = clock.elapsed();
        const std::vector<TableEvent> shown = window.TakeEvents();
        EXPECT_LE(shown.size(), 1u);
        return {shown.empty() ? std::string() : shown[0].text, took};
    }

    tazkova::testing::ScratchHome home;
};

TEST_F(SoundSwitchTest, NoStoredValueMeansOff) {
    EXPECT_FALSE(SoundSwitch::ReadSoundOn());
    EXPECT_FALSE(QFile::exists(UserFile()));  // reading creates nothing
}

TEST_F(SoundSwitchTest, TwoTogglesWriteOneThenZero) {
    RecordingTable window;
    EXPECT_TRUE(SoundSwitch::Toggle(false, window));
    EXPECT_EQ(StoredValue(), QVariant(QStringLiteral("1")));
    EXPECT_TRUE(SoundSwitch::ReadSoundOn());

    EXPECT_FALSE(SoundSwitch::Toggle(true, window));
    EXPECT_TRUE(window.Events().empty());  // nothing to report
    EXPECT_EQ(StoredValue(), QVariant(QStringLiteral("0")));
    EXPECT_FALSE(SoundSwitch::ReadSoundOn());
    EXPECT_FALSE(QFile::exists(SystemFile()));
}

TEST_F(SoundSwitchTest, SystemWideValueIsReadWhenTheUserHasNone) {
    WriteFile(SystemFile(), SoundEntry("1"));
    EXPECT_TRUE(SoundSwitch::ReadSoundOn());
}

TEST_F(SoundSwitchTest, UserValueComesBeforeTheSystemWideOne) {
    WriteFile(SystemFile(), SoundEntry("1"));
    WriteFile(UserFile(), SoundEntry("0"));
    EXPECT_FALSE(SoundSwitch::ReadSoundOn());
}

TEST_F(SoundSwitchTest, UnreadableStoreMeansOff) {
    WriteFile(SystemFile(), SoundEntry("1"));
    // A folder where the user's settings file should be cannot be read as one.
    ASSERT_TRUE(QDir().mkpath(UserFile()));
    EXPECT_FALSE(SoundSwitch::ReadSoundOn());
}

TEST_F(SoundSwitchTest, ABrokenLineDoesNotSpoilTheValueNorTheNextWrite) {
    WriteFile(UserFile(), "[SOFTWARE]\n\xff\xfe\nQorvel\\Tazkova\\SOUND=1\n[broken\n");
    EXPECT_TRUE(SoundSwitch::ReadSoundOn());
    RecordingTable window;
    EXPECT_FALSE(SoundSwitch::Toggle(true, window));
    EXPECT_TRUE(window.Events().empty()) << "the write went well and is not reported";
    EXPECT_FALSE(SoundSwitch::ReadSoundOn());
}

TEST_F(SoundSwitchTest, FailedWriteIsReportedAtOnceAndTheSwitchHasChangedAnyway) {
    QDir().mkpath(QFileInfo(UserFile()).path());
    // A lock that can never be had (a folder in its place) and a store that is a pipe: each
    // once froze the window for good.
    ASSERT_TRUE(QDir().mkpath(UserFile() + QStringLiteral(".lock")));
    const tazkova::testing::Watchdog unlock(
        std::chrono::seconds(3), [&] { QDir().rmdir(UserFile() + QStringLiteral(".lock")); });
    const auto [lockError, lockTook] = PressTheSoundButton();
    EXPECT_EQ(lockError, "Failed to set data for 'SOUND'");
    EXPECT_LT(lockTook, 1000);
    QDir().rmdir(UserFile() + QStringLiteral(".lock"));

    ASSERT_EQ(::mkfifo(QFile::encodeName(UserFile()).constData(), 0600), 0);
    const tazkova::testing::Watchdog writer(std::chrono::seconds(3), [&] {
        const int fd = ::open(QFile::encodeName(UserFile()).constData(), O_RDWR | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
    });
    EXPECT_FALSE(SoundSwitch::ReadSoundOn());
    const auto [pipeError, pipeTook] = PressTheSoundButton();
    EXPECT_EQ(pipeError, "Failed to set data for 'SOUND'");
    EXPECT_LT(pipeTook, 1000);
    struct stat st {};
    ASSERT_EQ(::lstat(QFile::encodeName(UserFile()).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "the pipe was not replaced";
}

TEST_F(SoundSwitchTest, WithNoHomeNothingIsWrittenAnywhere) {
    // No HOME and a relative XDG_CONFIG_HOME: there is no store of the player's, neither in
    // the current folder nor at the root.
    home.Unset("HOME");
    home.Set("XDG_CONFIG_HOME", "relative/config");
    const QString here = QDir::currentPath();
    const QString scratch = home.Path(QStringLiteral("current"));
    ASSERT_TRUE(QDir().mkpath(scratch) && QDir::setCurrent(scratch));
    const auto [error, took] = PressTheSoundButton();
    QDir::setCurrent(here);
    EXPECT_EQ(error, "Failed to set data for 'SOUND'");
    EXPECT_TRUE(QDir(scratch).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/.config/Qorvel/Tazkova.conf")));
    EXPECT_FALSE(QFileInfo::exists(home.Path(QStringLiteral("home/.config"))));
}

struct StoredText {
    const char* text;
    bool on;
};

class StoredValueTest : public SoundSwitchTest, public ::testing::WithParamInterface<StoredText> {};

TEST_P(StoredValueTest, OnlyANonzeroWholeNumberIsOn) {
    WriteFile(UserFile(), SoundEntry(GetParam().text));
    EXPECT_EQ(SoundSwitch::ReadSoundOn(), GetParam().on) << "SOUND=" << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Values, StoredValueTest,
                         ::testing::Values(StoredText{"1", true}, StoredText{"0", false},
                                           StoredText{"2", true}, StoredText{"-1", true},
                                           StoredText{"4294967295", true},
                                           StoredText{"4294967296", false}, StoredText{"", false},
                                           StoredText{"abc", false}, StoredText{"1.5", false},
                                           StoredText{"true", false}, StoredText{"1, 1", false},
                                           StoredText{"0x1", false}));

}  // namespace
}  // namespace tazkova
