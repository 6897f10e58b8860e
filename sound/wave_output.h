/// The wave-sound service on the sound device: the samples of one sound at a time, once or
/// looped, through Qt Multimedia.
#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QIODevice>
#include <QObject>
#include <memory>

#include "sound/wave_sound.h"

class QAudioSink;
class QEventLoop;

namespace tazkova::sound {

/// The samples of one sound as a read-only stream; a looping one starts again from its first
/// frame whenever it reaches the end, so it never runs dry.
class PcmSource : public QIODevice {
  public:
    PcmSource(QByteArray pcm, bool loop);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    bool atEnd() const override { return bytesAvailable() == 0; }
    /// Bytes handed out so far, every pass of a loop counted.
    qint64 BytesRead() const { return bytesRead_; }

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    QByteArray pcm_;
    bool loop_;
    qint64 offset_ = 0;
    qint64 bytesRead_ = 0;
};

/// Where the samples go: the part of the service that needs a sound device.
class PcmOutput : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;
    /// Starts pulling samples of `format` from `source`, ending what was playing before.
    /// False when no device takes them.
    virtual bool Start(PcmSource& source, const QAudioFormat& format) = 0;
    /// Ends the stream at once; Finished does not follow.
    virtual void Stop() = 0;

  signals:
    /// The source ran dry and its last samples have been heard, or the device gave up.
    void Finished();
};

/// The default sound output through QAudioSink.
class AudioSinkOutput : public PcmOutput {
    Q_OBJECT

  public:
    using PcmOutput::PcmOutput;
    ~AudioSinkOutput() override;

    bool Start(PcmSource& source, const QAudioFormat& format) override;
    void Stop() override;

  private:
    void OnStateChanged();

    QAudioSink* sink_ = nullptr;
    PcmSource* source_ = nullptr;
    QAudioFormat format_;
    int run_ = 0;  // counts the starts and stops, so a stale end is not reported
};

/// The program's wave-sound service: one sound at a time, once or looped, asynchronous or
/// waited for in a local event loop that leaves the player's input alone.
class DeviceWaveService : public QObject, public WaveSoundService {
    Q_OBJECT

  public:
    explicit DeviceWaveService(std::unique_ptr<PcmOutput> output, QObject* parent = nullptr);
    ~DeviceWaveService() override;

    bool PlaySound(const WaveImage& sound, WavePause pause, WaveLoop loop) override;
    void Purge() override;

    /// Whether a sound is being heard now.
    bool Playing() const { return playing_; }

    /// The sample format a wave image is played in.
    static QAudioFormat FormatOf(const WaveImage& sound);

  private:
    void EndCurrent();
    void OnFinished();

    std::unique_ptr<PcmOutput> output_;
    std::unique_ptr<PcmSource> source_;
    QEventLoop* waiting_ = nullptr;
    bool playing_ = false;
};

}  // namespace tazkova::sound
