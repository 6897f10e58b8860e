#include "ui/decks/table_deck.h"

#include <QHash>
#include <QList>

#include "game/cards.h"
#include "ui/decks/card_deck.h"
#include "ui/decks/deck_catalogue.h"
#include "ui/style/pictures.h"

namespace tazkova::ui {

namespace {

/// The sizes whose pictures are kept: the table's present size and the last ones it had, so
/// that a window resized by the pixel does not keep every size it passed through.
constexpr int kSizesKept = 3;

struct DeckInUseNow {
    std::shared_ptr<const CardDeck> deck;
    QString key;
    QHash<QString, QPixmap> pictures;  // "card@WxH@ratio"
    QList<QString> sizes;              // "WxH@ratio", the latest last
};

DeckInUseNow& Now() {
    static DeckInUseNow now;
    return now;
}

QString OurPictureName(int card) {
    return card == 0 ? QStringLiteral("back")
                     : QStringLiteral("card%1").arg(card, 2, 10, QLatin1Char('0'));
}

/// A picture of card `card` at `pixels` to show until the sharp one is drawn: the card as
/// drawn at another size, else drawn at half the size; either enlarged or reduced smoothly.
QPixmap StandIn(int card, QSize pixels) {
    DeckInUseNow& now = Now();
    const QString prefix = QString::number(card) + u'@';
    QImage image;
    for (auto it = now.pictures.constBegin(); it != now.pictures.constEnd(); ++it) {
        if (it.key().startsWith(prefix)) {
            image = it.value().toImage();
            break;
        }
    }
    if (image.isNull()) image = now.deck->Draw(card, pixels / 2);
    return QPixmap::fromImage(
        image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

/// Card `card`, 0 for the back.
QPixmap DeckPicture(int card, int width, int height, qreal ratio, bool quickly = false,
                    bool* sharp = nullptr) {
    DeckInUseNow& now = Now();
    if (sharp) *sharp = true;
    if (!now.deck || (card == 0 && !now.deck->HasBack()))
        return Picture(OurPictureName(card), width, height, ratio);
    const QString size = QStringLiteral("%1x%2@%3").arg(width).arg(height).arg(ratio);
    const QString key = QString::number(card) + u'@' + size;
    if (const auto it = now.pictures.constFind(key); it != now.pictures.constEnd()) return *it;
    const QSize pixels(qRound(width * ratio), qRound(height * ratio));
    if (quickly) {
        QPixmap standIn = StandIn(card, pixels);
        standIn.setDevicePixelRatio(ratio);
        if (sharp) *sharp = false;
        return standIn;
    }
    if (!now.sizes.contains(size)) {
        if (now.sizes.size() >= kSizesKept) {
            const QString oldest = now.sizes.takeFirst();
            now.pictures.removeIf(
                [&](const auto& entry) { return entry.key().endsWith(u'@' + oldest); });
        }
        now.sizes.append(size);
    }
    QPixmap picture = QPixmap::fromImage(now.deck->Draw(card, pixels));
    picture.setDevicePixelRatio(ratio);
    now.pictures.insert(key, picture);
    return picture;
}

}  // namespace

QPixmap CardFace(int card, int width, int height, qreal devicePixelRatio, bool quickly,
                 bool* sharp) {
    if (sharp) *sharp = true;
    if (card < 1 || card > game::kDeckSize) return {};
    return DeckPicture(card, width, height, devicePixelRatio, quickly, sharp);
}

QPixmap TablePicture(const QString& name, int width, int height, qreal devicePixelRatio) {
    if (name == QStringLiteral("back")) return DeckPicture(0, width, height, devicePixelRatio);
    if (name.startsWith(QStringLiteral("card"))) {
        bool number = false;
        const int card = name.mid(4).toInt(&number);
        if (number) return CardFace(card, width, height, devicePixelRatio);
    }
    return Picture(name, width, height, devicePixelRatio);
}

void UseDeck(std::shared_ptr<const CardDeck> deck, const QString& key) {
    DeckInUseNow& now = Now();
    now.deck = std::move(deck);
    now.key = now.deck ? key : QString();
    now.pictures.clear();
    now.sizes.clear();
}

QString DeckInUse() {
    return Now().key;
}

DeckChange ChangeDeck(const QString& key) {
    if (key == QLatin1String(kOurDeckKey)) {
        UseDeck(nullptr, {});
        return {};
    }
    const std::optional<DeckEntry> entry = FindDeck(key);
    std::shared_ptr<const CardDeck> deck = entry ? CardDeck::Load(entry->file) : nullptr;
    const bool found = deck != nullptr;
    UseDeck(std::move(deck), key);
    if (!entry) return {DeckChange::Result::Gone, {}};
    return {found ? DeckChange::Result::Done : DeckChange::Result::Unreadable, entry->name};
}

}  // namespace tazkova::ui
