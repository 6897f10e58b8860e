// The wave-sound component: its data, its name, and what Play and Stop ask of the service.
#include "sound/wave_sound.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/sound/sound_fixtures.h"

namespace tazkova {

using namespace tazkova::sound;
using namespace tazkova::game;
namespace {

using namespace tazkova::testing;

class WaveSoundTest : public ::testing::Test {
  protected:
    WaveSoundTest() { wave.SetService(&service); }

    void Load(const QByteArray& bytes) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        wave.LoadFromStream(buffer);
    }

    std::string PlayError() {
        try {
            wave.Play();
        } catch (const WaveError& e) {
            return e.what();
        }
        return "";
    }

    RecordingWaveService service;
    WaveSound wave;
};

TEST_F(WaveSoundTest, NewComponentIsEmptyAsyncAndPlaysOnce) {
    EXPECT_TRUE(wave.Empty());
    EXPECT_EQ(wave.Size(), 0);
    EXPECT_EQ(wave.Pause(), WavePause::Async);
    EXPECT_EQ(wave.Loop(), WaveLoop::Once);
    EXPECT_TRUE(wave.WaveName().isEmpty());
}

TEST_F(WaveSoundTest, EmptyComponentRefusesToPlayBeforeAnythingElse) {
    EXPECT_EQ(PlayError(), "No wave data");
    EXPECT_TRUE(service.calls.empty());
}

TEST_F(WaveSoundTest, PlayHandsTheSamplesToTheServiceWithTheFlagsOfPauseAndLoop) {
    const QByteArray pcm = Samples(500);
    Load(MonoWave(pcm));
    wave.Play();
    wave.SetPause(WavePause::Sync);
    wave.Play();
    wave.SetPause(WavePause::Async);
    wave.SetLoop(WaveLoop::Loop);
    wave.Play();
    ASSERT_EQ(service.calls.size(), 3u);
    EXPECT_EQ(service.calls[0].mode, "async once");
    EXPECT_EQ(service.calls[1].mode, "sync once");
    EXPECT_EQ(service.calls[2].mode, "async loop");
    EXPECT_EQ(service.calls[0].pcm, pcm);
    EXPECT_EQ(service.calls[0].sampleRate, 11025);
    EXPECT_EQ(service.calls[0].channels, 1);
    EXPECT_EQ(service.calls[0].bitsPerSample, 8);
}

TEST_F(WaveSoundTest, ServiceRefusingIsAnError) {
    Load(MonoWave(Samples(10)));
    service.refuse = true;
    EXPECT_EQ(PlayError(), "Error playing sound");
    EXPECT_EQ(service.calls.size(), 1u);
}

TEST_F(WaveSoundTest, LoadTakesTheStreamFromItsCurrentPosition) {
    const QByteArray image = MonoWave(Samples(64));
    QBuffer buffer;
    buffer.setData(QByteArray("HEADER") + image);
    buffer.open(QIODevice::ReadOnly);
    buffer.seek(6);
    wave.LoadFromStream(buffer);
    EXPECT_EQ(wave.Data(), image);
}

TEST_F(WaveSoundTest, LoadReplacesAndMissingFileLeavesTheDataAlone) {
    Load(MonoWave(Samples(20)));
    Load(MonoWave(Samples(30)));
    EXPECT_EQ(wave.Data(), MonoWave(Samples(30)));
    EXPECT_THROW(wave.LoadFromFile(QStringLiteral("/nonexistent/folder/Card.wav")),
                 std::runtime_error);
    EXPECT_EQ(wave.Data(), MonoWave(Samples(30)));
}

class WaveNameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("sounds/old")));
        path = dir.filePath(QStringLiteral("sounds/old/Card.wav"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(MonoWave(Samples(77)));
    }

    QTemporaryDir dir;
    QString path;
    WaveSound wave;
};

TEST_F(WaveNameTest, KeepsOnlyTheFileNameAndReadsTheFile) {
    wave.SetWaveName(path);
    EXPECT_EQ(wave.WaveName(), QStringLiteral("Card.wav"));
    EXPECT_EQ(wave.Data(), MonoWave(Samples(77)));
}

TEST_F(WaveNameTest, NameOfNoFileOrOfAFolderChangesOnlyTheName) {
    wave.SetWaveName(path);
    wave.SetWaveName(dir.filePath(QStringLiteral("sounds/old/Other.wav")));
    EXPECT_EQ(wave.WaveName(), QStringLiteral("Other.wav"));
    wave.SetWaveName(dir.filePath(QStringLiteral("sounds/old")));
    EXPECT_EQ(wave.WaveName(), QStringLiteral("old"));
    EXPECT_EQ(wave.Data(), MonoWave(Samples(77)));
}

TEST_F(WaveNameTest, WhileLoadingNoFileIsRead) {
    wave.SetLoading(true);
    wave.SetWaveName(path);
    EXPECT_EQ(wave.WaveName(), QStringLiteral("Card.wav"));
    EXPECT_TRUE(wave.Empty());
}

TEST_F(WaveNameTest, EmptyNameClearsNameAndData) {
    wave.SetWaveName(path);
    wave.SetWaveName(QStringLiteral(""));
    EXPECT_TRUE(wave.WaveName().isEmpty());
    EXPECT_TRUE(wave.Empty());
    EXPECT_EQ(wave.Size(), 0);
}

// Images that must not reach the sound device.
struct BadImage {
    const char* name;
    QByteArray image;
};

void PrintTo(const BadImage& bad, std::ostream* os) {
    *os << bad.name;
}

std::vector<BadImage> BadImages() {
    const QByteArray fmt = Chunk("fmt ", FmtBody(1, 1, 11025, 8));
    const QByteArray good = Riff(fmt + Chunk("data", Samples(400)));
    QByteArray notRiff = good;
    notRiff.replace(0, 4, "RIFX");
    QByteArray notWave = good;
    notWave.replace(8, 4, "AVI ");
    return {
        {"TooShort", QByteArray("RIFF\x10\0\0", 7)},
        {"NotRiff", notRiff},
        {"NotWave", notWave},
        {"FileCutShort", good.first(good.size() - 100)},
        {"RiffClaimsMore", Riff(fmt + Chunk("data", Samples(400)), 5000)},
        {"DataRunsPastRiff", Riff(fmt + Chunk("data", Samples(400), 100000))},
        {"DataHeaderCut", Riff(fmt + QByteArray("data\x10", 5))},
        {"NoFormat", Riff(Chunk("data", Samples(400)))},
        {"NoData", Riff(fmt)},
        {"FormatTooShort",
         Riff(Chunk("fmt ", FmtBody(1, 1, 11025, 8).first(14)) + Chunk("data", Samples(400)))},
        {"Compressed",
         Riff(Chunk("fmt ", FmtBody(2, 1, 11025, 4, 256)) + Chunk("data", Samples(400)))},
        {"FloatSamples",
         Riff(Chunk("fmt ", FmtBody(3, 1, 11025, 32)) + Chunk("data", Samples(400)))},
        {"TwentyFourBits",
         Riff(Chunk("fmt ", FmtBody(1, 1, 11025, 24)) + Chunk("data", Samples(400)))},
        {"NoChannels",
         Riff(Chunk("fmt ", FmtBody(1, 0, 11025, 8, 1)) + Chunk("data", Samples(400)))},
        {"SixChannels",
         Riff(Chunk("fmt ", FmtBody(1, 6, 11025, 16)) + Chunk("data", Samples(400)))},
        {"ZeroRate", Riff(Chunk("fmt ", FmtBody(1, 1, 0, 8)) + Chunk("data", Samples(400)))},
        {"WrongBlockAlign",
         Riff(Chunk("fmt ", FmtBody(1, 2, 11025, 16, 2)) + Chunk("data", Samples(400)))},
    };
}

class MalformedImageTest : public ::testing::TestWithParam<BadImage> {};

TEST_P(MalformedImageTest, PlayRefusesWithoutCallingTheService) {
    RecordingWaveService service;
    WaveSound wave;
    wave.SetService(&service);
    QBuffer buffer;
    buffer.setData(GetParam().image);
    buffer.open(QIODevice::ReadOnly);
    wave.LoadFromStream(buffer);
    ASSERT_FALSE(wave.Empty());
    try {
        wave.Play();
        ADD_FAILURE() << "played a malformed image";
    } catch (const WaveError& e) {
        EXPECT_STREQ(e.what(), "Error playing sound");
    }
    EXPECT_TRUE(service.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(Images, MalformedImageTest, ::testing::ValuesIn(BadImages()),
                         [](const auto& image) { return std::string(image.param.name); });

}  // namespace
}  // namespace tazkova
