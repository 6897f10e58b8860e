// The seven sounds of the main window, and the game's sounds going through the sound switch.
#include <gtest/gtest.h>

#include "WaveBank.h"
#include "WaveOut.h"
#include "game.h"
#include "recording.h"
#include "sound_fixtures.h"

namespace tazkova {
namespace {

using namespace tazkova::testing;

struct WaveRow {
    Wave wave;
    const char* component;
    const char* waveName;
    TWaveLoop loop;
    TWavePause pause;
    qsizetype bytes;
    int channels;
    int bits;
    int rate;
    int lengthMs;
};

// The sound table of the main window.
const WaveRow kTable[] = {
    {Wave::Shuffle, "waveShuffle", "Shuffle.wav", wlNoLoop, wpAsync, 4182, 1, 8, 11025, 380},
    {Wave::Hia, "waveHia", "Catch.wav", wlNoLoop, wpsSync, 714, 1, 8, 11025, 60},
    {Wave::Card, "waveCard", "Card.wav", wlNoLoop, wpAsync, 260, 1, 8, 11025, 20},
    {Wave::Clap, "waveClap", "Clap4.wav", wlNoLoop, wpAsync, 77260, 1, 16, 11025, 3500},
    {Wave::PinkPanther, "wavePinkPanther", "PinkPntr.wav", wlLoop, wpAsync, 77660, 1, 8, 11025,
     7000},
    {Wave::Horray, "waveHorray", "hit.wav", wlNoLoop, wpsSync, 32988, 1, 8, 11025, 3000},
    {Wave::Options, "waveOptions", "Qopen.wav", wlNoLoop, wpAsync, 204268, 2, 16, 22050, 2300},
};

TEST(WaveBankTest, CarriesTheSevenSoundsWithTheirSettingsAndFormats) {
    RecordingWaveService service;
    WaveBank bank(service);
    for (const WaveRow& row : kTable) {
        SCOPED_TRACE(row.component);
        const TWaveFile& wave = bank.WaveFile(row.wave);
        EXPECT_EQ(wave.objectName(), row.component);
        EXPECT_EQ(wave.parent(), &bank);
        EXPECT_EQ(wave.WaveName(), row.waveName);
        EXPECT_EQ(wave.WaveLoop(), row.loop);
        EXPECT_EQ(wave.WavePause(), row.pause);
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
    sounds.Play(Wave::PinkPanther);
    sounds.Play(Wave::Horray);
    sounds.Play(Wave::Card);
    sounds.Stop(Wave::Options);
    ASSERT_EQ(service.calls.size(), 4u);
    EXPECT_EQ(service.calls[0].flags, SND_ASYNC | SND_MEMORY | SND_LOOP);
    EXPECT_EQ(service.calls[1].flags, SND_SYNC | SND_MEMORY);
    EXPECT_EQ(service.calls[2].flags, SND_ASYNC | SND_MEMORY);
    EXPECT_EQ(service.calls[2].pcm.size(), 260 - 44);
    EXPECT_TRUE(service.calls[3].purge);

    bank.WaveFile(Wave::Card).SetWaveName("");
    EXPECT_THROW(sounds.Play(Wave::Card), EWaveError);
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
    QtWaveService service(std::move(output));
    WaveBank bank(service);

    bank.Play(Wave::PinkPanther);
    PcmSource* tune = device.source;
    ASSERT_NE(tune, nullptr);
    const qint64 onePass = bank.WaveFile(Wave::PinkPanther).Size() - 44;
    QByteArray heard(int(onePass), '\0');
    for (int pass = 0; pass < 3; ++pass) ASSERT_EQ(tune->read(heard.data(), onePass), onePass);
    EXPECT_TRUE(service.Playing());

    bank.Play(Wave::Shuffle);
    ASSERT_NE(device.source, nullptr);
    const QByteArray shuffle = device.source->readAll();
    EXPECT_EQ(shuffle, bank.WaveFile(Wave::Shuffle).Data().sliced(44));
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
    game.SoundOn = false;
    for (int i = 0; i < kWaveCount; ++i) game.PlayWave(Wave(i));
    EXPECT_TRUE(service.calls.empty());
    game.StopWave(Wave::Options);
    ASSERT_EQ(service.calls.size(), 1u);
    EXPECT_TRUE(service.calls[0].purge);
}

TEST_F(GameSoundTest, WholeDealWithSwitchOffIsSilent) {
    game.SoundOn = false;
    game.Startup(SeedChoice{}, 12345);
    game.NewGame();
    for (const ServiceCall& call : service.calls) EXPECT_TRUE(call.purge);
    // The shuffle's sound is stopped at its end whatever the switch says.
    EXPECT_FALSE(service.calls.empty());
}

TEST_F(GameSoundTest, SwitchOnPlaysAndFailuresAreSwallowed) {
    game.SoundOn = true;
    game.PlayWave(Wave::Clap);
    ASSERT_EQ(service.calls.size(), 1u);
    EXPECT_EQ(service.calls[0].bitsPerSample, 16);

    service.refuse = true;
    EXPECT_NO_THROW(game.PlayWave(Wave::Clap));
    bank.WaveFile(Wave::Hia).SetWaveName("");
    EXPECT_NO_THROW(game.PlayWave(Wave::Hia));
    EXPECT_EQ(service.calls.size(), 2u);  // the empty component never reaches the service
}

TEST_F(GameSoundTest, ResultsButtonPlaysTheTuneAndStopsItWhenTheDialogCloses) {
    game.SoundOn = true;
    game.cmdResultClick();
    ASSERT_EQ(service.calls.size(), 2u);
    EXPECT_EQ(service.calls[0].flags, SND_ASYNC | SND_MEMORY | SND_LOOP);
    EXPECT_TRUE(service.calls[1].purge);
}

}  // namespace
}  // namespace tazkova
