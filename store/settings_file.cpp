#include "store/settings_file.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <optional>

#include "store/plain_file.h"
#include "store/user_folders.h"

namespace tazkova::store {

namespace {

constexpr char kFileInFolder[] = "/Qorvel/Tazkova.conf";

/// Which file stands at `path` after its links; nothing when none does.
std::optional<std::pair<dev_t, ino_t>> FileIdentity(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return std::nullopt;
    return std::pair{st.st_dev, st.st_ino};
}

/// Whether the lock file beside `path` can be had within kLockWaitMs, asked before QSettings
/// is let near it: QSettings waits for its lock without end.
bool LockIsFree(const QString& path) {
    return WithFileLock(path, [] {});
}

constexpr char kGeneralGroup[] = "General";

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

QVariantMap ReadSettings(const QString& path) {
    QVariantMap values;
    if (Inspect(path) != FileKind::Plain) return values;
    // QSettings reads every line it can make sense of; its status would only say that some
    // line could not be read, which does not spoil the others.
    const QSettings settings(path, QSettings::IniFormat);
    for (const QString& key : settings.allKeys()) values.insert(key, settings.value(key));
    return values;
}

QVariant ReadSetting(const QStringList& paths, const QString& key) {
    for (const QString& path : paths) {
        const FileKind kind = Inspect(path);
        if (kind == FileKind::Missing) continue;
        // A file there that cannot be read holds no value, and none is looked for behind it.
        if (kind == FileKind::Unusable || !QFileInfo(path).isReadable()) return {};
        const QVariant value = QSettings(path, QSettings::IniFormat).value(key);
        if (value.isValid()) return value;
    }
    return {};
}

bool WriteSettings(const QString& path, const QList<std::pair<QString, QVariant>>& values) {
    if (path.isEmpty() || Inspect(path) == FileKind::Unusable) return false;
    if (!LockIsFree(path)) return false;
    const auto before = FileIdentity(path);
    QSettings::Status status;
    {
        QSettings settings(path, QSettings::IniFormat);
        for (const auto& [key, value] : values) settings.setValue(key, value);
        settings.sync();
        status = settings.status();
    }
    // QSettings always writes a new file and renames it into place, so a new file there is
    // the sign that the values were stored. Its status cannot say it alone: a line it could
    // not read earlier leaves a format error standing after a good write.
    const auto after = FileIdentity(path);
    return status != QSettings::AccessError && after && after != before;
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

QMap<QString, QString> ParseSettingsText(const QByteArray& text) {
    QMap<QString, QString> values;
    QString group;
    for (const QByteArray& bytes : text.split('\n')) {
        const QString line = QString::fromUtf8(bytes).trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) continue;
        if (line.startsWith(u'[')) {
            group = line.endsWith(u']') ? line.mid(1, line.size() - 2).trimmed() : QString();
            if (group == QLatin1String(kGeneralGroup)) group.clear();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0) continue;
        QString key = line.left(equals).trimmed().replace(u'\\', u'/');
        QString value = line.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
            value = value.mid(1, value.size() - 2);
        values.insert(group.isEmpty() ? key : group + u'/' + key, value);
    }
    return values;
}

QByteArray SettingsText(const QMap<QString, QString>& values) {
    // QSettings' own layout: the keys without a group under [General], then a section a
    // group, in the order of their names.
    QMap<QString, QStringList> groups;
    for (auto it = values.begin(); it != values.end(); ++it) {
        const qsizetype slash = it.key().lastIndexOf(u'/');
        const QString group = slash < 0 ? QLatin1String(kGeneralGroup) : it.key().left(slash);
        groups[group].append(it.key().mid(slash + 1) + u'=' + it.value());
    }
    QByteArray text;
    const auto section = [&](const QString& name, const QStringList& lines) {
        if (!text.isEmpty()) text += '\n';
        text += '[' + name.toUtf8() + "]\n" + lines.join(u'\n').toUtf8() + '\n';
    };
    const QString general = QLatin1String(kGeneralGroup);
    if (groups.contains(general)) section(general, groups.take(general));
    for (auto it = groups.begin(); it != groups.end(); ++it) section(it.key(), it.value());
    return text;
}

}  // namespace tazkova::store
