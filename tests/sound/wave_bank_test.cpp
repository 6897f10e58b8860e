// The seven sounds of the main window, and the game's sounds going through the sound switch.
#include "sound/wave_bank.h"

#include <gtest/gtest.h>

#include "game/game.h"
#include "game/recording.h"
#include "sound/wave_output.h"
#include "tests/sound/sound_fixtures.h"

namespace tazkova {

using namespace tazkova::sound;
using namespace tazkova::game;
namespace {

using namespace tazkova::testing;

struct WaveRow {
    Wave wave;
    const char* component;
    const char* waveName;
    WaveLoop loop;
    WavePause pause;
    qsizetype bytes;
    int channels;
    int bits;
    int rate;
    int lengthMs;
};

// The sound table of the main window.
const WaveRow kTable[] = {
    {Wave::Shuffle, "waveShuffle", "Shuffle.wav", WaveLoop::Once, WavePause::Async, 4182, 1, 8,
     11025, 380},
    {Wave::Haya, "waveHia", "Catch.wav", WaveLoop::Once, WavePause::Sync, 714, 1, 8, 11025, 60},
    {Wave::Card, "waveCard", "Card.wav", WaveLoop::Once, WavePause::Async, 260, 1, 8, 11025, 20},
    {Wave::Applause, "waveClap", "Clap4.wav", WaveLoop::Once, WavePause::Async, 77260, 1, 16, 11025,
     3500},
    {Wave::ResultsTune, "wavePinkPanther", "PinkPntr.wav", WaveLoop::Loop, WavePause::Async, 77660,
     1, 8, 11025, 7000},
    {Wave::Sweep, "waveHorray", "hit.wav", WaveLoop::Once, WavePause::Sync, 32988, 1, 8, 11025,
     3000},
    {Wave::Options, "waveOptions", "Qopen.wav", WaveLoop::Once, WavePause::Async, 204268, 2, 16,
     22050, 2300},
};

TEST(WaveBankTest, CarriesTheSevenSoundsWithTheirSettingsAndFormats) {
    RecordingWaveService service;
    WaveBank bank(service);
    for (const WaveRow& row : kTable) {
        SCOPED_TRACE(row.component);
        const WaveSound& wave = bank.Sound(row.wave);
        EXPECT_EQ(wave.objectName(), QLatin1String(row.component));
        EXPECT_EQ(wave.parent(), &bank);
        EXPECT_EQ(wave.WaveName(), QLatin1String(row.waveName));
        EXPECT_EQ(wave.Loop(), row.loop);
        EXPECT_EQ(wave.Pause(), row.pause);
        EXPECT_EQ(wave.Size(), row.bytes);
        const auto sound = ParseWaveImage(wave.Data());
        ASSERT_TRUE(sound);
        EXPECT_EQ(sound->channels, row.channels);
        EXPECT_EQ(sound->bitsPerSample, row.bits);
        EXPECT_EQ(sound->sampleRate, row.rate);
        EXPECT_NEAR(double(sound->DurationMs()), row.lengthMs, 0.07 * row.lengthMs + 5);
    }
}

TEST(WaveBankTest, PlayAndStopGoThroughTheComponents) {
    RecordingWaveService service;
    WaveBank bank(service);
    SoundBank& sounds = bank;
    sounds.Play(Wave::ResultsTune);
    sounds.Play(Wave::Sweep);
    sounds.Play(Wave::Card);
    sounds.Stop(Wave::Options);
    ASSERT_EQ(service.calls.size(), 4u);
    EXPECT_EQ(service.calls[0].mode, "async loop");
    EXPECT_EQ(service.calls[1].mode, "sync once");
    EXPECT_EQ(service.calls[2].mode, "async once");
    EXPECT_EQ(service.calls[2].pcm.size(), 260 - 44);
    EXPECT_TRUE(service.calls[3].purge);

    bank.Sound(Wave::Card).SetWaveName(QStringLiteral(""));
    EXPECT_THROW(sounds.Play(Wave::Card), WaveError);
}

// The table tune after a hand goes on through the results dialog until the shuffle of the
// next hand replaces it.
TEST(WaveBankTest, ResultsTuneLoopsUntilTheNextSoundStarts) {
    struct Output : PcmOutput {
        bool Start(PcmSource& s, const QAudioFormat&) override {
            source = &s;
            return true;
        }
        void Stop() override { source = nullptr; }
        PcmSource* source = nullptr;
    };
    auto output = std::make_unique<Output>();
    Output& device = *output;
    DeviceWaveService service(std::move(output));
    WaveBank bank(service);

    bank.Play(Wave::ResultsTune);
    PcmSource* tune = device.source;
    ASSERT_NE(tune, nullptr);
    const qint64 onePass = bank.Sound(Wave::ResultsTune).Size() - 44;
    QByteArray heard(int(onePass), '\0');
    for (int pass = 0; pass < 3; ++pass) ASSERT_EQ(tune->read(heard.data(), onePass), onePass);
    EXPECT_TRUE(service.Playing());

    bank.Play(Wave::Shuffle);
    ASSERT_NE(device.source, nullptr);
    const QByteArray shuffle = device.source->readAll();
    EXPECT_EQ(shuffle, bank.Sound(Wave::Shuffle).Data().sliced(44));
    EXPECT_TRUE(device.source->atEnd());
}

class GameSoundTest : public ::testing::Test {
  protected:
    GameSoundTest() : bank(service), game(table, bank, table, table) {}

    RecordingWaveService service;
    WaveBank bank;
    RecordingTable table;
    Game game;
};

TEST_F(GameSoundTest, SwitchOffMakesNoSoundButStoppingStillReachesTheService) {
    game.SetSoundOn(false);
    for (int i = 0; i < kWaveCount; ++i) game.PlayWave(Wave(i));
    EXPECT_TRUE(service.calls.empty());
    game.StopWave(Wave::Options);
    ASSERT_EQ(service.calls.size(), 1u);
    EXPECT_TRUE(service.calls[0].purge);
}

TEST_F(GameSoundTest, WholeDealWithSwitchOffIsSilent) {
    game.SetSoundOn(false);
    game.Startup(SeedChoice{}, 12345);
    game.NewGame();
    for (const ServiceCall& call : service.calls) EXPECT_TRUE(call.purge);
    // The shuffle's sound is stopped at its end whatever the switch says.
    EXPECT_FALSE(service.calls.empty());
}

TEST_F(GameSoundTest, SwitchOnPlaysAndFailuresAreSwallowed) {
    game.SetSoundOn(true);
    game.PlayWave(Wave::Applause);
    ASSERT_EQ(service.calls.size(), 1u);
    EXPECT_EQ(service.calls[0].bitsPerSample, 16);

    service.refuse = true;
    EXPECT_NO_THROW(game.PlayWave(Wave::Applause));
    bank.Sound(Wave::Haya).SetWaveName(QStringLiteral(""));
    EXPECT_NO_THROW(game.PlayWave(Wave::Haya));
    EXPECT_EQ(service.calls.size(), 2u);  // the empty component never reaches the service
}

TEST_F(GameSoundTest, ResultsButtonPlaysTheTuneAndStopsItWhenTheDialogCloses) {
    game.SetSoundOn(true);
    game.ShowResultsSheet();
    ASSERT_EQ(service.calls.size(), 2u);
    EXPECT_EQ(service.calls[0].mode, "async loop");
    EXPECT_TRUE(service.calls[1].purge);
}

}  // namespace
}  // namespace tazkova
