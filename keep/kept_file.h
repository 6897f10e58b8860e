/// A kept game's file for the tools, in standard C++ and POSIX alone: read only when it is a
/// plain file of at most kMaxKeptBytes, never waiting on a pipe or a device, and written in
/// one step (a new file beside it, flushed, renamed over the name).
#pragma once

#include <string>

#include "keep/kept_game.h"

namespace tazkova::keep {

/// The file's kept game, or why it was refused (it is not a plain file, cannot be read, is
/// too large, or its text is refused).
Decoded ReadKeptFile(const std::string& path);

/// Writes the kept game at `path` in one step; the reason when nothing was written, an empty
/// text when all went well.
std::string WriteKeptFile(const std::string& path, const KeptGame& kept);

}  // namespace tazkova::keep
