/// The driver's command lines read from a file descriptor in memory that stays small
/// whatever the input holds.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace tazkova::cli {

/// Reads lines from a file descriptor. A line of at most `maxLine` bytes before its newline
/// is handed on whole. Of a longer one, only its first `maxLine` bytes are kept, followed by
/// the first byte of the rest that is not a blank (or one blank when the rest is all
/// blanks), so that the driver can still tell a long command from a long comment; the rest
/// is read and dropped up to the newline.
class LineReader {
  public:
    LineReader(int fd, std::size_t maxLine) : fd_(fd), maxLine_(maxLine) {}

    /// The next line, without its newline. False at the end of the input, and when reading
    /// failed: ReadError then tells why. A line cut short by a failed read is dropped.
    bool Next(std::string& line);

    /// The `errno` of the read that failed; 0 while none did.
    int ReadError() const { return error_; }

  private:
    /// Reads the next block of input; false at its end or on an error.
    bool Fill();

    int fd_;
    std::size_t maxLine_;
    std::array<char, 64 * 1024> buffer_{};
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    int error_ = 0;
};

}  // namespace tazkova::cli
