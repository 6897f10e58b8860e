/// The game's pictures, drawn from the embedded SVG art at the size they are shown.
#pragma once

#include <QPixmap>
#include <QString>

namespace tazkova::ui {

/// Renders the embedded picture `name` (without ".svg") at `width` x `height` logical
/// pixels, sharp on high-density screens. Pictures are cached.
QPixmap Picture(const QString& name, int width, int height, qreal devicePixelRatio = 1.0);

/// The resource file of the embedded picture `name` (without ".svg"), for reading it whole.
QString PictureFile(const QString& name);

}  // namespace tazkova::ui
