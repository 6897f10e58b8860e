/// Reading the header of a RIFF/WAVE image held in memory: what it holds and where its
/// samples lie, or nothing when it cannot be played as it is.
#pragma once

#include <QByteArrayView>
#include <optional>

namespace tazkova::sound {

/// The playable content of a wave image: uncompressed PCM, mono or stereo, 8, 16 or 32 bits
/// a sample, and the whole frames of its "data" chunk (a view into the image).
struct WaveImage {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    QByteArrayView pcm;

    int BytesPerFrame() const { return channels * (bitsPerSample / 8); }
    /// How long one pass of the sound lasts, in milliseconds (rounded up).
    qint64 DurationMs() const;
};

/// Checks the image and finds its samples. Nothing for an image that is not RIFF/WAVE, whose
/// format is not plain PCM we can play, or whose chunks run past the end of the data.
std::optional<WaveImage> ParseWaveImage(QByteArrayView image);

}  // namespace tazkova::sound
