/// The game's settings files, in QSettings' INI form but read and written by our own bounded
/// parser and writer (settings_text.h), only while that is safe: a file that is not a plain
/// file is neither read nor replaced, and a write never waits long for the file's lock.
#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>
#include <utility>

#include "store/settings_text.h"

namespace tazkova::store {

/// How long a write waits for another writer to let go of the file's lock.
inline constexpr int kLockWaitMs = 250;

/// The player's file of the game's settings (the sound switch, the table's size and motion):
/// Qorvel/Tazkova.conf in ConfigHome(); empty when the player has no settings folder.
QString GameSettingsFile();

/// The system-wide files of the game's settings, read where the player's holds no value.
QStringList SystemSettingsFiles();

/// Every key of a settings file with its plain value (as ParseSettingsText reads them).
/// Empty for a file that is missing or not a plain file.
QMap<QString, QString> ReadSettings(const QString& path);

/// The plain value of `key` in the first of `paths` that holds one; nothing when none does,
/// and when a file that is there cannot be read before one that holds it is found. A value
/// in another form counts as none.
std::optional<QString> ReadSetting(const QStringList& paths, const QString& key);

/// Sets the `values` (booleans, whole numbers, plain texts) in the file at `path`, keeping
/// its other plain keys (a value in another form is dropped), and stores it in one step
/// under the file's lock: a new file renamed over it, or over the plain file its link points
/// to, the link kept. False, with nothing changed, when a value is of another kind, when the
/// file is not missing or plain or cannot be read, when its lock cannot be had within
/// kLockWaitMs, or when the new file could not be made.
bool WriteSettings(const QString& path, const QList<std::pair<QString, QVariant>>& values);

/// Runs `change` while holding the lock of the file at `path` (the one QSettings takes), so
/// that what it reads of the file and writes back is not mixed with another writer's change.
/// False, without running it, when the lock cannot be had within kLockWaitMs (a lock file
/// that is not a plain file is never waited on) or its folder cannot be made.
bool WithFileLock(const QString& path, const std::function<void()>& change);

}  // namespace tazkova::store
