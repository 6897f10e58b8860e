#include "Artwork.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

// The pictures live in a static library; their resource must be registered by hand.
static void RegisterPictures() {
    Q_INIT_RESOURCE(table);
}

namespace tazkova::ui {

QPixmap Picture(const QString& name, int width, int height, qreal devicePixelRatio) {
    static const bool registered = (RegisterPictures(), true);
    (void)registered;
    static QHash<QString, QPixmap> cache;
    const QString key =
        QStringLiteral("%1@%2x%3@%4").arg(name).arg(width).arg(height).arg(devicePixelRatio);
    if (const auto it = cache.constFind(key); it != cache.constEnd()) return *it;

    QPixmap pixmap(qRound(width * devicePixelRatio), qRound(height * devicePixelRatio));
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/cards/%1.svg").arg(name));
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, pixmap.width(), pixmap.height()));
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    cache.insert(key, pixmap);
    return pixmap;
}

QPixmap CardFace(int card, qreal devicePixelRatio) {
    return Picture(QStringLiteral("card%1").arg(card, 2, 10, QLatin1Char('0')), 71, 96,
                   devicePixelRatio);
}

QPixmap CardBack(qreal devicePixelRatio) {
    return Picture(QStringLiteral("back"), 71, 96, devicePixelRatio);
}

QFont ArabicFont(int pixelSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans Arabic"), QStringLiteral("Noto Naskh Arabic"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace tazkova::ui
