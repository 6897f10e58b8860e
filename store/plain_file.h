/// Reading and writing the player's files without trusting what stands at their names: a
/// pipe or a device is never opened for long, and a link is never written through.
#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <QString>
#include <optional>

namespace tazkova::store {

/// The largest file of the game's that is read: its files are a few kilobytes.
inline constexpr qint64 kMaxPlainFileBytes = 1 << 20;

/// What stands at a file's name.
enum class FileKind {
    Missing,   // nothing (a link to nothing is not nothing: it is Unusable)
    Plain,     // a regular file within the size asked for, itself or at the end of its links
    Unusable,  // anything else: a folder, a pipe, a device, a link to nothing, a huge file
};

/// What stands at `path`; a regular file larger than `maxBytes` is Unusable.
FileKind Inspect(const QString& path, qint64 maxBytes = kMaxPlainFileBytes);

/// The bytes of a plain file (as Inspect says, of at most `maxBytes`), read without ever
/// waiting on a pipe or a device; nothing for any other file or when it cannot be read.
std::optional<QByteArray> ReadPlainFile(const QString& path, qint64 maxBytes = kMaxPlainFileBytes);

/// Puts `bytes` at `path` in one step: a new file is written beside it, with `mode` under
/// the umask, and renamed over the name. Whatever stood there (a file, or a link: the link
/// itself, never what it points to) is replaced; a folder is not. Returns the reason for
/// the player when nothing was written, and an empty text when all went well.
QString ReplaceFile(const QString& path, const QByteArray& bytes, mode_t mode);

}  // namespace tazkova::store
