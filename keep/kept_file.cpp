#include "keep/kept_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

namespace tazkova::keep {

namespace {

std::string ErrorText(int error) {
    return std::strerror(error);
}

}  // namespace

Decoded ReadKeptFile(const std::string& path) {
    // Not blocking: a pipe with no writer would otherwise be waited on forever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return {std::nullopt, "cannot open the file: " + ErrorText(errno)};
    struct stat st {};
    Decoded out;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        out.refusal = "not a plain file";
    } else if (st.st_size > static_cast<off_t>(kMaxKeptBytes)) {
        out.refusal = "the file is too large";
    } else {
        std::string text;
        char block[16 * 1024];
        for (;;) {
            const ssize_t n = ::read(fd, block, sizeof block);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) out.refusal = "cannot read the file: " + ErrorText(errno);
            if (n <= 0) break;
            text.append(block, static_cast<std::size_t>(n));
            // A file that grows while it is read is not read.
            if (text.size() > kMaxKeptBytes) {
                out.refusal = "the file is too large";
                break;
            }
        }
        if (out.refusal.empty()) out = Decode(text);
    }
    ::close(fd);
    return out;
}

std::string WriteKeptFile(const std::string& path, const KeptGame& kept) {
    const std::string text = Encode(kept);
    const std::size_t slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::random_device entropy;
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = folder + "." + name + "." + std::to_string(entropy());
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) return ErrorText(errno);
    }
    if (fd < 0) return ErrorText(EEXIST);
    int error = 0;
    for (std::size_t done = 0; error == 0 && done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0)
            error = errno;
        else
            done += static_cast<std::size_t>(n);
    }
    if (error == 0 && ::fdatasync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temporary.c_str());
    return error == 0 ? std::string() : ErrorText(error);
}

}  // namespace tazkova::keep
