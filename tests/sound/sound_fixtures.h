// Wave images made to measure, and a wave-sound service that records instead of playing.
#pragma once

#include <QByteArray>
#include <QtEndian>
#include <string>
#include <vector>

#include "game/ports.h"
#include "sound/wave_sound.h"

namespace tazkova::testing {

using namespace tazkova::sound;
using namespace tazkova::game;

inline void PutU32(QByteArray& bytes, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    bytes.append(b, 4);
}

inline void PutU16(QByteArray& bytes, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    bytes.append(b, 2);
}

/// The 16-byte body of a "fmt " chunk.
inline QByteArray FmtBody(int tag, int channels, int rate, int bits, int blockAlign = -1) {
    if (blockAlign < 0) blockAlign = channels * bits / 8;
    QByteArray body;
    PutU16(body, quint16(tag));
    PutU16(body, quint16(channels));
    PutU32(body, quint32(rate));
    PutU32(body, quint32(rate * blockAlign));
    PutU16(body, quint16(blockAlign));
    PutU16(body, quint16(bits));
    return body;
}

inline QByteArray Chunk(const char* id, const QByteArray& body, qint64 declaredSize = -1) {
    QByteArray chunk(id, 4);
    PutU32(chunk, quint32(declaredSize < 0 ? body.size() : declaredSize));
    chunk += body;
    if (body.size() % 2) chunk += '\0';
    return chunk;
}

/// "RIFF", size, "WAVE" and the chunks, with the RIFF size counted unless given.
inline QByteArray Riff(const QByteArray& chunks, qint64 declaredSize = -1) {
    QByteArray image("RIFF");
    PutU32(image, quint32(declaredSize < 0 ? chunks.size() + 4 : declaredSize));
    image += "WAVE";
    image += chunks;
    return image;
}

/// Distinct sample bytes, so a test can tell which ones were played.
inline QByteArray Samples(int n, int seed = 0) {
    QByteArray pcm;
    for (int i = 0; i < n; ++i) pcm += char((i * 7 + seed) & 0xFF);
    return pcm;
}

/// A complete 8-bit mono image at 11025 Hz.
inline QByteArray MonoWave(const QByteArray& pcm) {
    return Riff(Chunk("fmt ", FmtBody(1, 1, 11025, 8)) + Chunk("data", pcm));
}

/// One request the service received.
struct ServiceCall {
    bool purge = false;
    std::string mode;  // "async once", "sync once", "async loop" or "sync loop"
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    QByteArray pcm;
};

/// Accepts (or refuses) every sound and keeps the requests in order.
class RecordingWaveService : public WaveSoundService {
  public:
    bool PlaySound(const WaveImage& sound, WavePause pause, WaveLoop loop) override {
        const std::string mode = std::string(pause == WavePause::Async ? "async" : "sync") +
                                 (loop == WaveLoop::Loop ? " loop" : " once");
        calls.push_back({false, mode, sound.channels, sound.sampleRate, sound.bitsPerSample,
                         sound.pcm.toByteArray()});
        if (log) log->push_back("play");
        return !refuse;
    }
    void Purge() override {
        ServiceCall call;
        call.purge = true;
        calls.push_back(call);
        if (log) log->push_back("purge");
    }

    std::vector<ServiceCall> calls;
    bool refuse = false;
    std::vector<std::string>* log = nullptr;  // shared with the test
};

}  // namespace tazkova::testing
