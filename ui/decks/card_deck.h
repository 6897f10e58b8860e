/// One card deck of the desktop's, drawn from its SVG art: the 40 cards of the game and the
/// back, each an element of the document named as the desktop's card games name them.
#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QSvgRenderer>
#include <array>
#include <memory>

#include "game/cards.h"

namespace tazkova::ui {

/// The element names a deck may give card `card` (1..40: ace to seven, queen, jack, king of
/// clubs, diamonds, hearts and spades), or the back for 0: the KDE decks' ("queen_heart"),
/// then the GNOME decks' ("heart_queen").
std::array<QString, 2> ElementNames(int card);

class CardDeck {
  public:
    /// The deck in the file at `path`; nothing when it cannot be read (see ReadDeckSvg), is
    /// not SVG, or lacks one of the 40 cards.
    static std::unique_ptr<CardDeck> Load(const QString& path);
    /// The same from SVG text already read.
    static std::unique_ptr<CardDeck> FromSvg(const QByteArray& svg);

    /// Whether the deck draws a back of its own (otherwise ours is used).
    bool HasBack() const { return !ids_[0].isEmpty(); }
    /// The element card `card` (0 for the back) is drawn from.
    const QString& ElementOf(int card) const { return ids_[card]; }
    /// Where card `card` lies in the document: its element's bounds through the transforms of
    /// the groups around it.
    QRectF BoxOf(int card) const { return boxes_[card]; }
    /// Where the card is drawn in a picture of `pixels`: its box's proportions kept, as large
    /// as fits, centred.
    static QRectF FittedPlace(QRectF box, QSize pixels);
    /// Card `card` (0 for the back, which must exist) drawn at `pixels` device pixels, on a
    /// transparent ground.
    QImage Draw(int card, QSize pixels) const;

  private:
    CardDeck() = default;
    mutable QSvgRenderer renderer_;
    std::array<QString, game::kDeckSize + 1> ids_;
    std::array<QRectF, game::kDeckSize + 1> boxes_;
};

}  // namespace tazkova::ui
