#include "store/plain_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>

namespace tazkova::store {

namespace {

QString ErrorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

/// Writes all of `bytes`; the errno of a failure, or 0.
int WriteAll(int fd, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        done += n;
    }
    return 0;
}

}  // namespace

FileKind Inspect(const QString& path, qint64 maxBytes) {
    if (path.isEmpty()) return FileKind::Missing;
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0)
        return errno == ENOENT ? FileKind::Missing : FileKind::Unusable;
    if (::stat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > maxBytes)
        return FileKind::Unusable;
    return FileKind::Plain;
}

std::optional<QByteArray> ReadPlainFile(const QString& path, qint64 maxBytes) {
    // Not blocking: opening a pipe with no writer would otherwise wait for one forever.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    std::optional<QByteArray> bytes;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= maxBytes) {
        bytes.emplace();
        char block[16 * 1024];
        for (;;) {
            const ssize_t n = ::read(fd, block, sizeof block);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) bytes.reset();
            if (n <= 0) break;
            bytes->append(block, n);
            // A file that grew past the bound while being read is not read.
            if (bytes->size() > maxBytes) {
                bytes.reset();
                break;
            }
        }
    }
    ::close(fd);
    return bytes;
}

QString ReplaceFile(const QString& path, const QByteArray& bytes, mode_t mode) {
    const QFileInfo target(path);
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary =
            QFile::encodeName(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                              u'.' + QString::number(QRandomGenerator::global()->generate(), 36));
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    mode);
        if (fd < 0 && errno != EEXIST) return ErrorText(errno);
    }
    if (fd < 0) return ErrorText(EEXIST);
    int error = WriteAll(fd, bytes);
    if (error == 0 && ::fdatasync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    // rename() replaces the name itself: a link there goes, and what it pointed to stays.
    if (error == 0 && ::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0)
        error = errno;
    if (error != 0) ::unlink(temporary.constData());
    return error == 0 ? QString() : ErrorText(error);
}

}  // namespace tazkova::store
