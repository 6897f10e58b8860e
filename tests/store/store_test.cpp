// The player's files in a hostile home: folders found as the XDG rules say, and settings
// files that are read and written only while they are plain files, without ever waiting long.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include "store/settings_file.h"
#include "store/user_folders.h"
#include "tests/scratch_home.h"

namespace tazkova::store {
namespace {

using tazkova::testing::ScratchHome;
using tazkova::testing::Watchdog;
using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

struct Environment {
    const char* home;        // nullptr: unset; "@" stands for the scratch home
    const char* configHome;  // XDG_CONFIG_HOME, nullptr: unset
    const char* configDirs;  // XDG_CONFIG_DIRS, nullptr: unset
    const char* wantConfig;  // ConfigHome(), "@" for the scratch home
    const char* wantDirs;    // ConfigDirs() joined by ':'
};

TEST(UserFolders, FollowTheXdgRulesAndNeverTheRootOrTheCurrentFolder) {
    const Environment cases[] = {
        {"@", nullptr, nullptr, "@/.config", "/etc/xdg"},
        {"@", "/srv/config/", "/a:relative::/b/:/a", "/srv/config", "/a:/b"},
        {"@", "relative/config", "relative", "@/.config", "/etc/xdg"},
        {"@", "", "", "@/.config", "/etc/xdg"},
        {nullptr, nullptr, nullptr, "", "/etc/xdg"},
        {nullptr, "/srv/config", nullptr, "/srv/config", "/etc/xdg"},
        {"", nullptr, nullptr, "", "/etc/xdg"},
        {"/", "/", nullptr, "", "/etc/xdg"},
        {"relative/home", nullptr, nullptr, "", "/etc/xdg"},
        {"/nonexistent/home", nullptr, nullptr, "", "/etc/xdg"},
    };
    for (const Environment& env : cases) {
        ScratchHome scratch;
        ASSERT_TRUE(scratch.IsValid());
        const QString home = scratch.Path(QStringLiteral("home"));
        const auto put = [&](const char* name, const char* value) {
            if (!value) {
                scratch.Unset(name);
            } else {
                scratch.Set(name, QFile::encodeName(QString::fromUtf8(value).replace(u'@', home)));
            }
        };
        put("HOME", env.home);
        put("XDG_CONFIG_HOME", env.configHome);
        put("XDG_CONFIG_DIRS", env.configDirs);
        const QString want = QString::fromUtf8(env.wantConfig).replace(u'@', home);
        const std::string label = std::string("HOME=") + (env.home ? env.home : "(unset)") +
                                  " XDG_CONFIG_HOME=" + (env.configHome ? env.configHome : "");
        EXPECT_EQ(ConfigHome(), want) << label;
        EXPECT_EQ(ConfigDirs().join(u':'), QString::fromUtf8(env.wantDirs)) << label;
        EXPECT_EQ(GameSettingsFile(),
                  want.isEmpty() ? QString() : want + u"/Qorvel/Tazkova.conf"_s);
        const bool hasHome = HomeFolder() == home;
        EXPECT_EQ(DataHome().isEmpty(), !hasHome) << label;
        EXPECT_EQ(DesktopFolder().isEmpty(), !hasHome) << label;
        // Without a folder of the player's there is nowhere to write, and nothing is written.
        if (want.isEmpty()) {
            EXPECT_FALSE(WriteSettings(GameSettingsFile(), {{u"k"_s, 1}})) << label;
        }
    }
}

class SettingsFileTest : public ::testing::Test {
  protected:
    QString File(const QString& name) const { return home.Path(QStringLiteral("home/") + name); }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static std::string Kind(const QString& path) {
        struct stat st {};
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return "missing";
        if (S_ISLNK(st.st_mode)) return "link to " + QFileInfo(path).symLinkTarget().toStdString();
        if (S_ISFIFO(st.st_mode)) return "pipe";
        if (S_ISDIR(st.st_mode)) return "folder";
        return "file of " + std::to_string(st.st_size) + " bytes";
    }

    ScratchHome home;
};

TEST_F(SettingsFileTest, ReadsWhatIsValidAndWritesThroughALinkToAPlainFile) {
    // A line of garbage before a good value: the value counts, and the write says so.
    const QString store = File(QStringLiteral("Tazkova.conf"));
    Write(store, "\xff\xfe\n[SOFTWARE]\n\xff\xfe\nQorvel\\Tazkova\\SOUND=1\n");
    EXPECT_EQ(ReadSetting({File(QStringLiteral("missing.conf")), store},
                          u"SOFTWARE/Qorvel/Tazkova/SOUND"_s),
              std::optional<QString>(u"1"_s));
    EXPECT_TRUE(
        WriteSettings(store, {{u"SOFTWARE/Qorvel/Tazkova/SOUND"_s, 0}, {u"Table/Zoom"_s, 150}}));
    EXPECT_EQ(ReadSettings(store),
              (QMap<QString, QString>{{u"SOFTWARE/Qorvel/Tazkova/SOUND"_s, u"0"_s},
                                      {u"Table/Zoom"_s, u"150"_s}}));

    // A link to a plain file elsewhere, as dotfile managers make: the link stays a link.
    QDir().mkpath(File(QStringLiteral("dotfiles")));
    const QString target = File(QStringLiteral("dotfiles/Tazkova.conf"));
    Write(target, "[Table]\nZoom=200\n");
    const QString linked = File(QStringLiteral("linked.conf"));
    ASSERT_TRUE(QFile::link(target, linked));
    EXPECT_TRUE(WriteSettings(linked, {{u"Table/Motion"_s, false}}));
    EXPECT_EQ(Kind(linked), "link to " + target.toStdString());
    EXPECT_EQ(ReadSettings(target).value(u"Table/Zoom"_s), u"200"_s);
    EXPECT_EQ(ReadSettings(linked).value(u"Table/Motion"_s), u"false"_s);
}

TEST_F(SettingsFileTest, WhatIsNotAPlainFileIsNeitherReadNorReplacedNorWaitedFor) {
    const QString pipe = File(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QDir().mkpath(File(QStringLiteral("folder")));
    const QString huge = File(QStringLiteral("huge.conf"));
    Write(huge, "[Table]\nZoom=200\n");
    ASSERT_TRUE(QFile::resize(huge, 2 << 20));
    ASSERT_TRUE(QFile::link(pipe, File(QStringLiteral("to-pipe.conf"))));
    ASSERT_TRUE(
        QFile::link(File(QStringLiteral("folder")), File(QStringLiteral("to-folder.conf"))));
    ASSERT_TRUE(
        QFile::link(File(QStringLiteral("nowhere")), File(QStringLiteral("dangling.conf"))));

    // Should anything open the pipe and wait for a writer, one comes after three seconds.
    const Watchdog watchdog(3s, [&] {
        const int fd = ::open(QFile::encodeName(pipe).constData(), O_RDWR | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
    });
    for (const char* name :
         {"pipe", "to-pipe.conf", "folder", "to-folder.conf", "dangling.conf", "huge.conf"}) {
        const QString path = File(QString::fromUtf8(name));
        const std::string before = Kind(path);
        QElapsedTimer clock;
        clock.start();
        EXPECT_TRUE(ReadSettings(path).isEmpty()) << name;
        EXPECT_FALSE(WriteSettings(path, {{u"SOFTWARE/Qorvel/Tazkova/SOUND"_s, 1}})) << name;
        EXPECT_LT(clock.elapsed(), 1000) << name;
        EXPECT_EQ(Kind(path), before) << name;
    }
    EXPECT_EQ(Kind(File(QStringLiteral("nowhere"))), "missing");
    EXPECT_TRUE(QDir(File(QStringLiteral("folder"))).isEmpty());
}

TEST_F(SettingsFileTest, ALockThatCannotBeHadFailsTheWriteWithinAMoment) {
    const QString store = File(QStringLiteral("Tazkova.conf"));
    const QString lockPath = store + QStringLiteral(".lock");
    const auto tryWrite = [&](const char* what) {
        Write(store, "[Table]\nZoom=200\n");
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(WriteSettings(store, {{u"Table/Zoom"_s, 300}})) << what;
        EXPECT_LT(clock.elapsed(), 4 * kLockWaitMs) << what;
        EXPECT_EQ(Read(store), "[Table]\nZoom=200\n") << what;
    };
    {
        // Another writer holds the lock; once it lets go, the write goes through.
        QLockFile other(lockPath);
        ASSERT_TRUE(other.tryLock());
        tryWrite("held");
    }
    EXPECT_TRUE(WriteSettings(store, {{u"Table/Zoom"_s, 150}}));

    // A folder where the lock file goes: should the write wait for it, it goes after 3 s.
    QDir().mkpath(lockPath);
    {
        const Watchdog watchdog(3s, [&] { QDir().rmdir(lockPath); });
        tryWrite("folder");
    }
    QDir().rmdir(lockPath);
    // A pipe there: should anything wait to read it, a writer comes and the pipe goes.
    ASSERT_EQ(::mkfifo(QFile::encodeName(lockPath).constData(), 0600), 0);
    const Watchdog watchdog(3s, [&] {
        const int fd = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_NONBLOCK);
        QFile::remove(lockPath);
        if (fd >= 0) ::close(fd);
    });
    tryWrite("pipe");
}

}  // namespace
}  // namespace tazkova::store
