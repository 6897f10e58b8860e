/// The wave-sound component: one complete wave file held in memory, played through the
/// program's wave-sound service once or looped, returning at once or when it has finished.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

#include "WaveImage.h"
#include "ports.h"

class QIODevice;

namespace tazkova {

/// Whether Play returns at once (wpAsync) or when the sound has finished (wpsSync).
enum TWavePause : std::uint8_t { wpAsync = 0, wpsSync = 1 };
/// Whether the sound plays once (wlNoLoop) or repeats until stopped or replaced (wlLoop).
enum TWaveLoop : std::uint8_t { wlNoLoop = 0, wlLoop = 1 };

/// The flags of a request to the wave-sound service.
inline constexpr unsigned SND_SYNC = 0x0000;
inline constexpr unsigned SND_ASYNC = 0x0001;
inline constexpr unsigned SND_MEMORY = 0x0004;
inline constexpr unsigned SND_LOOP = 0x0008;

/// The program's sound output: one sound at a time for the whole program, so a sound that
/// starts ends the one still playing.
class WaveSoundService {
  public:
    virtual ~WaveSoundService() = default;
    /// Plays the sound with the SND_ flags; returns after it has finished unless SND_ASYNC is
    /// set. False when the service refuses (no sound device, a request it cannot carry out).
    virtual bool PlaySound(const WaveImage& sound, unsigned flags) = 0;
    /// Ends whatever sound is playing.
    virtual void Purge() = 0;
};

/// The service every component uses unless it is given its own: the sound device through Qt
/// Multimedia, made on first use and kept until the application object goes.
WaveSoundService& ProgramWaveService();
/// Puts another service in place of the program's (nullptr: back to the sound device). The
/// caller keeps ownership.
void SetProgramWaveService(WaveSoundService* service);

/// A sound of the game. Its data is the whole RIFF/WAVE image as it lies on disk; a new
/// component is empty, plays asynchronously and once.
class TWaveFile : public QObject {
    Q_OBJECT

  public:
    using TNotifyEvent = std::function<void(QObject* sender)>;

    explicit TWaveFile(QObject* owner = nullptr);

    /// Plays the data. Raises EWaveError "No wave data" when empty and "Error playing sound"
    /// when the image cannot be played or the service refuses it.
    void Play();
    /// Calls OnStop, then stops any sound of the program. Never fails.
    void Stop() noexcept;

    /// Replaces the data by everything from the stream's current position to its end.
    void LoadFromStream(QIODevice& stream);
    /// Opens the file read-only and loads it (Qt resource paths work too).
    void LoadFromFile(const QString& name);
    /// Writes the data bytes; nothing when empty.
    void SaveToStream(QIODevice& stream) const;

    bool Empty() const { return data_.isEmpty(); }
    /// Both empty, or neither empty and of the same class with the same bytes.
    bool Equal(const TWaveFile& other) const;

    const QByteArray& Data() const { return data_; }
    qsizetype Size() const { return data_.size(); }

    const QString& WaveName() const { return waveName_; }
    /// Keeps the file-name part of the text; unless the component is being loaded, a file of
    /// that full name is read into the data. An empty text clears the name and the data.
    void SetWaveName(const QString& text);

    TWavePause WavePause() const { return wavePause_; }
    void SetWavePause(TWavePause pause) { wavePause_ = pause; }
    TWaveLoop WaveLoop() const { return waveLoop_; }
    void SetWaveLoop(TWaveLoop loop) { waveLoop_ = loop; }

    /// Called by Play just before the sound starts, and by Stop just before it stops.
    TNotifyEvent OnPlay;
    TNotifyEvent OnStop;

    /// While the component is set up from its stored state, naming it reads no file.
    void SetLoading(bool loading) { loading_ = loading; }
    bool Loading() const { return loading_; }

    /// The service this component plays through (nullptr: the program's).
    void SetService(WaveSoundService* service) { service_ = service; }
    WaveSoundService& Service() const;

  private:
    QByteArray data_;
    QString waveName_;
    TWavePause wavePause_ = wpAsync;
    TWaveLoop waveLoop_ = wlNoLoop;
    bool loading_ = false;
    WaveSoundService* service_ = nullptr;
};

}  // namespace tazkova
