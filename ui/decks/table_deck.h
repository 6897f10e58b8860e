/// The deck the table's cards are drawn from: our own art, or a deck of the desktop's the
/// player chose. Its pictures are drawn when first asked for at a size and kept for that
/// size; a change of deck forgets them.
#pragma once

#include <QPixmap>
#include <QString>
#include <memory>

namespace tazkova::ui {

class CardDeck;

/// Card `card` (1..40) at `width` x `height` logical pixels, from the deck in use. Asked
/// `quickly`, a picture of a deck's not yet drawn at that size may come drawn less sharp (from
/// the card at another size, or drawn smaller and enlarged), and `*sharp` is then false: ask
/// again without haste, soon, for the sharp picture.
QPixmap CardFace(int card, int width, int height, qreal devicePixelRatio, bool quickly = false,
                 bool* sharp = nullptr);

/// One of the game's pictures (ui/style/pictures.h) at that size, the card back and the card
/// faces ("back", "card01" ... "card40") from the deck in use.
QPixmap TablePicture(const QString& name, int width, int height, qreal devicePixelRatio);

/// Draws the cards from `deck`, remembered as `key`; ours again for no deck.
void UseDeck(std::shared_ptr<const CardDeck> deck, const QString& key);

/// The key of the deck in use: empty for ours.
QString DeckInUse();

/// What became of a change of deck.
struct DeckChange {
    enum class Result { Done, Gone, Unreadable };
    Result result = Result::Done;
    QString name;  // the deck's name as the player reads it, when it is installed
};

/// Draws the table's cards from the deck remembered as `key` (ours for kOurDeckKey), read
/// now. Ours is used when no deck of that key is installed (Gone) and when its art cannot
/// be drawn (Unreadable).
DeckChange ChangeDeck(const QString& key);

}  // namespace tazkova::ui
