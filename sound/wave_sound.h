/// The wave-sound component: one complete wave file held in memory, played through the
/// program's wave-sound service once or looped, returning at once or when it has finished.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include "sound/wave_image.h"

class QIODevice;

namespace tazkova::sound {

/// Whether Play returns at once or when the sound has finished.
enum class WavePause { Async, Sync };
/// Whether the sound plays once or repeats until it is stopped or replaced.
enum class WaveLoop { Once, Loop };

/// The program's sound output: one sound at a time for the whole program, so a sound that
/// starts ends the one still playing.
class WaveSoundService {
  public:
    virtual ~WaveSoundService() = default;
    /// Plays the sound; with WavePause::Sync returns only after it has finished. False when
    /// the service refuses (no sound device, a request it cannot carry out).
    virtual bool PlaySound(const WaveImage& sound, WavePause pause, WaveLoop loop) = 0;
    /// Ends whatever sound is playing.
    virtual void Purge() = 0;
};

/// The service every component uses unless it is given its own: the sound device through Qt
/// Multimedia, made on first use and kept until the application object goes.
WaveSoundService& ProgramWaveService();

/// A sound of the game. Its data is the whole RIFF/WAVE image as it lies on disk; a new
/// component is empty, plays asynchronously and once.
class WaveSound : public QObject {
    Q_OBJECT

  public:
    explicit WaveSound(QObject* owner = nullptr);

    /// Plays the data. Raises game::WaveError "No wave data" when empty and "Error playing
    /// sound" when the image cannot be played or the service refuses it.
    void Play();
    /// Stops any sound of the program. Never fails.
    void Stop() noexcept;

    /// Replaces the data by everything from the stream's current position to its end.
    void LoadFromStream(QIODevice& stream);
    /// Opens the file read-only and loads it (Qt resource paths work too).
    void LoadFromFile(const QString& name);

    bool Empty() const { return data_.isEmpty(); }
    const QByteArray& Data() const { return data_; }
    qsizetype Size() const { return data_.size(); }

    const QString& WaveName() const { return waveName_; }
    /// Keeps the file-name part of the text; unless the component is being loaded, a file of
    /// that full name is read into the data. An empty text clears the name and the data.
    void SetWaveName(const QString& text);

    WavePause Pause() const { return pause_; }
    void SetPause(WavePause pause) { pause_ = pause; }
    WaveLoop Loop() const { return loop_; }
    void SetLoop(WaveLoop loop) { loop_ = loop; }

    /// While the component is set up from its stored state, naming it reads no file.
    void SetLoading(bool loading) { loading_ = loading; }
    bool Loading() const { return loading_; }

    /// The service this component plays through (nullptr: the program's).
    void SetService(WaveSoundService* service) { service_ = service; }
    WaveSoundService& Service() const;

  private:
    QByteArray data_;
    QString waveName_;
    WavePause pause_ = WavePause::Async;
    WaveLoop loop_ = WaveLoop::Once;
    bool loading_ = false;
    WaveSoundService* service_ = nullptr;
};

}  // namespace tazkova::sound
