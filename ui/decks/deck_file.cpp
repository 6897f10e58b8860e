#include "ui/decks/deck_file.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "store/plain_file.h"

namespace tazkova::ui {

std::optional<QByteArray> Inflate(const QByteArray& compressed, qint64 limit) {
    z_stream stream{};
    // 15 + 32: the window's largest size, with a gzip or zlib header found by itself.
    if (inflateInit2(&stream, 15 + 32) != Z_OK) return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.constData()));
    stream.avail_in = uInt(compressed.size());
    QByteArray out;
    int status = Z_OK;
    while (status == Z_OK) {
        // Grows by what it has, up to one byte past the limit, so that a text of exactly the
        // limit is read and a longer one is seen to be longer.
        const qint64 room =
            std::min<qint64>(std::max<qint64>(out.size(), 1 << 16), limit + 1 - out.size());
        if (room <= 0) break;
        const qsizetype before = out.size();
        out.resize(before + room);
        stream.next_out = reinterpret_cast<Bytef*>(out.data() + before);
        stream.avail_out = uInt(room);
        status = inflate(&stream, Z_NO_FLUSH);
        out.resize(before + room - stream.avail_out);
        if (status == Z_BUF_ERROR && stream.avail_in == 0) break;  // cut short
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END || out.size() > limit) return std::nullopt;
    return out;
}

int VoidOutsideReferences(QByteArray& svg) {
    static const QByteArray kHref = QByteArrayLiteral("href");
    int voided = 0;
    for (qsizetype at = svg.indexOf(kHref); at >= 0; at = svg.indexOf(kHref, at + 4)) {
        // href, blanks, '=', blanks, a quote: the value follows.
        qsizetype v = at + 4;
        while (v < svg.size() && std::strchr(" \t\r\n", svg[v]) && svg[v] != '\0') ++v;
        if (v >= svg.size() || svg[v] != '=') continue;
        ++v;
        while (v < svg.size() && std::strchr(" \t\r\n", svg[v]) && svg[v] != '\0') ++v;
        if (v >= svg.size() || (svg[v] != '"' && svg[v] != '\'')) continue;
        const char* value = svg.constData() + v + 1;
        const qsizetype left = svg.size() - v - 1;
        const bool inside =
            (left >= 1 && value[0] == '#') || (left >= 5 && std::strncmp(value, "data:", 5) == 0);
        if (inside) continue;
        // "hreF" is no attribute the renderer knows: the element is left with no source.
        svg[at + 3] = 'F';
        ++voided;
    }
    return voided;
}

std::optional<QByteArray> ReadDeckSvg(const QString& path) {
    if (store::Inspect(path, kMaxDeckFileBytes) != store::FileKind::Plain) return std::nullopt;
    std::optional<QByteArray> bytes = store::ReadPlainFile(path, kMaxDeckFileBytes);
    if (!bytes) return std::nullopt;
    // The gzip mark: an .svgz, or any deck file compressed whatever its name.
    if (bytes->startsWith("\x1f\x8b")) {
        bytes = Inflate(*bytes, kMaxDeckSvgBytes);
        if (!bytes) return std::nullopt;
    }
    VoidOutsideReferences(*bytes);
    return bytes;
}

}  // namespace tazkova::ui
