#include "Wavez.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <stdexcept>
#include <typeinfo>

#include "WaveOut.h"

namespace tazkova {

namespace {

WaveSoundService* replacementService = nullptr;
QtWaveService* deviceService = nullptr;

void DropDeviceService() {
    delete deviceService;
    deviceService = nullptr;
}

}  // namespace

WaveSoundService& ProgramWaveService() {
    if (replacementService) return *replacementService;
    if (!deviceService) {
        deviceService = new QtWaveService(std::make_unique<AudioSinkOutput>());
        // The sound device has to be let go while the application object still exists.
        qAddPostRoutine(DropDeviceService);
    }
    return *deviceService;
}

void SetProgramWaveService(WaveSoundService* service) {
    replacementService = service;
}

TWaveFile::TWaveFile(QObject* owner) : QObject(owner) {}

WaveSoundService& TWaveFile::Service() const {
    return service_ ? *service_ : ProgramWaveService();
}

void TWaveFile::Play() {
    if (Empty()) throw EWaveError("No wave data");
    if (OnPlay) OnPlay(this);
    const unsigned flags = (wavePause_ == wpAsync ? SND_ASYNC : SND_SYNC) | SND_MEMORY |
                           (waveLoop_ == wlLoop ? SND_LOOP : 0);
    // An image with a bad header, a format we cannot play or chunks running past its end is
    // refused here, so the service never reads beyond the data.
    const std::optional<WaveImage> sound = ParseWaveImage(data_);
    if (!sound || !Service().PlaySound(*sound, flags)) throw EWaveError("Error playing sound");
}

void TWaveFile::Stop() noexcept {
    try {
        if (OnStop) OnStop(this);
    } catch (...) {
        // A failing handler does not keep the sound going.
    }
    Service().Purge();
}

void TWaveFile::LoadFromStream(QIODevice& stream) {
    if (!stream.isReadable()) throw std::runtime_error("Stream read error");
    data_ = stream.readAll();
}

void TWaveFile::LoadFromFile(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("Cannot open file \"" + name.toStdString() + "\". " +
                                 file.errorString().toStdString());
    }
    LoadFromStream(file);
}

void TWaveFile::SaveToStream(QIODevice& stream) const {
    if (Empty()) return;
    if (stream.write(data_) != data_.size()) throw std::runtime_error("Stream write error");
}

bool TWaveFile::Equal(const TWaveFile& other) const {
    if (Empty() || other.Empty()) return Empty() && other.Empty();
    if (typeid(*this) != typeid(other)) return false;
    return data_ == other.data_;
}

void TWaveFile::SetWaveName(const QString& text) {
    if (text.isEmpty()) {
        waveName_.clear();
        data_.clear();
        data_.squeeze();
        return;
    }
    waveName_ = text.mid(text.lastIndexOf(QLatin1Char('/')) + 1);
    if (!loading_ && QFileInfo(text).isFile()) LoadFromFile(text);
}

}  // namespace tazkova
