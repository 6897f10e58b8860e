/// The card decks installed on the desktop, found in every data folder as the XDG rules
/// give them: the KDE decks (`carddecks/NAME/index.desktop`, which names the deck and its SVG
/// file) and the GNOME decks (`aisleriot/cards/NAME.svg` or `.svgz`). Finding them reads only
/// the small index files, never a deck's art.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace tazkova::ui {

/// The key our own deck is remembered by: no deck of the desktop's is listed under it.
inline constexpr char kOurDeckKey[] = "tazkova";

struct DeckEntry {
    QString key;   // what the settings remember: the deck's folder or file name, no path
    QString name;  // as the player reads it: the deck's Arabic name where it gives one
    QString file;  // its SVG file
};

/// The decks under `dataFolders` (by default store::DataDirs()), a key found twice counting in
/// the first folder only, by name. A deck whose key the settings could not keep as a plain
/// name, whose index cannot be read, or whose SVG file is not a plain file name beside it, is
/// left out; whether its art can be drawn is known only once it is read.
std::vector<DeckEntry> FindDecks(const QStringList& dataFolders);
std::vector<DeckEntry> FindDecks();

/// The deck remembered as `key`, if it is still there.
std::optional<DeckEntry> FindDeck(const QString& key);

}  // namespace tazkova::ui
