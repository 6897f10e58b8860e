/// Where the player's own files go, found as the XDG base directory rules say: a relative
/// folder in the environment is ignored, and with no usable home there is no folder of the
/// player's at all, never one at the root of the file system or in the current folder.
#pragma once

#include <QString>
#include <QStringList>

namespace tazkova::store {

/// $HOME when it names an existing folder by an absolute path other than the root; empty
/// otherwise.
QString HomeFolder();

/// The player's settings folder: $XDG_CONFIG_HOME when absolute, else ~/.config; empty when
/// neither can be had.
QString ConfigHome();

/// The system-wide settings folders, the most important first: the absolute entries of
/// $XDG_CONFIG_DIRS, or /etc/xdg.
QStringList ConfigDirs();

/// The player's data folder: $XDG_DATA_HOME when absolute, else ~/.local/share; empty when
/// neither can be had.
QString DataHome();

/// Every data folder, the player's own first: DataHome(), then the absolute entries of
/// $XDG_DATA_DIRS, or /usr/local/share and /usr/share.
QStringList DataDirs();

/// The desktop folder as the player's user-dirs.dirs names it (XDG_DESKTOP_DIR, either
/// "$HOME/..." or an absolute path), else ~/Desktop; empty when there is no home. It need
/// not exist.
QString DesktopFolder();

}  // namespace tazkova::store
