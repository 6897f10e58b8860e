// The desktop shortcut: a desktop entry that a launcher reads back as the running program,
// written in one piece, and nothing written at all when there is no desktop to write to.
#include "ui/dialogs/desktop_shortcut.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <algorithm>

#include "tests/scratch_home.h"

using tazkova::ui::CreateShortcut;
using tazkova::ui::DesktopExecValue;
using tazkova::ui::ShortcutResult;
using tazkova::ui::UserDesktopFolder;

using namespace tazkova::ui;

namespace {

/// The keys of the [Desktop Entry] group, their values unescaped as a launcher reads them.
QMap<QString, QString> ReadEntry(const QString& text) {
    QMap<QString, QString> keys;
    const QStringList lines = text.split(u'\n');
    if (lines.isEmpty() || lines.front() != QStringLiteral("[Desktop Entry]")) return keys;
    for (const QString& line : lines.mid(1)) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0) continue;
        QString value;
        const QString raw = line.mid(eq + 1);
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (raw[i] != u'\\' || i + 1 == raw.size()) {
                value += raw[i];
                continue;
            }
            const QChar e = raw[++i];
            value += e == u's'   ? u' '
                     : e == u'n' ? u'\n'
                     : e == u't' ? u'\t'
                     : e == u'r' ? u'\r'
                                 : e;
        }
        keys.insert(line.left(eq), value);
    }
    return keys;
}

/// Splits an unescaped Exec value into the program and its arguments, as a launcher does.
QStringList ExecArguments(const QString& exec) {
    QStringList args;
    QString arg;
    bool inArg = false, quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == u'\\' && i + 1 < exec.size()) {
                arg += exec[++i];
            } else if (c == u'"') {
                quoted = false;
            } else {
                arg += c;
            }
        } else if (c == u'"') {
            quoted = inArg = true;
        } else if (c == u' ') {
            if (inArg) args << arg;
            arg.clear();
            inArg = false;
        } else {
            arg += c;
            inArg = true;
        }
    }
    if (inArg) args << arg;
    // "%%" is a percent sign; any other percent pair is a field code, empty with no files.
    for (QString& a : args) {
        QString plain;
        for (qsizetype i = 0; i < a.size(); ++i) {
            if (a[i] != u'%') {
                plain += a[i];
            } else if (++i < a.size() && a[i] == u'%') {
                plain += u'%';
            }
        }
        a = plain;
    }
    return args;
}

QString Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList Contents(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

constexpr auto kExecutable = QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;

}  // namespace

TEST(DesktopShortcut, ExecGivesTheLauncherBackTheExactProgramPath) {
    EXPECT_EQ(DesktopExecValue(QStringLiteral("/usr/games/tazkova")),
              QStringLiteral("/usr/games/tazkova"));
    EXPECT_EQ(DesktopExecValue(QStringLiteral("/opt/Tazkova Game/tazkova")),
              QStringLiteral("\"/opt/Tazkova Game/tazkova\""));
    for (const QString& path :
         {QStringLiteral("/opt/Tazkova Game/tazkova"), QStringLiteral("/home/a$HOME/`x`/tazkova"),
          QStringLiteral("/srv/say \"hi\"/back\\slash/tazkova"),
          QStringLiteral("/games/100%/%f/tazkova"),
          QStringLiteral("/tmp/two\nlines/tab\there/tazkova"),
          QStringLiteral("/tmp/it's (mine) & #1;/tazkova"),
          QString::fromUtf8("/home/لاعب/طاولة/tazkova")}) {
        const QString value = DesktopExecValue(path);
        EXPECT_FALSE(value.contains(u'\n')) << value.toStdString();
        const QMap<QString, QString> keys =
            ReadEntry(QStringLiteral("[Desktop Entry]\nExec=") + value + QStringLiteral("\n"));
        EXPECT_EQ(ExecArguments(keys.value(QStringLiteral("Exec"))), QStringList{path})
            << value.toStdString();
    }
}

TEST(DesktopShortcut, WritesAnExecutableEntryForTheProgram) {
    QTemporaryDir desktop;
    ASSERT_TRUE(desktop.isValid());
    const QString program = QStringLiteral("/opt/Tazkova Game/bin/tazkova");
    const ShortcutResult result =
        CreateShortcut(QStringLiteral("Tazkova"), false, desktop.path(), program,
                       QStringLiteral("/opt/Tazkova Game/tazkova.svg"));
    ASSERT_TRUE(result.ok) << result.reason.toStdString();
    EXPECT_EQ(result.path, desktop.filePath(QStringLiteral("Tazkova.desktop")));
    EXPECT_TRUE(result.reason.isEmpty());

    const QString text = Read(result.path);
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_TRUE(text.endsWith(u'\n'));
    const QMap<QString, QString> keys = ReadEntry(text);
    EXPECT_EQ(keys.value(QStringLiteral("Type")), QStringLiteral("Application"));
    EXPECT_EQ(keys.value(QStringLiteral("Name")), QStringLiteral("Tazkova"));
    EXPECT_EQ(keys.value(QStringLiteral("Icon")), QStringLiteral("/opt/Tazkova Game/tazkova.svg"));
    EXPECT_EQ(ExecArguments(keys.value(QStringLiteral("Exec"))), QStringList{program});
    EXPECT_FALSE(keys.contains(QStringLiteral("Path")));

    const auto mode = QFile::permissions(result.path);
    EXPECT_EQ(mode & kExecutable, kExecutable);
    EXPECT_TRUE(mode & QFileDevice::ReadOther);
    EXPECT_FALSE(mode & (QFileDevice::WriteGroup | QFileDevice::WriteOther));
}

TEST(DesktopShortcut, NamesAndWorkingFolderWhenAskedFor) {
    QTemporaryDir desktop;
    ASSERT_TRUE(desktop.isValid());
    // Without a name the shortcut is called after the program file.
    const ShortcutResult result = CreateShortcut(
        QString(), true, desktop.path(), QStringLiteral("/opt/games/tazkova.bin"), QString());
    ASSERT_TRUE(result.ok) << result.reason.toStdString();
    EXPECT_EQ(result.path, desktop.filePath(QStringLiteral("tazkova.bin.desktop")));
    const QMap<QString, QString> keys = ReadEntry(Read(result.path));
    EXPECT_EQ(keys.value(QStringLiteral("Name")), QStringLiteral("tazkova.bin"));
    EXPECT_EQ(keys.value(QStringLiteral("Path")), QStringLiteral("/opt/games"));
}

TEST(DesktopShortcut, WritingTwiceLeavesOneWholeShortcut) {
    QTemporaryDir desktop;
    ASSERT_TRUE(desktop.isValid());
    const QString path = desktop.filePath(QStringLiteral("Tazkova.desktop"));
    {
        // A stale, longer and non-executable shortcut from elsewhere is replaced whole.
        QFile stale(path);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write(QByteArray(4096, '#'));
        stale.close();
        stale.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    const ShortcutResult first = CreateShortcut(QStringLiteral("Tazkova"), false, desktop.path(),
                                                QStringLiteral("/usr/games/tazkova"), QString());
    ASSERT_TRUE(first.ok) << first.reason.toStdString();
    const QString once = Read(path);
    const ShortcutResult second = CreateShortcut(QStringLiteral("Tazkova"), false, desktop.path(),
                                                 QStringLiteral("/usr/games/tazkova"), QString());
    ASSERT_TRUE(second.ok) << second.reason.toStdString();

    EXPECT_EQ(Read(path), once);
    EXPECT_FALSE(once.contains(u'#'));
    EXPECT_EQ(Contents(desktop.path()), QStringList{QStringLiteral("Tazkova.desktop")});
    EXPECT_EQ(QFile::permissions(path) & kExecutable, kExecutable);
}

/// What a launcher finds for an Icon value: the file it names, or the theme icon of that name
/// under the data folders; empty when it finds nothing.
QString ResolveIcon(const QString& icon, const QStringList& dataFolders) {
    if (icon.isEmpty()) return {};
    if (QFileInfo(icon).isAbsolute()) return QFileInfo(icon).isFile() ? icon : QString();
    for (const QString& folder : dataFolders) {
        QDirIterator it(QDir(folder).filePath(QStringLiteral("icons/hicolor")), QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo file(it.next());
            if (file.completeBaseName() == icon) return file.filePath();
        }
    }
    return {};
}

TEST(DesktopShortcut, TheIconIsOneTheLauncherFinds) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString own = root.filePath(QStringLiteral("own"));
    const QStringList data = {root.filePath(QStringLiteral("local")),
                              root.filePath(QStringLiteral("system"))};

    // Not installed: an icon file of the game's own, an SVG picture.
    const QString written = ShortcutIcon(data, own);
    ASSERT_FALSE(ResolveIcon(written, data).isEmpty()) << written.toStdString();
    QFile svg(written);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    EXPECT_EQ(ShortcutIcon(data, own), written);  // the same file again

    // Installed in the icon theme, as the package puts it: the theme's name.
    const QString themed = data[1] + QStringLiteral("/icons/hicolor/48x48/apps");
    ASSERT_TRUE(QDir().mkpath(themed));
    QFile png(themed + QStringLiteral("/org.tazkova.Tazkova.png"));
    ASSERT_TRUE(png.open(QIODevice::WriteOnly));
    png.close();
    const QString name = ShortcutIcon(data, own);
    EXPECT_FALSE(QFileInfo(name).isAbsolute());
    EXPECT_EQ(ResolveIcon(name, data), png.fileName());

    // Nowhere to write an icon and none installed: no icon rather than one that is missing.
    EXPECT_EQ(ShortcutIcon({root.filePath(QStringLiteral("none"))}, QStringLiteral("/proc/self/x")),
              QString());
}

TEST(DesktopShortcut, WithoutAWritableDesktopNothingIsWrittenAnywhere) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString program = QStringLiteral("/usr/games/tazkova");
    const auto fails = [&](const QString& folder, const QString& name = QStringLiteral("Tazkova")) {
        const ShortcutResult result = CreateShortcut(name, false, folder, program, QString());
        EXPECT_FALSE(result.ok) << folder.toStdString();
        EXPECT_TRUE(result.path.isEmpty());
        // Told in Arabic, like every other text of the game.
        EXPECT_TRUE(std::any_of(result.reason.begin(), result.reason.end(), [](QChar c) {
            return c.script() == QChar::Script_Arabic;
        })) << result.reason.toStdString();
        return result.reason;
    };

    fails(QString());  // no desktop folder known: no root or home folder instead
    EXPECT_TRUE(fails(home.filePath(QStringLiteral("Desktop")))
                    .contains(home.filePath(QStringLiteral("Desktop"))));
    EXPECT_FALSE(
        QFileInfo::exists(home.filePath(QStringLiteral("Desktop"))));  // not made up either

    QFile file(home.filePath(QStringLiteral("plain file")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    fails(file.fileName());

    // Nobody may make files in /proc, not even the superuser.
    fails(QStringLiteral("/proc/self"));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/proc/self/Tazkova.desktop")));

    // A name cannot lead out of the desktop folder.
    QDir(home.path()).mkdir(QStringLiteral("Desktop"));
    fails(home.filePath(QStringLiteral("Desktop")), QStringLiteral("../Tazkova"));
    fails(home.filePath(QStringLiteral("Desktop")), QStringLiteral(".."));

    // The place is taken by a folder: the rename fails and no temporary file stays behind.
    QDir(home.path()).mkpath(QStringLiteral("Desktop/Tazkova.desktop"));
    fails(home.filePath(QStringLiteral("Desktop")));
    EXPECT_EQ(Contents(home.filePath(QStringLiteral("Desktop"))),
              QStringList{QStringLiteral("Tazkova.desktop")});
    EXPECT_TRUE(QFileInfo(home.filePath(QStringLiteral("Desktop/Tazkova.desktop"))).isDir());
    EXPECT_EQ(Contents(home.path()),
              (QStringList{QStringLiteral("Desktop"), QStringLiteral("plain file")}));
}

TEST(DesktopShortcut, ALinkOfItsNameIsReplacedNeverWrittenThrough) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString desktop = root.filePath(QStringLiteral("Desktop"));
    ASSERT_TRUE(QDir().mkpath(desktop));
    const QString shortcut = desktop + QStringLiteral("/Tazkova.desktop");
    const QString precious = root.filePath(QStringLiteral("precious.txt"));
    {
        QFile file(precious);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("the player's own words\n");
    }
    ASSERT_TRUE(QFile::setPermissions(precious, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    const QString nowhere = root.filePath(QStringLiteral("nowhere.desktop"));
    const mode_t umaskBefore = ::umask(027);
    for (const QString& target : {precious, nowhere}) {
        ASSERT_TRUE(QFile::link(target, shortcut));
        const ShortcutResult result =
            CreateShortcut(QStringLiteral("Tazkova"), false, desktop,
                           QStringLiteral("/usr/games/tazkova"), QString());
        ASSERT_TRUE(result.ok) << result.reason.toStdString();
        EXPECT_FALSE(QFileInfo(shortcut).isSymLink()) << "the link itself was replaced";
        EXPECT_TRUE(ReadEntry(Read(shortcut)).contains(QStringLiteral("Exec")));
        // Executable for its owner and group, nothing for others: the umask had its say.
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(shortcut).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0750u);
        ASSERT_TRUE(QFile::remove(shortcut));
    }
    ::umask(umaskBefore);
    EXPECT_EQ(Read(precious), QStringLiteral("the player's own words\n"));
    EXPECT_EQ(QFile::permissions(precious), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ReadUser | QFileDevice::WriteUser);
    EXPECT_FALSE(QFileInfo::exists(nowhere)) << "nothing made outside the desktop folder";
    EXPECT_TRUE(QDir(desktop).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System |
                                      QDir::NoDotAndDotDot))
        << "no temporary file left behind";
}

/// Runs in a scratch home with its own settings folder.
class UserDesktop : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root.IsValid());
        QDir().mkpath(Home(QStringLiteral(".config")));
    }
    void UserDirs(const QByteArray& line) {
        QFile dirs(Home(QStringLiteral(".config/user-dirs.dirs")));
        ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
        dirs.write("# written by the desktop's user folders tool\n" + line + "\n");
    }
    QString Home(const QString& rest) const { return root.Path(QStringLiteral("home/") + rest); }

    tazkova::testing::ScratchHome root;
};

TEST_F(UserDesktop, FollowsTheUserFoldersSettingAndNeverFallsBackElsewhere) {
    // No setting and no ~/Desktop: there is no desktop, neither home nor the root stand in.
    EXPECT_EQ(UserDesktopFolder(), QString());
    QDir().mkpath(Home(QStringLiteral("Desktop")));
    EXPECT_EQ(UserDesktopFolder(), Home(QStringLiteral("Desktop")));

    // A desktop named in the user's own language, relative to $HOME.
    UserDirs("XDG_DESKTOP_DIR=\"$HOME/Bureau\"");
    EXPECT_EQ(UserDesktopFolder(), QString()) << "the named folder does not exist yet";
    QDir().mkpath(Home(QStringLiteral("Bureau")));
    EXPECT_EQ(UserDesktopFolder(), Home(QStringLiteral("Bureau")));

    // The shortcut then lands there and only there.
    const ShortcutResult result =
        CreateShortcut(QStringLiteral("Tazkova"), false, UserDesktopFolder(),
                       QStringLiteral("/usr/games/tazkova"), QString());
    ASSERT_TRUE(result.ok) << result.reason.toStdString();
    EXPECT_EQ(result.path, Home(QStringLiteral("Bureau/Tazkova.desktop")));
    EXPECT_TRUE(QDir(Home(QStringLiteral("Desktop"))).isEmpty());
}
