// The stored sound switch: toggled by the sound button, read at start-up, off whenever the
// stored value cannot be trusted.
#include "sound/sound_switch.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "game/recording.h"

namespace tazkova {

using namespace tazkova::sound;
using namespace tazkova::game;
namespace {

/// Points the per-user and the system-wide store at folders of their own for each test.
class SoundSwitchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           dir.filePath(QStringLiteral("user")));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope,
                           dir.filePath(QStringLiteral("system")));
    }

    QString UserFile() const { return dir.filePath(QStringLiteral("user/Qorvel/Tazkova.conf")); }
    QString SystemFile() const {
        return dir.filePath(QStringLiteral("system/Qorvel/Tazkova.conf"));
    }

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

    QTemporaryDir dir;
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

TEST_F(SoundSwitchTest, BrokenSettingsFileMeansOff) {
    WriteFile(UserFile(), SoundEntry("1") + "[broken\n");
    EXPECT_FALSE(SoundSwitch::ReadSoundOn());
}

TEST_F(SoundSwitchTest, FailedWriteIsReportedAndTheSwitchHasChangedAnyway) {
    ASSERT_TRUE(QDir().mkpath(UserFile()));
    RecordingTable window;
    EXPECT_TRUE(SoundSwitch::Toggle(false, window));
    const std::vector<TableEvent> shown = window.TakeEvents();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, TableEvent::Kind::MessageBox);
    EXPECT_EQ(shown[0].text, "Failed to set data for 'SOUND'");
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
