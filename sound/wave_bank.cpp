#include "sound/wave_bank.h"

// The sounds are linked in from a static library: their resource has to be registered by hand.
static void InitSoundResources() {
    Q_INIT_RESOURCE(sounds);
}

namespace tazkova::sound {

using game::Wave;

namespace {

struct WaveSetting {
    const char* fileName;
    WaveLoop loop;
    WavePause pause;
};

// In the order of the Wave enumeration.
constexpr std::array<WaveSetting, game::kWaveCount> kWaveSettings{{
    {"Shuffle.wav", WaveLoop::Once, WavePause::Async},
    {"Catch.wav", WaveLoop::Once, WavePause::Sync},
    {"Card.wav", WaveLoop::Once, WavePause::Async},
    {"Clap4.wav", WaveLoop::Once, WavePause::Async},
    {"PinkPntr.wav", WaveLoop::Loop, WavePause::Async},
    {"hit.wav", WaveLoop::Once, WavePause::Sync},
    {"Qopen.wav", WaveLoop::Once, WavePause::Async},
}};

}  // namespace

WaveBank::WaveBank(QObject* parent) : QObject(parent) {
    LoadWaves(nullptr);
}

WaveBank::WaveBank(WaveSoundService& service, QObject* parent) : QObject(parent) {
    LoadWaves(&service);
}

void WaveBank::LoadWaves(WaveSoundService* service) {
    InitSoundResources();
    for (int i = 0; i < game::kWaveCount; ++i) {
        const WaveSetting& setting = kWaveSettings[i];
        auto* wave = new WaveSound(this);
        wave->setObjectName(QString::fromLatin1(game::WaveComponentName(Wave(i))));
        wave->SetService(service);
        // Set up as from the window's stored state: the name reads no file of the working
        // directory, the data comes from the embedded sound.
        wave->SetLoading(true);
        wave->SetLoop(setting.loop);
        wave->SetWaveName(QString::fromLatin1(setting.fileName));
        wave->SetPause(setting.pause);
        try {
            wave->LoadFromFile(QStringLiteral(":/sounds/") + QString::fromLatin1(setting.fileName));
        } catch (const std::exception&) {
            // A sound missing from the program stays empty; playing it is refused.
        }
        wave->SetLoading(false);
        waves_[i] = wave;
    }
}

void WaveBank::Play(Wave wave) {
    Sound(wave).Play();
}

void WaveBank::Stop(Wave wave) {
    Sound(wave).Stop();
}

}  // namespace tazkova::sound
