#include "ui/decks/card_deck.h"

#include <QCoreApplication>
#include <QPainter>

#include "ui/decks/deck_file.h"

namespace tazkova::ui {

std::array<QString, 2> ElementNames(int card) {
    if (card == 0) return {QStringLiteral("back"), QStringLiteral("back")};
    static const char* const kSuits[] = {"club", "diamond", "heart", "spade"};
    // Ranks 1 to 7 by their number; the game's 8, 9 and 10 are the queen, the jack, the king.
    static const char* const kCourts[] = {"queen", "jack", "king"};
    const int rank = game::CardRank(card);
    const QString suit = QLatin1String(kSuits[(card - 1) / 10]);
    const QString face = rank <= 7 ? QString::number(rank) : QLatin1String(kCourts[rank - 8]);
    return {face + u'_' + suit, suit + u'_' + face};
}

std::unique_ptr<CardDeck> CardDeck::Load(const QString& path) {
    const std::optional<QByteArray> svg = ReadDeckSvg(path);
    return svg ? FromSvg(*svg) : nullptr;
}

std::unique_ptr<CardDeck> CardDeck::FromSvg(const QByteArray& svg) {
    std::unique_ptr<CardDeck> deck(new CardDeck);
    // No animation, so no timer: a deck may be read on a thread without an event loop. It is
    // drawn on the window's thread, whichever thread read it.
    deck->renderer_.setFramesPerSecond(0);
    if (!deck->renderer_.load(svg) || !deck->renderer_.isValid()) return nullptr;
    if (QCoreApplication::instance())
        deck->renderer_.moveToThread(QCoreApplication::instance()->thread());
    for (int card = 0; card <= game::kDeckSize; ++card) {
        for (const QString& name : ElementNames(card)) {
            if (!deck->renderer_.elementExists(name)) continue;
            const QRectF box = deck->renderer_.transformForElement(name).mapRect(
                deck->renderer_.boundsOnElement(name));
            // An element with no area, or one drawn beyond any size a picture can take, is no
            // card.
            if (!box.isValid() || !qIsFinite(box.width() * box.height()) || box.width() > 1e6 ||
                box.height() > 1e6)
                continue;
            deck->ids_[card] = name;
            deck->boxes_[card] = box;
            break;
        }
        if (card > 0 && deck->ids_[card].isEmpty()) return nullptr;
    }
    return deck;
}

QRectF CardDeck::FittedPlace(QRectF box, QSize pixels) {
    const QSizeF fitted = box.size().scaled(QSizeF(pixels), Qt::KeepAspectRatio);
    return QRectF(
        QPointF((pixels.width() - fitted.width()) / 2, (pixels.height() - fitted.height()) / 2),
        fitted);
}

QImage CardDeck::Draw(int card, QSize pixels) const {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The renderer maps the element's own bounds onto the place given, so a place of the
    // box's proportions draws the card as the document shows it, whatever the groups around it
    // scale.
    renderer_.render(&painter, ids_[card], FittedPlace(boxes_[card], pixels));
    return image;
}

}  // namespace tazkova::ui
