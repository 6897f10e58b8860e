#include "ui/decks/deck_catalogue.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

#include "store/plain_file.h"
#include "store/settings_text.h"
#include "store/user_folders.h"

namespace tazkova::ui {

namespace {

/// At most this many decks are looked at in one folder: a folder of thousands is no deck
/// collection.
constexpr int kMaxDecksAFolder = 200;

/// The value of `key` in the [KDE Backdeck] group of an index.desktop text, or empty.
QString IndexValue(const QStringList& lines, const QString& key) {
    bool inGroup = false;
    const QString prefix = key + u'=';
    for (const QString& line : lines) {
        const QString text = line.trimmed();
        if (text.startsWith(u'['))
            inGroup = text == QStringLiteral("[KDE Backdeck]");
        else if (inGroup && text.startsWith(prefix))
            return text.mid(prefix.size()).trimmed();
    }
    return {};
}

/// A file name standing alone: no folder, no way out of the deck's folder.
bool IsLoneFileName(const QString& name) {
    return !name.isEmpty() && !name.contains(u'/') && name != QStringLiteral(".") &&
           name != QStringLiteral("..");
}

std::optional<DeckEntry> KdeDeck(const QDir& folder) {
    const std::optional<QByteArray> index =
        store::ReadPlainFile(folder.filePath(QStringLiteral("index.desktop")));
    if (!index) return std::nullopt;
    const QStringList lines = QString::fromUtf8(*index).split(u'\n');
    const QString svg = IndexValue(lines, QStringLiteral("SVG"));
    if (!IsLoneFileName(svg)) return std::nullopt;
    QString name = IndexValue(lines, QStringLiteral("Name[ar]"));
    if (name.isEmpty()) name = IndexValue(lines, QStringLiteral("Name"));
    if (name.isEmpty()) name = folder.dirName();
    return DeckEntry{folder.dirName(), name, folder.filePath(svg)};
}

void AddDeck(std::vector<DeckEntry>& decks, QSet<QString>& keys, std::optional<DeckEntry> deck) {
    if (!deck || deck->key == QLatin1String(kOurDeckKey) || !store::IsPlainValue(deck->key) ||
        keys.contains(deck->key))
        return;
    keys.insert(deck->key);
    decks.push_back(std::move(*deck));
}

}  // namespace

std::vector<DeckEntry> FindDecks(const QStringList& dataFolders) {
    std::vector<DeckEntry> decks;
    QSet<QString> keys;
    for (const QString& data : dataFolders) {
        const QDir kde(data + QStringLiteral("/carddecks"));
        const QStringList folders = kde.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString& folder : folders.mid(0, kMaxDecksAFolder))
            AddDeck(decks, keys, KdeDeck(QDir(kde.filePath(folder))));
        const QDir gnome(data + QStringLiteral("/aisleriot/cards"));
        const QStringList files =
            gnome.entryList({QStringLiteral("*.svg"), QStringLiteral("*.svgz")},
                            QDir::Files | QDir::System, QDir::Name);
        for (const QString& file : files.mid(0, kMaxDecksAFolder)) {
            QString name = QFileInfo(file).completeBaseName();
            if (!name.isEmpty()) name[0] = name[0].toUpper();
            AddDeck(decks, keys, DeckEntry{file, name, gnome.filePath(file)});
        }
    }
    QCollator collator{QLocale(QLocale::Arabic)};
    std::stable_sort(decks.begin(), decks.end(), [&](const DeckEntry& a, const DeckEntry& b) {
        return collator.compare(a.name, b.name) < 0;
    });
    return decks;
}

std::vector<DeckEntry> FindDecks() {
    return FindDecks(store::DataDirs());
}

std::optional<DeckEntry> FindDeck(const QString& key) {
    for (DeckEntry& deck : FindDecks())
        if (deck.key == key) return std::move(deck);
    return std::nullopt;
}

}  // namespace tazkova::ui
