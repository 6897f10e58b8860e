/// The seven sounds of the main window, embedded in the program, as the game's sound port.
#pragma once

#include <QObject>
#include <array>

#include "Wavez.h"
#include "ports.h"

namespace tazkova {

/// Owns the sound components waveShuffle, waveHia, waveCard, waveClap, wavePinkPanther,
/// waveHorray and waveOptions, each loaded from the program's resources with its loop and
/// pause settings. Play raises EWaveError like the component; Stop never fails.
class WaveBank : public QObject, public SoundBank {
    Q_OBJECT

  public:
    /// The sounds play on the sound device.
    explicit WaveBank(QObject* parent = nullptr);
    /// The sounds play through `service`, which must outlive the bank.
    explicit WaveBank(WaveSoundService& service, QObject* parent = nullptr);

    void Play(Wave wave) override;
    void Stop(Wave wave) override;

    TWaveFile& WaveFile(Wave wave) { return *waves_[int(wave)]; }
    const TWaveFile& WaveFile(Wave wave) const { return *waves_[int(wave)]; }

    /// The file name each sound was made from ("Shuffle.wav", ...), as its resource is named.
    static const char* WaveFileName(Wave wave);

  private:
    void LoadWaves(WaveSoundService* service);

    std::array<TWaveFile*, kWaveCount> waves_{};
};

}  // namespace tazkova
