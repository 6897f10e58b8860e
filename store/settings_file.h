/// The game's settings files, in QSettings' INI form, read and written only while that is
/// safe: a file that is not a plain file is neither read nor replaced, and a write never
/// waits long for the file's lock.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <utility>

namespace tazkova::store {

/// How long a write waits for another writer to let go of the file's lock.
inline constexpr int kLockWaitMs = 250;

/// The player's file of the game's settings (the sound switch, the table's size and motion):
/// Qorvel/Tazkova.conf in ConfigHome(); empty when the player has no settings folder.
QString GameSettingsFile();

/// The system-wide files of the game's settings, read where the player's holds no value.
QStringList SystemSettingsFiles();

/// Every key of a settings file with its value, as far as it can be read: a line that makes
/// no sense is passed over. Empty for a file that is missing or not a plain file.
QVariantMap ReadSettings(const QString& path);

/// The value of `key` in the first of `paths` that holds one; invalid when none does, and
/// when a file that is there cannot be read before one that holds it is found.
QVariant ReadSetting(const QStringList& paths, const QString& key);

/// Sets the `values` in the file at `path`, keeping its other keys, and stores it in one step
/// (a new file renamed over it, or over the plain file its link points to, the link kept).
/// False, with nothing changed, when the file is not missing or plain, when its lock cannot
/// be had within kLockWaitMs, or when the new file could not be made.
bool WriteSettings(const QString& path, const QList<std::pair<QString, QVariant>>& values);

/// Runs `change` while holding the lock of the file at `path` (the one QSettings takes), so
/// that what it reads of the file and writes back is not mixed with another writer's change.
/// False, without running it, when the lock cannot be had within kLockWaitMs (a lock file
/// that is not a plain file is never waited on) or its folder cannot be made.
bool WithFileLock(const QString& path, const std::function<void()>& change);

/// The keys of INI text ("group/key", a key of [General] without its group) with their
/// values as text, read as QSettings reads plain names and values; a line that makes no
/// sense is passed over. For a file written by SettingsText: reading it needs no QSettings,
/// whose cache can miss a file replaced within the same clock tick at the same size.
QMap<QString, QString> ParseSettingsText(const QByteArray& text);

/// INI text that ParseSettingsText (and QSettings) reads back as `values`, for keys and
/// values of plain names and numbers.
QByteArray SettingsText(const QMap<QString, QString>& values);

}  // namespace tazkova::store
