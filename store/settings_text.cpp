#include "store/settings_text.h"

#include <QByteArrayView>
#include <QStringList>
#include <optional>

namespace tazkova::store {

namespace {

constexpr char kGeneralGroup[] = "General";

bool IsNameByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

QByteArrayView Trimmed(QByteArrayView text) {
    while (!text.isEmpty() && IsBlank(text.front())) text = text.sliced(1);
    while (!text.isEmpty() && IsBlank(text.back())) text.chop(1);
    return text;
}

/// A group or key of the file as the game names it ('\' is QSettings' way of writing '/'):
/// empty when it is not one.
QString NameOf(QByteArrayView text) {
    QByteArray name = text.toByteArray();
    name.replace('\\', '/');
    const QString key = QString::fromLatin1(name);
    return IsPlainKey(key) ? key : QString();
}

/// The plain value that `text` (trimmed, right of '=') stands for; nothing when it is not
/// one. Unquoted, it holds none of the characters QSettings would have quoted: a comma
/// would make it a list.
std::optional<QString> ValueOf(QByteArrayView text) {
    const bool quoted = text.size() >= 2 && text.front() == '"' && text.back() == '"';
    if (quoted) {
        text = text.sliced(1, text.size() - 2);
    } else {
        for (const char c : text) {
            if (c == ',' || c == ';' || c == '=') return std::nullopt;
        }
    }
    const QString value = QString::fromUtf8(text);
    if (!IsPlainValue(value)) return std::nullopt;
    return value;
}

/// Whether SettingsText must put `value` in quotes for it to read back as it is.
bool NeedsQuotes(const QString& value) {
    return value.startsWith(u' ') || value.endsWith(u' ') || value.contains(u',') ||
           value.contains(u';') || value.contains(u'=');
}

}  // namespace

bool IsPlainKey(const QString& key) {
    if (key.isEmpty()) return false;
    const QStringList names = key.split(u'/');
    for (const QString& name : names) {
        if (name.isEmpty()) return false;
        for (const QChar c : name) {
            if (c.unicode() > 0x7f || !IsNameByte(char(c.unicode()))) return false;
        }
    }
    return names.size() == 1 || names.front() != QLatin1String(kGeneralGroup);
}

bool IsPlainValue(const QString& value) {
    if (value.startsWith(u'@')) return false;
    for (const QChar c : value) {
        if (c.category() == QChar::Other_Control || c == u'"' || c == u'\\') return false;
    }
    return true;
}

QMap<QString, QString> ParseSettingsText(const QByteArray& text) {
    QMap<QString, QString> values;
    QString group;
    bool groupIsOurs = true;  // the keys before any section are those without a group
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0) end = text.size();
        const QByteArrayView line = Trimmed(QByteArrayView(text).sliced(start, end - start));
        start = end + 1;
        if (line.isEmpty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            const QByteArrayView name =
                line.back() == ']' ? Trimmed(line.sliced(1, line.size() - 2)) : QByteArrayView();
            group = name == kGeneralGroup ? QString() : NameOf(name);
            groupIsOurs = name == kGeneralGroup || !group.isEmpty();
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!groupIsOurs || equals <= 0) continue;
        const QString key = NameOf(Trimmed(line.first(equals)));
        const QString full = group.isEmpty() || key.isEmpty() ? key : group + u'/' + key;
        if (full.isEmpty() || !IsPlainKey(full)) continue;
        if (const auto value = ValueOf(Trimmed(line.sliced(equals + 1))))
            values.insert(full, *value);
    }
    return values;
}

QByteArray SettingsText(const QMap<QString, QString>& values) {
    // QSettings' own layout: the keys without a group under [General], then a section a
    // group, in the order of their names.
    QMap<QString, QStringList> groups;
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (!IsPlainKey(it.key()) || !IsPlainValue(it.value())) continue;
        const qsizetype slash = it.key().lastIndexOf(u'/');
        const QString group = slash < 0 ? QLatin1String(kGeneralGroup) : it.key().left(slash);
        const QString& value = it.value();
        groups[group].append(it.key().mid(slash + 1) + u'=' +
                             (NeedsQuotes(value) ? u'"' + value + u'"' : value));
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
