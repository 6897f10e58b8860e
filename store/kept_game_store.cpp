#include "store/kept_game_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "store/plain_file.h"
#include "store/user_folders.h"

namespace tazkova::store {

static_assert(keep::kMaxKeptBytes <= static_cast<std::size_t>(kMaxPlainFileBytes),
              "a kept game is read as any other of the player's files");

QString KeptGameFile() {
    const QString data = DataHome();
    return data.isEmpty() ? QString() : data + QStringLiteral("/Qorvel/Tazkova/game.json");
}

KeptGameStore::KeptGameStore(QString path) : path_(std::move(path)) {}

KeptGameStore::~KeptGameStore() {
    if (lockFd_ >= 0) ::close(lockFd_);
}

bool KeptGameStore::Claim() {
    if (lockFd_ >= 0) return true;
    if (path_.isEmpty() || !QDir().mkpath(QFileInfo(path_).absolutePath())) return false;
    // A lock of the kernel's: it goes with the window, however the window ends.
    const int fd = ::open(QFile::encodeName(path_ + QStringLiteral(".lock")).constData(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    lockFd_ = fd;
    // A window killed in the middle of a write leaves its new file beside the kept game; with
    // the lock held, no other writer is making one.
    const QFileInfo kept(path_);
    QDir folder = kept.absoluteDir();
    const QStringList leftovers = folder.entryList(
        {QStringLiteral(".") + kept.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
    for (const QString& name : leftovers) folder.remove(name);
    return true;
}

KeptGameStore::Found KeptGameStore::Open() {
    Found found;
    if (!Claimed()) return found;
    const FileKind kind = Inspect(path_);
    if (kind == FileKind::Missing) return found;
    std::optional<QByteArray> bytes;
    if (kind == FileKind::Plain) bytes = ReadPlainFile(path_);
    if (!bytes) {
        found.refusal = kind == FileKind::Plain ? QStringLiteral("the file cannot be read")
                                                : QStringLiteral("not a plain file of a sane size");
    } else {
        keep::Decoded decoded = keep::Decode(std::string_view(bytes->constData(), bytes->size()));
        if (decoded.kept) {
            found.kept = std::move(decoded.kept);
            return found;
        }
        found.refusal = QString::fromStdString(decoded.refusal);
    }
    // Set aside under a name of its own, for whoever wants to look at it.
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 0; n < 100 && found.setAside.isEmpty(); ++n) {
        const QString name = path_ + QStringLiteral(".refused-") + stamp +
                             (n ? QStringLiteral("-") + QString::number(n) : QString());
        if (Inspect(name) != FileKind::Missing) continue;
        if (::rename(QFile::encodeName(path_).constData(), QFile::encodeName(name).constData()) ==
            0)
            found.setAside = name;
        else
            break;
    }
    return found;
}

QString KeptGameStore::Keep(const keep::KeptGame& kept) {
    if (!Claimed()) return QStringLiteral("another window keeps its game");
    const std::string text = keep::Encode(kept);
    return ReplaceFile(path_, QByteArray(text.data(), static_cast<qsizetype>(text.size())), 0600);
}

void KeptGameStore::Remove() {
    if (Claimed() && Inspect(path_) != FileKind::Missing)
        ::unlink(QFile::encodeName(path_).constData());
}

}  // namespace tazkova::store
