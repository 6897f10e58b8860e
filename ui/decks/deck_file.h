/// A card deck's SVG text, read from the desktop's deck folders without trusting them: never
/// waiting on a pipe or a device, never reading or inflating beyond a bound, and never
/// letting the drawing reach for another file.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tazkova::ui {

/// The largest deck file read (the largest deck Debian ships is 3.2 MB compressed).
inline constexpr qint64 kMaxDeckFileBytes = qint64(16) << 20;
/// The largest SVG text a deck may hold once inflated (the same deck: 11 MB).
inline constexpr qint64 kMaxDeckSvgBytes = qint64(48) << 20;

/// The SVG text of the deck file at `path` (plain SVG or gzip-compressed, as .svgz is), its
/// references to other files made void; nothing when the file is not a plain file of at most
/// kMaxDeckFileBytes, cannot be read, or inflates to more than kMaxDeckSvgBytes or not at all.
std::optional<QByteArray> ReadDeckSvg(const QString& path);

/// `compressed` (gzip or zlib) inflated, or nothing when it is broken or would grow beyond
/// `limit` bytes.
std::optional<QByteArray> Inflate(const QByteArray& compressed, qint64 limit);

/// Makes void, in place, every `href` of `svg` that names something other than a part of the
/// document itself or data written in it: the SVG renderer would read such a file (a pipe
/// there would hang it). Returns how many it voided.
int VoidOutsideReferences(QByteArray& svg);

}  // namespace tazkova::ui
