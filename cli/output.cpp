#include "cli/output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

namespace tazkova::cli {

int WriteOut(std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(STDOUT_FILENO, text.data(), text.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

int Fail(std::string_view program, std::string_view what, int error) {
    std::cerr << program << ": " << what << ": " << std::strerror(error) << '\n';
    return 1;
}

}  // namespace tazkova::cli
