/// Standard output for the command-line programs: written with write(2) and checked, so that
/// a lost answer (a full disk, a closed output, a reader that went away) is reported.
#pragma once

#include <string_view>

namespace tazkova::cli {

/// Writes all of `text` to standard output; the `errno` of a failed write, or 0. (With
/// SIGPIPE ignored, a reader that went away is one.)
int WriteOut(std::string_view text);

/// Says on standard error "`program`: `what`: <reason for `error`>" and returns the exit
/// status of a failed run, 1.
int Fail(std::string_view program, std::string_view what, int error);

}  // namespace tazkova::cli
