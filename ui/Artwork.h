/// The table's pictures, drawn from the embedded SVG art at the screen's pixel density.
#pragma once

#include <QFont>
#include <QPixmap>
#include <QString>

namespace tazkova::ui {

/// Renders the embedded picture `name` (without ".svg") at `width` x `height` logical
/// pixels, sharp on high-density screens. Pictures are cached.
QPixmap Picture(const QString& name, int width, int height, qreal devicePixelRatio = 1.0);

/// The face of card n (1..40), 71 x 96.
QPixmap CardFace(int card, qreal devicePixelRatio = 1.0);

/// The back of the cards, 71 x 96.
QPixmap CardBack(qreal devicePixelRatio = 1.0);

/// The font for Arabic texts, with the pixel size given.
QFont ArabicFont(int pixelSize, bool bold = false);

}  // namespace tazkova::ui
