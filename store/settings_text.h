/// The text of the game's settings files: INI as QSettings writes it, read by a parser of
/// our own with bounds. Every value the game keeps is plain text (a number, a boolean, a
/// name), so a value in any other form is passed over as if it were not there: QSettings'
/// `@Variant(...)`, `@ByteArray(...)` and `@Invalid()`, a list, an escaped or broken text.
/// Nothing here ever decodes a value, so no file can make it recurse or allocate beyond the
/// size of the text.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace tazkova::store {

/// A key as the game names them: names of letters, digits, '_', '-' and '.', joined by '/'
/// (the group first), none under a group "General" (QSettings' name for the keys without one).
bool IsPlainKey(const QString& key);

/// A value as the game stores them: text without control characters, quotes or backslashes,
/// not beginning with '@'.
bool IsPlainValue(const QString& value);

/// The keys of INI text ("group/key", a key of [General] without its group) with their
/// plain values; every line that is not a comment, a section or `key=value` with a plain
/// key and value is passed over, and so is every key of a section whose name is not one of
/// ours. A value may stand in double quotes. Where a key stands twice, the last plain value
/// counts.
QMap<QString, QString> ParseSettingsText(const QByteArray& text);

/// INI text that ParseSettingsText (and QSettings) reads back as `values`: the keys without
/// a group under [General], then a section a group. A key or value that is not plain is
/// left out.
QByteArray SettingsText(const QMap<QString, QString>& values);

}  // namespace tazkova::store
