#include "ui/dialogs/desktop_shortcut.h"

#include <QDir>
#include <QFileInfo>

#include "store/plain_file.h"
#include "store/user_folders.h"
#include "ui/style/pictures.h"
#include "ui/style/reading.h"
#include "ui/style/ui_texts.h"

namespace tazkova::ui {

namespace {

/// The name of the game's icon in the desktop's icon theme, as the package installs it.
const QString kIconName = QStringLiteral("org.tazkova.Tazkova");

/// Escapes a value of the string kind: backslash, newline, tab and carriage return.
QString EscapeValue(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        if (c == u'\\') {
            out += QStringLiteral("\\\\");
        } else if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else if (c == u'\t') {
            out += QStringLiteral("\\t");
        } else if (c == u'\r') {
            out += QStringLiteral("\\r");
        } else {
            out += c;
        }
    }
    return out;
}

ShortcutResult Failed(const QString& reason) {
    ShortcutResult result;
    result.reason = reason;
    return result;
}

}  // namespace

QString UserDesktopFolder() {
    const QString folder = store::DesktopFolder();
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) return {};
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

QString DesktopExecValue(const QString& program) {
    // Characters the launcher reads as syntax unless the argument is quoted.
    static const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = program.isEmpty();
    for (const QChar c : program) quote = quote || kReserved.contains(c);
    QString argument;
    if (quote) argument += u'"';
    for (const QChar c : program) {
        if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\')) argument += u'\\';
        argument += c;
        if (c == u'%') argument += u'%';  // a lone one would start a field code such as %f
    }
    if (quote) argument += u'"';
    // The value's own escapes are undone before the quoting is read, so they come last.
    return EscapeValue(argument);
}

QString DesktopEntryText(const QString& name, const QString& program,
                         const QString& workingDirectory, const QString& icon) {
    QString text = QStringLiteral("[Desktop Entry]\n");
    text += QStringLiteral("Type=Application\n");
    text += QStringLiteral("Version=1.0\n");
    text += QStringLiteral("Name=") + EscapeValue(name) + u'\n';
    text += QStringLiteral("Exec=") + DesktopExecValue(program) + u'\n';
    if (!workingDirectory.isEmpty())
        text += QStringLiteral("Path=") + EscapeValue(workingDirectory) + u'\n';
    if (!icon.isEmpty()) text += QStringLiteral("Icon=") + EscapeValue(icon) + u'\n';
    text += QStringLiteral("Terminal=false\n");
    text += QStringLiteral("Categories=Game;CardGame;\n");
    return text;
}

QString ShortcutIcon(const QStringList& dataFolders, const QString& ownFolder) {
    // The sizes the package installs in the icon theme; any one means the theme has it.
    static const QStringList kThemeFiles = {
        QStringLiteral("icons/hicolor/scalable/apps/%1.svg"),
        QStringLiteral("icons/hicolor/48x48/apps/%1.png"),
        QStringLiteral("icons/hicolor/256x256/apps/%1.png"),
    };
    for (const QString& folder : dataFolders) {
        for (const QString& file : kThemeFiles) {
            if (QFileInfo::exists(QDir(folder).filePath(file.arg(kIconName)))) return kIconName;
        }
    }
    // Not installed: an icon file of the game's own, written from its pictures once.
    if (ownFolder.isEmpty() || !QDir().mkpath(ownFolder)) return {};
    const QString path = QDir(ownFolder).absoluteFilePath(QStringLiteral("tazkova.svg"));
    QFile art(PictureFile(QStringLiteral("tazkova")));
    if (!art.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = art.readAll();
    if (store::ReadPlainFile(path) == bytes) return path;
    return store::ReplaceFile(path, bytes, 0644).isEmpty() ? path : QString();
}

ShortcutResult CreateShortcut(const QString& name, bool setWorkingDirectory,
                              const QString& desktopFolder, const QString& program,
                              const QString& icon) {
    if (desktopFolder.isEmpty()) return Failed(QString::fromUtf8(kNoDesktop));
    const QFileInfo folder(desktopFolder);
    if (!folder.isDir()) {
        return Failed(QString::fromUtf8(kDesktopMissing).arg(Isolated(desktopFolder)));
    }
    if (program.isEmpty()) return Failed(QString::fromUtf8(kProgramUnknown));
    const QFileInfo programInfo(program);
    const QString shortcutName = name.isEmpty() ? programInfo.fileName() : name;
    // The name becomes a file name inside the desktop folder and must stay there.
    if (shortcutName == u'.' || shortcutName == QStringLiteral("..") ||
        shortcutName.contains(u'/') || shortcutName.contains(QChar(0))) {
        return Failed(QString::fromUtf8(kBadShortcutName).arg(Isolated(shortcutName, true)));
    }

    const QString path =
        QDir(folder.absoluteFilePath()).filePath(shortcutName + QStringLiteral(".desktop"));
    const QString workingDirectory =
        setWorkingDirectory ? programInfo.absoluteDir().absolutePath() : QString();
    const QByteArray bytes =
        DesktopEntryText(shortcutName, programInfo.absoluteFilePath(), workingDirectory, icon)
            .toUtf8();

    // Written beside the target and renamed over its name at the end, so that the desktop
    // never sees half a shortcut, and a link of that name is replaced itself: nothing outside
    // the desktop folder changes. Launchers start only desktop entries that are marked
    // executable; the umask has the last word on who else may read it.
    const QString failure = store::ReplaceFile(path, bytes, 0755);
    if (!failure.isEmpty()) {
        return Failed(QString::fromUtf8(kShortcutNotWritten)
                          .arg(Isolated(folder.absoluteFilePath()), Isolated(failure)));
    }
    ShortcutResult result;
    result.ok = true;
    result.path = path;
    return result;
}

}  // namespace tazkova::ui
