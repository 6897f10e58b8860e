#include "cli/line_reader.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>

namespace tazkova::cli {

bool LineReader::Fill() {
    begin_ = end_ = 0;
    for (;;) {
        const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
        if (n > 0) {
            end_ = static_cast<std::size_t>(n);
            return true;
        }
        if (n == 0) return false;
        if (errno != EINTR) {
            error_ = errno;
            return false;
        }
    }
}

bool LineReader::Next(std::string& line) {
    line.clear();
    bool started = false;  // some byte of this line (or its newline) has been read
    bool cut = false;      // the line passed maxLine_ bytes
    bool marked = false;   // the first non-blank byte past the cut has been kept
    for (;;) {
        if (begin_ == end_ && (error_ != 0 || !Fill())) {
            if (error_ != 0) return false;
            if (cut && !marked) line.push_back(' ');
            return started;
        }
        started = true;
        const char* const start = buffer_.data() + begin_;
        const std::size_t available = end_ - begin_;
        const char* const newline = static_cast<const char*>(std::memchr(start, '\n', available));
        std::string_view piece(start, newline ? std::size_t(newline - start) : available);
        begin_ += piece.size() + (newline ? 1 : 0);

        if (!cut) {
            const std::size_t room = maxLine_ - line.size();
            line.append(piece.substr(0, room));
            if (piece.size() > room) {
                cut = true;
                piece.remove_prefix(room);
            }
        }
        if (cut && !marked) {
            const std::size_t word = piece.find_first_not_of(" \t\r");
            if (word != std::string_view::npos) {
                line.push_back(piece[word]);
                marked = true;
            }
        }
        if (newline) {
            if (cut && !marked) line.push_back(' ');
            return true;
        }
    }
}

}  // namespace tazkova::cli
