#include "store/settings_file.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <optional>

#include "store/plain_file.h"
#include "store/user_folders.h"

namespace tazkova::store {

namespace {

constexpr char kFileInFolder[] = "/Qorvel/Tazkova.conf";

/// The plain values of the file at `path`: none for a missing file, nothing when a file is
/// there that cannot be read.
std::optional<QMap<QString, QString>> ReadValues(const QString& path) {
    switch (Inspect(path)) {
        case FileKind::Missing:
            return QMap<QString, QString>();
        case FileKind::Plain:
            if (const auto bytes = ReadPlainFile(path)) return ParseSettingsText(*bytes);
            return std::nullopt;
        case FileKind::Unusable:
            break;
    }
    return std::nullopt;
}

/// A value to store as the plain text the game reads back; a null text for any other kind.
QString PlainText(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::Bool:
            return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            return value.toString();
        case QMetaType::QString:
            return IsPlainValue(value.toString()) ? value.toString() : QString();
        default:
            return {};
    }
}

/// The permissions of the file at `path` to keep when it is replaced; those QSettings gives
/// a new one (under the umask) when there is none.
mode_t ModeOf(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return 0666;
    return st.st_mode & 0777;
}

}  // namespace

QString GameSettingsFile() {
    const QString folder = ConfigHome();
    return folder.isEmpty() ? QString() : folder + QLatin1String(kFileInFolder);
}

QStringList SystemSettingsFiles() {
    QStringList files;
    for (const QString& folder : ConfigDirs()) files.append(folder + QLatin1String(kFileInFolder));
    return files;
}

QMap<QString, QString> ReadSettings(const QString& path) {
    return ReadValues(path).value_or(QMap<QString, QString>());
}

std::optional<QString> ReadSetting(const QStringList& paths, const QString& key) {
    for (const QString& path : paths) {
        // A file there that cannot be read holds no value, and none is looked for behind it.
        const auto values = ReadValues(path);
        if (!values) return std::nullopt;
        const auto it = values->find(key);
        if (it != values->end()) return *it;
    }
    return std::nullopt;
}

bool WriteSettings(const QString& path, const QList<std::pair<QString, QVariant>>& values) {
    if (path.isEmpty() || Inspect(path) == FileKind::Unusable) return false;
    QMap<QString, QString> changes;
    for (const auto& [key, value] : values) {
        const QString text = PlainText(value);
        if (!IsPlainKey(key) || text.isNull()) return false;
        changes.insert(key, text);
    }
    bool stored = false;
    const bool locked = WithFileLock(path, [&] {
        // Read again under the lock: another writer may have changed the file meanwhile.
        auto all = ReadValues(path);
        if (!all) return;
        all->insert(changes);
        // A new file renamed over the old one, so that a failure leaves the old one whole;
        // over a link to a plain file, its target is replaced and the link stays.
        const QString target =
            Inspect(path) == FileKind::Plain ? QFileInfo(path).canonicalFilePath() : path;
        stored = ReplaceFile(target, SettingsText(*all), ModeOf(target)).isEmpty();
    });
    return locked && stored;
}

bool WithFileLock(const QString& path, const std::function<void()>& change) {
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    // Only a missing or plain lock file is tried at all: reading a pipe in its place would
    // never end.
    const QString lockPath = path + QStringLiteral(".lock");
    struct stat st {};
    if (::lstat(QFile::encodeName(lockPath).constData(), &st) == 0 && !S_ISREG(st.st_mode))
        return false;
    QLockFile lock(lockPath);
    if (!lock.tryLock(kLockWaitMs)) return false;
    change();
    return true;
}

}  // namespace tazkova::store
