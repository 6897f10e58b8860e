#include "store/user_folders.h"

#include <QDir>
#include <QFileInfo>

#include "store/plain_file.h"

namespace tazkova::store {

namespace {

/// A folder named by the environment: absolute, and not the root itself; empty otherwise.
QString AbsoluteFolder(const char* variable) {
    const QString value = QDir::cleanPath(qEnvironmentVariable(variable));
    if (!QDir::isAbsolutePath(value) || value == QStringLiteral("/")) return {};
    return value;
}

/// The player's own folder of a kind: the variable's, else `fallback` under the home.
QString OwnFolder(const char* variable, const QString& fallback) {
    const QString own = AbsoluteFolder(variable);
    if (!own.isEmpty()) return own;
    const QString home = HomeFolder();
    return home.isEmpty() ? QString() : home + u'/' + fallback;
}

/// The absolute entries of a colon-separated list of folders, or `defaults` when it has none.
QStringList FolderList(const char* variable, const QStringList& defaults) {
    QStringList folders;
    for (const QString& entry : qEnvironmentVariable(variable).split(u':', Qt::SkipEmptyParts)) {
        const QString folder = QDir::cleanPath(entry);
        if (QDir::isAbsolutePath(folder) && !folders.contains(folder)) folders.append(folder);
    }
    return folders.isEmpty() ? defaults : folders;
}

}  // namespace

QString HomeFolder() {
    const QString home = AbsoluteFolder("HOME");
    return !home.isEmpty() && QFileInfo(home).isDir() ? home : QString();
}

QString ConfigHome() {
    return OwnFolder("XDG_CONFIG_HOME", QStringLiteral(".config"));
}

QStringList ConfigDirs() {
    return FolderList("XDG_CONFIG_DIRS", {QStringLiteral("/etc/xdg")});
}

QString DataHome() {
    return OwnFolder("XDG_DATA_HOME", QStringLiteral(".local/share"));
}

QStringList DataDirs() {
    QStringList folders = FolderList(
        "XDG_DATA_DIRS", {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")});
    const QString own = DataHome();
    if (!own.isEmpty()) folders.prepend(own);
    return folders;
}

QString DesktopFolder() {
    const QString home = HomeFolder();
    if (home.isEmpty()) return {};
    QString desktop = home + QStringLiteral("/Desktop");
    const QString config = ConfigHome();
    const std::optional<QByteArray> dirs =
        config.isEmpty() ? std::nullopt : ReadPlainFile(config + QStringLiteral("/user-dirs.dirs"));
    if (!dirs) return desktop;
    // Lines such as XDG_DESKTOP_DIR="$HOME/Desktop"; the last one counts.
    for (const QByteArray& raw : dirs->split('\n')) {
        const QByteArray line = raw.trimmed();
        constexpr char kKey[] = "XDG_DESKTOP_DIR=\"";
        if (!line.startsWith(kKey) || !line.endsWith('"') || line.size() < qsizetype(sizeof kKey))
            continue;
        const QString value =
            QString::fromUtf8(line.mid(sizeof kKey - 1, line.size() - qsizetype(sizeof kKey)));
        if (value == QStringLiteral("$HOME") || value.startsWith(QStringLiteral("$HOME/"))) {
            desktop = QDir::cleanPath(home + value.mid(5));
        } else if (QDir::isAbsolutePath(value)) {
            desktop = QDir::cleanPath(value);
        }
    }
    return desktop;
}

}  // namespace tazkova::store
