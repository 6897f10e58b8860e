#include "WaveBank.h"

// The sounds are linked in from a static library: their resource has to be registered by hand.
static void InitSoundResources() {
    Q_INIT_RESOURCE(tazkova_sounds);
}

namespace tazkova {

namespace {

struct WaveSetting {
    const char* fileName;
    TWaveLoop loop;
    TWavePause pause;
};

// In the order of the Wave enumeration.
constexpr std::array<WaveSetting, kWaveCount> kWaveSettings{{
    {"Shuffle.wav", wlNoLoop, wpAsync},
    {"Catch.wav", wlNoLoop, wpsSync},
    {"Card.wav", wlNoLoop, wpAsync},
    {"Clap4.wav", wlNoLoop, wpAsync},
    {"PinkPntr.wav", wlLoop, wpAsync},
    {"hit.wav", wlNoLoop, wpsSync},
    {"Qopen.wav", wlNoLoop, wpAsync},
}};

}  // namespace

WaveBank::WaveBank(QObject* parent) : QObject(parent) {
    LoadWaves(nullptr);
}

WaveBank::WaveBank(WaveSoundService& service, QObject* parent) : QObject(parent) {
    LoadWaves(&service);
}

const char* WaveBank::WaveFileName(Wave wave) {
    return kWaveSettings[int(wave)].fileName;
}

void WaveBank::LoadWaves(WaveSoundService* service) {
    InitSoundResources();
    for (int i = 0; i < kWaveCount; ++i) {
        const WaveSetting& setting = kWaveSettings[i];
        auto* wave = new TWaveFile(this);
        wave->setObjectName(QString::fromLatin1(WaveComponentName(Wave(i))));
        wave->SetService(service);
        // Set up as from the window's stored state: the name reads no file of the working
        // directory, the data comes from the embedded sound.
        wave->SetLoading(true);
        wave->SetWaveLoop(setting.loop);
        wave->SetWaveName(QString::fromLatin1(setting.fileName));
        wave->SetWavePause(setting.pause);
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
    WaveFile(wave).Play();
}

void WaveBank::Stop(Wave wave) {
    WaveFile(wave).Stop();
}

}  // namespace tazkova
