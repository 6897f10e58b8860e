#include "sound/wave_output.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <cstring>
#include <utility>

namespace tazkova::sound {

namespace {

/// How much longer than the sound itself a waited-for sound may keep the game waiting, in
/// case the device never reports that it has finished.
constexpr qint64 kSyncGraceMs = 2000;

}  // namespace

// --- PcmSource ----------------------------------------------------------------------------

PcmSource::PcmSource(QByteArray pcm, bool loop) : pcm_(std::move(pcm)), loop_(loop) {}

qint64 PcmSource::bytesAvailable() const {
    if (!isOpen()) return 0;
    // A loop always has a whole pass ahead of it.
    return loop_ ? pcm_.size() : pcm_.size() - offset_;
}

qint64 PcmSource::readData(char* data, qint64 maxSize) {
    qint64 done = 0;
    while (done < maxSize && !pcm_.isEmpty()) {
        if (offset_ == pcm_.size()) {
            if (!loop_) break;
            offset_ = 0;
        }
        const qint64 n = std::min(maxSize - done, pcm_.size() - offset_);
        std::memcpy(data + done, pcm_.constData() + offset_, size_t(n));
        done += n;
        offset_ += n;
    }
    bytesRead_ += done;
    return done;
}

// --- AudioSinkOutput ----------------------------------------------------------------------

AudioSinkOutput::~AudioSinkOutput() {
    // The sinks are children of this object and go with it; they must not read on.
    if (sink_) {
        sink_->disconnect(this);
        sink_->stop();
    }
}

bool AudioSinkOutput::Start(PcmSource& source, const QAudioFormat& format) {
    Stop();
    if (!QCoreApplication::instance()) return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(format)) return false;

    sink_ = new QAudioSink(device, format, this);
    source_ = &source;
    format_ = format;
    ++run_;
    sink_->start(&source);
    if (sink_->error() != QAudio::NoError || sink_->state() == QAudio::StoppedState) {
        Stop();
        return false;
    }
    connect(sink_, &QAudioSink::stateChanged, this, &AudioSinkOutput::OnStateChanged);
    return true;
}

void AudioSinkOutput::Stop() {
    ++run_;
    if (!sink_) return;
    QAudioSink* sink = std::exchange(sink_, nullptr);
    source_ = nullptr;
    sink->disconnect(this);
    sink->stop();
    // Stop may be reached from inside one of the sink's own signals.
    sink->deleteLater();
}

void AudioSinkOutput::OnStateChanged() {
    if (!sink_) return;
    const int run = run_;
    if (sink_->state() == QAudio::IdleState) {
        // The source is dry, but its last samples are still in the device's buffer: the sound
        // has finished when they have been heard.
        const qint64 pushedUs = format_.durationForBytes(source_->BytesRead());
        const qint64 leftMs = std::max<qint64>(0, (pushedUs - sink_->processedUSecs()) / 1000);
        QTimer::singleShot(int(std::min<qint64>(leftMs, INT_MAX)), this, [this, run] {
            if (run == run_) emit Finished();
        });
    } else if (sink_->state() == QAudio::StoppedState && sink_->error() != QAudio::NoError) {
        emit Finished();
    }
}

// --- DeviceWaveService ------------------------------------------------------------------------

DeviceWaveService::DeviceWaveService(std::unique_ptr<PcmOutput> output, QObject* parent)
    : QObject(parent), output_(std::move(output)) {
    connect(output_.get(), &PcmOutput::Finished, this, &DeviceWaveService::OnFinished);
}

DeviceWaveService::~DeviceWaveService() {
    EndCurrent();
}

QAudioFormat DeviceWaveService::FormatOf(const WaveImage& sound) {
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channels);
    switch (sound.bitsPerSample) {
        case 8:
            format.setSampleFormat(QAudioFormat::UInt8);
            break;
        case 16:
            format.setSampleFormat(QAudioFormat::Int16);
            break;
        case 32:
            format.setSampleFormat(QAudioFormat::Int32);
            break;
        default:
            break;
    }
    return format;
}

bool DeviceWaveService::PlaySound(const WaveImage& sound, WavePause pause, WaveLoop looping) {
    const bool async = pause == WavePause::Async;
    const bool loop = looping == WaveLoop::Loop;
    // A looping sound that the game waited for would never give the game back.
    if (loop && !async) return false;
    const QAudioFormat format = FormatOf(sound);
    if (!format.isValid()) return false;

    // The new sound ends the one still playing, even if it cannot start itself.
    EndCurrent();
    // The service keeps its own copy of the samples: the component may drop its data while
    // the sound still plays.
    source_ = std::make_unique<PcmSource>(sound.pcm.toByteArray(), loop);
    source_->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    playing_ = true;
    if (!output_->Start(*source_, format)) {
        playing_ = false;
        source_.reset();
        return false;
    }

    if (!async) {
        QEventLoop wait;
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, &wait, &QEventLoop::quit);
        guard.start(int(std::min<qint64>(sound.DurationMs() + kSyncGraceMs, INT_MAX)));
        waiting_ = &wait;
        // The game is held while the sound plays; the player's clicks wait until it ends.
        if (playing_) wait.exec(QEventLoop::ExcludeUserInputEvents);
        if (waiting_ == &wait) waiting_ = nullptr;
    }
    return true;
}

void DeviceWaveService::Purge() {
    EndCurrent();
}

void DeviceWaveService::EndCurrent() {
    if (waiting_) {
        waiting_->quit();
        waiting_ = nullptr;
    }
    output_->Stop();
    source_.reset();
    playing_ = false;
}

void DeviceWaveService::OnFinished() {
    playing_ = false;
    if (waiting_) {
        waiting_->quit();
        waiting_ = nullptr;
    }
}

}  // namespace tazkova::sound
