/// The seven sounds of the main window, embedded in the program, as the game's sound port.
#pragma once

#include <QObject>
#include <array>

#include "game/ports.h"
#include "sound/wave_sound.h"

namespace tazkova::sound {

/// Owns the sound components waveShuffle, waveHia, waveCard, waveClap, wavePinkPanther,
/// waveHorray and waveOptions, each loaded from the program's resources with its loop and
/// pause settings. Play raises game::WaveError like the component; Stop never fails.
class WaveBank : public QObject, public game::SoundBank {
    Q_OBJECT

  public:
    /// The sounds play on the sound device.
    explicit WaveBank(QObject* parent = nullptr);
    /// The sounds play through `service`, which must outlive the bank.
    explicit WaveBank(WaveSoundService& service, QObject* parent = nullptr);

    void Play(game::Wave wave) override;
    void Stop(game::Wave wave) override;

    WaveSound& Sound(game::Wave wave) { return *waves_[int(wave)]; }
    const WaveSound& Sound(game::Wave wave) const { return *waves_[int(wave)]; }

  private:
    void LoadWaves(WaveSoundService* service);

    std::array<WaveSound*, game::kWaveCount> waves_{};
};

}  // namespace tazkova::sound
