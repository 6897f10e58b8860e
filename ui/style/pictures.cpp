#include "ui/style/pictures.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

// The pictures live in a static library; their resource must be registered by hand.
static void RegisterPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace tazkova::ui {

QString PictureFile(const QString& name) {
    static const bool registered = (RegisterPictures(), true);
    (void)registered;
    return QStringLiteral(":/cards/%1.svg").arg(name);
}

QPixmap Picture(const QString& name, int width, int height, qreal devicePixelRatio) {
    static QHash<QString, QPixmap> cache;
    const QString key =
        QStringLiteral("%1@%2x%3@%4").arg(name).arg(width).arg(height).arg(devicePixelRatio);
    if (const auto it = cache.constFind(key); it != cache.constEnd()) return *it;

    QPixmap pixmap(qRound(width * devicePixelRatio), qRound(height * devicePixelRatio));
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(PictureFile(name));
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, pixmap.width(), pixmap.height()));
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    cache.insert(key, pixmap);
    return pixmap;
}

}  // namespace tazkova::ui
