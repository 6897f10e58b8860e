/// The shortcut to the game on the user's desktop: a desktop entry that starts the running
/// program, written without any window so that it can be made and checked on its own.
#pragma once

#include <QString>
#include <QStringList>

namespace tazkova::ui {

/// What became of a shortcut request.
struct ShortcutResult {
    bool ok = false;
    QString path;    // the file written, when ok
    QString reason;  // why nothing was written, otherwise (for the player to read)
};

/// The user's desktop folder as the desktop's user folders name it (XDG_DESKTOP_DIR in
/// user-dirs.dirs, else ~/Desktop); empty when that folder does not exist or there is no home.
QString UserDesktopFolder();

/// The Exec value that starts `program` without arguments: quoted when the path holds a
/// blank or another character the launcher would read as syntax, and escaped so that the
/// launcher gets the path back exactly.
QString DesktopExecValue(const QString& program);

/// The whole desktop entry: an application called `name` that runs `program`, in
/// `workingDirectory` when that is not empty, with `icon` when that is not empty.
QString DesktopEntryText(const QString& name, const QString& program,
                         const QString& workingDirectory, const QString& icon);

/// The shortcut's icon: the icon theme's name of the game's icon when the game is installed
/// (its icon lies under one of `dataFolders`, the desktop's data folders), otherwise the
/// absolute path of an icon file written into `ownFolder`; empty when neither can be had.
QString ShortcutIcon(const QStringList& dataFolders, const QString& ownFolder);

/// Writes "<name>.desktop" into `desktopFolder`, pointing at `program`, executable (0755
/// under the umask), in one step: an earlier shortcut of the same name is replaced whole (a
/// link of that name is replaced itself, never written through), and a failed write leaves
/// the folder as it was. An empty `name` means the program's file name. When asked to, the
/// shortcut starts the program in its own folder. Nothing is written anywhere when the
/// folder is empty, missing or not writable; the result then says why, in Arabic.
ShortcutResult CreateShortcut(const QString& name, bool setWorkingDirectory,
                              const QString& desktopFolder, const QString& program,
                              const QString& icon);

}  // namespace tazkova::ui
