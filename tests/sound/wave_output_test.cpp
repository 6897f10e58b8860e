// The wave-sound service: one sound at a time, loops that never run dry, waited-for sounds,
// and the sound device's refusal where there is none.
#include "sound/wave_output.h"

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QBuffer>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTimer>

#include "tests/sound/sound_fixtures.h"

namespace tazkova {

using namespace tazkova::sound;
using namespace tazkova::game;
namespace {

using namespace tazkova::testing;

/// Stands in for the sound device: notes what it is asked and lets the test say when a sound
/// has been heard to its end.
class FakeOutput : public PcmOutput {
  public:
    bool Start(PcmSource& s, const QAudioFormat& f) override {
        log.push_back("start");
        if (!accept) return false;
        source = &s;
        format = f;
        return true;
    }
    void Stop() override {
        if (source) log.push_back("stop");
        source = nullptr;
    }
    /// Reads what is left of the current sound, as the device would, and reports its end.
    QByteArray Drain() {
        QByteArray heard;
        char chunk[97];  // an odd size, so reads do not line up with the sound's end
        for (qint64 n; source && (n = source->read(chunk, sizeof chunk)) > 0;)
            heard.append(chunk, n);
        if (source) emit Finished();
        return heard;
    }

    std::vector<std::string> log;
    PcmSource* source = nullptr;
    QAudioFormat format;
    bool accept = true;
};

class WaveServiceTest : public ::testing::Test {
  protected:
    WaveServiceTest() {
        auto fake = std::make_unique<FakeOutput>();
        output = fake.get();
        service = std::make_unique<DeviceWaveService>(std::move(fake));
    }

    static WaveImage Sound(const QByteArray& pcm, int channels = 1, int bits = 8) {
        WaveImage sound;
        sound.channels = channels;
        sound.sampleRate = 11025;
        sound.bitsPerSample = bits;
        sound.pcm = pcm;
        return sound;
    }

    FakeOutput* output = nullptr;
    std::unique_ptr<DeviceWaveService> service;
};

TEST_F(WaveServiceTest, SoundPlaysOnceInTheFormatOfItsImage) {
    const QByteArray pcm = Samples(1000);
    ASSERT_TRUE(service->PlaySound(Sound(pcm, 2, 16), WavePause::Async, WaveLoop::Once));
    EXPECT_TRUE(service->Playing());
    EXPECT_EQ(output->format.sampleRate(), 11025);
    EXPECT_EQ(output->format.channelCount(), 2);
    EXPECT_EQ(output->format.sampleFormat(), QAudioFormat::Int16);
    EXPECT_EQ(output->Drain(), pcm);
    EXPECT_FALSE(service->Playing());
    EXPECT_EQ(DeviceWaveService::FormatOf(Sound(pcm)).sampleFormat(), QAudioFormat::UInt8);
}

TEST_F(WaveServiceTest, SoundThatStartsEndsTheOneStillPlaying) {
    const QByteArray tune = Samples(5000, 1);
    const QByteArray shuffle = Samples(300, 2);
    ASSERT_TRUE(service->PlaySound(Sound(tune), WavePause::Async, WaveLoop::Loop));
    ASSERT_TRUE(service->PlaySound(Sound(shuffle), WavePause::Async, WaveLoop::Once));
    EXPECT_EQ(output->log, (std::vector<std::string>{"start", "stop", "start"}));
    // What the device hears now is the new sound alone, once.
    EXPECT_EQ(output->Drain(), shuffle);
}

TEST_F(WaveServiceTest, LoopingSoundStartsOverAndNeverRunsDry) {
    const QByteArray tune = Samples(1000, 4);
    ASSERT_TRUE(service->PlaySound(Sound(tune), WavePause::Async, WaveLoop::Loop));
    PcmSource& source = *output->source;
    QByteArray heard;
    char chunk[333];
    while (heard.size() < 3500) {
        const qint64 n = source.read(chunk, sizeof chunk);
        ASSERT_GT(n, 0);
        heard.append(chunk, n);
    }
    EXPECT_FALSE(source.atEnd());
    EXPECT_EQ(heard.first(3000), tune + tune + tune);
    EXPECT_EQ(heard.sliced(3000, 500), tune.first(500));
    EXPECT_EQ(source.BytesRead(), heard.size());
    EXPECT_TRUE(service->Playing());
}

TEST_F(WaveServiceTest, PurgeEndsTheSound) {
    ASSERT_TRUE(service->PlaySound(Sound(Samples(100)), WavePause::Async, WaveLoop::Loop));
    service->Purge();
    EXPECT_FALSE(service->Playing());
    EXPECT_EQ(output->source, nullptr);
    EXPECT_EQ(output->log, (std::vector<std::string>{"start", "stop"}));
}

TEST_F(WaveServiceTest, WaitedForSoundReturnsWhenItHasBeenHeard) {
    const QByteArray pcm = Samples(2000);
    QByteArray heard;
    QTimer::singleShot(30, [&] { heard = output->Drain(); });
    ASSERT_TRUE(service->PlaySound(Sound(pcm), WavePause::Sync, WaveLoop::Once));
    EXPECT_EQ(heard, pcm);
    EXPECT_FALSE(service->Playing());
}

TEST_F(WaveServiceTest, WaitEndsWhenAnotherSoundStarts) {
    bool secondStarted = false;
    QTimer::singleShot(20, [&] {
        secondStarted = service->PlaySound(Sound(Samples(10)), WavePause::Async, WaveLoop::Once);
    });
    QElapsedTimer clock;
    clock.start();
    // 44100 bytes at 11025 Hz: four seconds if it were heard to the end.
    ASSERT_TRUE(service->PlaySound(Sound(Samples(44100)), WavePause::Sync, WaveLoop::Once));
    EXPECT_TRUE(secondStarted);
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_TRUE(service->Playing());
}

TEST_F(WaveServiceTest, WaitGivesUpWhenTheDeviceNeverReportsTheEnd) {
    // 1103 bytes at 11025 Hz: a tenth of a second, then two seconds' grace.
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(service->PlaySound(Sound(Samples(1103)), WavePause::Sync, WaveLoop::Once));
    EXPECT_GE(clock.elapsed(), 2000);
    EXPECT_LT(clock.elapsed(), 5000);
}

TEST_F(WaveServiceTest, LoopThatWouldBeWaitedForIsRefused) {
    ASSERT_TRUE(service->PlaySound(Sound(Samples(10)), WavePause::Async, WaveLoop::Once));
    EXPECT_FALSE(service->PlaySound(Sound(Samples(10)), WavePause::Sync, WaveLoop::Loop));
    EXPECT_EQ(output->log, (std::vector<std::string>{"start"}));
}

TEST_F(WaveServiceTest, DeviceRefusingIsReportedAndEndsTheOldSound) {
    ASSERT_TRUE(service->PlaySound(Sound(Samples(10)), WavePause::Async, WaveLoop::Loop));
    output->accept = false;
    EXPECT_FALSE(service->PlaySound(Sound(Samples(10)), WavePause::Async, WaveLoop::Once));
    EXPECT_FALSE(service->Playing());
    EXPECT_EQ(output->log, (std::vector<std::string>{"start", "stop", "start"}));
}

TEST_F(WaveServiceTest, SoundKeepsPlayingWhenTheComponentDropsItsData) {
    WaveSound wave;
    wave.SetService(service.get());
    const QByteArray pcm = Samples(600, 9);
    QBuffer buffer;
    buffer.setData(MonoWave(pcm));
    buffer.open(QIODevice::ReadOnly);
    wave.LoadFromStream(buffer);
    wave.Play();
    wave.SetWaveName(QStringLiteral(""));
    EXPECT_EQ(output->Drain(), pcm);
}

TEST(SoundDeviceTest, WithoutADevicePlayingFailsAsTheServiceRefusing) {
    if (!QMediaDevices::audioOutputs().isEmpty()) GTEST_SKIP() << "this machine has a sound device";
    DeviceWaveService service(std::make_unique<AudioSinkOutput>());
    WaveSound wave;
    wave.SetService(&service);
    QBuffer buffer;
    buffer.setData(MonoWave(Samples(200)));
    buffer.open(QIODevice::ReadOnly);
    wave.LoadFromStream(buffer);
    for (WavePause pause : {WavePause::Async, WavePause::Sync}) {
        wave.SetPause(pause);
        try {
            wave.Play();
            ADD_FAILURE() << "played without a sound device";
        } catch (const WaveError& e) {
            EXPECT_STREQ(e.what(), "Error playing sound");
        }
        EXPECT_FALSE(service.Playing());
    }
    wave.Stop();
}

}  // namespace
}  // namespace tazkova
