#include "sound/wave_image.h"

#include <cstdint>

namespace tazkova::sound {

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr int kMinRate = 1000;
constexpr int kMaxRate = 192000;

std::uint32_t ReadU32(QByteArrayView bytes, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

std::uint16_t ReadU16(QByteArrayView bytes, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    return std::uint16_t(p[0] | p[1] << 8);
}

bool IdIs(QByteArrayView bytes, qsizetype at, const char (&id)[5]) {
    return bytes.sliced(at, 4) == QByteArrayView(id, 4);
}

}  // namespace

qint64 WaveImage::DurationMs() const {
    const qint64 bytesPerSecond = qint64(sampleRate) * BytesPerFrame();
    if (bytesPerSecond <= 0) return 0;
    return (pcm.size() * 1000 + bytesPerSecond - 1) / bytesPerSecond;
}

std::optional<WaveImage> ParseWaveImage(QByteArrayView image) {
    if (image.size() < 12 || !IdIs(image, 0, "RIFF") || !IdIs(image, 8, "WAVE")) return {};
    // The RIFF size counts everything after its own eight bytes; bytes beyond it are ignored,
    // a RIFF that claims more than there is was cut short.
    const qint64 riffEnd = 8 + qint64(ReadU32(image, 4));
    if (riffEnd < 12 || riffEnd > image.size()) return {};

    std::optional<WaveImage> format;
    std::optional<QByteArrayView> data;
    qint64 at = 12;
    while (at + 8 <= riffEnd && !(format && data)) {
        const qint64 size = ReadU32(image, at + 4);
        const qint64 body = at + 8;
        if (body + size > riffEnd) return {};
        if (IdIs(image, at, "fmt ") && !format) {
            if (size < 16) return {};
            WaveImage f;
            const std::uint16_t tag = ReadU16(image, body);
            f.channels = ReadU16(image, body + 2);
            const std::uint32_t rate = ReadU32(image, body + 4);
            const int blockAlign = ReadU16(image, body + 12);
            f.bitsPerSample = ReadU16(image, body + 14);
            if (tag != kFormatPcm || f.channels < 1 || f.channels > 2) return {};
            if (f.bitsPerSample != 8 && f.bitsPerSample != 16 && f.bitsPerSample != 32) return {};
            if (rate < kMinRate || rate > kMaxRate || blockAlign != f.BytesPerFrame()) return {};
            f.sampleRate = int(rate);
            format = f;
        } else if (IdIs(image, at, "data") && !data) {
            data = image.sliced(body, size);
        }
        at = body + size + (size & 1);  // chunks start on even offsets
    }
    if (!format || !data) return {};
    // A frame cut in half at the end is not played.
    format->pcm = data->first(data->size() - data->size() % format->BytesPerFrame());
    return format;
}

}  // namespace tazkova::sound
