#include "sound/wave_sound.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <stdexcept>

#include "game/ports.h"
#include "sound/wave_output.h"

namespace tazkova::sound {

namespace {

DeviceWaveService* deviceService = nullptr;

void DropDeviceService() {
    delete deviceService;
    deviceService = nullptr;
}

}  // namespace

WaveSoundService& ProgramWaveService() {
    if (!deviceService) {
        deviceService = new DeviceWaveService(std::make_unique<AudioSinkOutput>());
        // The sound device has to be let go while the application object still exists.
        qAddPostRoutine(DropDeviceService);
    }
    return *deviceService;
}

WaveSound::WaveSound(QObject* owner) : QObject(owner) {}

WaveSoundService& WaveSound::Service() const {
    return service_ ? *service_ : ProgramWaveService();
}

void WaveSound::Play() {
    if (Empty()) throw game::WaveError("No wave data");
    // An image with a bad header, a format we cannot play or chunks running past its end is
    // refused here, so the service never reads beyond the data.
    const std::optional<WaveImage> sound = ParseWaveImage(data_);
    if (!sound || !Service().PlaySound(*sound, pause_, loop_))
        throw game::WaveError("Error playing sound");
}

void WaveSound::Stop() noexcept {
    Service().Purge();
}

void WaveSound::LoadFromStream(QIODevice& stream) {
    if (!stream.isReadable()) throw std::runtime_error("Stream read error");
    data_ = stream.readAll();
}

void WaveSound::LoadFromFile(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("Cannot open file \"" + name.toStdString() + "\". " +
                                 file.errorString().toStdString());
    }
    LoadFromStream(file);
}

void WaveSound::SetWaveName(const QString& text) {
    if (text.isEmpty()) {
        waveName_.clear();
        data_.clear();
        data_.squeeze();
        return;
    }
    waveName_ = text.mid(text.lastIndexOf(QLatin1Char('/')) + 1);
    if (!loading_ && QFileInfo(text).isFile()) LoadFromFile(text);
}

}  // namespace tazkova::sound
