// The wave-sound component: its data, its name, and what Play and Stop ask of the service.
#include "Wavez.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "sound_fixtures.h"

namespace tazkova {
namespace {

using namespace tazkova::testing;

class TWaveFileTest : public ::testing::Test {
  protected:
    TWaveFileTest() { wave.SetService(&service); }

    void Load(const QByteArray& bytes) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        wave.LoadFromStream(buffer);
    }

    std::string PlayError() {
        try {
            wave.Play();
        } catch (const EWaveError& e) {
            return e.what();
        }
        return "";
    }

    RecordingWaveService service;
    TWaveFile wave;
};

TEST_F(TWaveFileTest, NewComponentIsEmptyAsyncAndPlaysOnce) {
    EXPECT_TRUE(wave.Empty());
    EXPECT_EQ(wave.Size(), 0);
    EXPECT_EQ(wave.WavePause(), wpAsync);
    EXPECT_EQ(wave.WaveLoop(), wlNoLoop);
    EXPECT_TRUE(wave.WaveName().isEmpty());
}

TEST_F(TWaveFileTest, EmptyComponentRefusesToPlayBeforeAnythingElse) {
    bool onPlayCalled = false;
    wave.OnPlay = [&](QObject*) { onPlayCalled = true; };
    EXPECT_EQ(PlayError(), "No wave data");
    EXPECT_FALSE(onPlayCalled);
    EXPECT_TRUE(service.calls.empty());
}

TEST_F(TWaveFileTest, PlayHandsTheSamplesToTheServiceWithTheFlagsOfPauseAndLoop) {
    const QByteArray pcm = Samples(500);
    Load(MonoWave(pcm));
    wave.Play();
    wave.SetWavePause(wpsSync);
    wave.Play();
    wave.SetWavePause(wpAsync);
    wave.SetWaveLoop(wlLoop);
    wave.Play();
    ASSERT_EQ(service.calls.size(), 3u);
    EXPECT_EQ(service.calls[0].flags, SND_ASYNC | SND_MEMORY);
    EXPECT_EQ(service.calls[1].flags, SND_SYNC | SND_MEMORY);
    EXPECT_EQ(service.calls[2].flags, SND_ASYNC | SND_MEMORY | SND_LOOP);
    EXPECT_EQ(service.calls[0].pcm, pcm);
    EXPECT_EQ(service.calls[0].sampleRate, 11025);
    EXPECT_EQ(service.calls[0].channels, 1);
    EXPECT_EQ(service.calls[0].bitsPerSample, 8);
}

TEST_F(TWaveFileTest, OnPlayComesBeforeTheSoundAndOnStopBeforeThePurge) {
    std::vector<std::string> log;
    service.log = &log;
    QObject* sender = nullptr;
    wave.OnPlay = [&](QObject* s) {
        sender = s;
        log.push_back("OnPlay");
    };
    wave.OnStop = [&](QObject*) { log.push_back("OnStop"); };
    Load(MonoWave(Samples(10)));
    wave.Play();
    wave.Stop();
    EXPECT_EQ(log, (std::vector<std::string>{"OnPlay", "play", "OnStop", "purge"}));
    EXPECT_EQ(sender, &wave);
}

TEST_F(TWaveFileTest, ServiceRefusingIsAnError) {
    Load(MonoWave(Samples(10)));
    service.refuse = true;
    EXPECT_EQ(PlayError(), "Error playing sound");
    EXPECT_EQ(service.calls.size(), 1u);
}

TEST_F(TWaveFileTest, SaveWritesTheImageAndLoadReadsItBack) {
    const QByteArray image = MonoWave(Samples(1234, 3));
    Load(image);
    EXPECT_EQ(wave.Size(), image.size());

    QBuffer out;
    out.open(QIODevice::WriteOnly);
    wave.SaveToStream(out);
    EXPECT_EQ(out.data(), image);

    TWaveFile copy;
    out.close();
    out.open(QIODevice::ReadOnly);
    copy.LoadFromStream(out);
    EXPECT_TRUE(copy.Equal(wave));
    EXPECT_EQ(copy.Data(), image);
}

TEST_F(TWaveFileTest, LoadTakesTheStreamFromItsCurrentPosition) {
    const QByteArray image = MonoWave(Samples(64));
    QBuffer buffer;
    buffer.setData(QByteArray("HEADER") + image);
    buffer.open(QIODevice::ReadOnly);
    buffer.seek(6);
    wave.LoadFromStream(buffer);
    EXPECT_EQ(wave.Data(), image);
}

TEST_F(TWaveFileTest, LoadReplacesAndMissingFileLeavesTheDataAlone) {
    Load(MonoWave(Samples(20)));
    Load(MonoWave(Samples(30)));
    EXPECT_EQ(wave.Data(), MonoWave(Samples(30)));
    EXPECT_THROW(wave.LoadFromFile("/nonexistent/folder/Card.wav"), std::runtime_error);
    EXPECT_EQ(wave.Data(), MonoWave(Samples(30)));
}

class DerivedWave : public TWaveFile {};

TEST(TWaveFileEqualTest, ComparesEmptinessClassAndBytes) {
    TWaveFile a, b;
    EXPECT_TRUE(a.Equal(b));
    auto load = [](TWaveFile& w, const QByteArray& bytes) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        w.LoadFromStream(buffer);
    };
    load(a, MonoWave(Samples(100)));
    EXPECT_FALSE(a.Equal(b));
    EXPECT_FALSE(b.Equal(a));
    load(b, MonoWave(Samples(100)));
    EXPECT_TRUE(a.Equal(b));
    load(b, MonoWave(Samples(100, 1)));  // same size, other bytes
    EXPECT_FALSE(a.Equal(b));
    load(b, MonoWave(Samples(101)));
    EXPECT_FALSE(a.Equal(b));

    DerivedWave d;
    load(d, MonoWave(Samples(100)));
    EXPECT_FALSE(a.Equal(d));
    EXPECT_FALSE(d.Equal(a));
    DerivedWave e;
    EXPECT_FALSE(d.Equal(e));
    load(e, MonoWave(Samples(100)));
    EXPECT_TRUE(d.Equal(e));
}

class WaveNameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkpath("sounds/old"));
        path = dir.filePath("sounds/old/Card.wav");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(MonoWave(Samples(77)));
    }

    QTemporaryDir dir;
    QString path;
    TWaveFile wave;
};

TEST_F(WaveNameTest, KeepsOnlyTheFileNameAndReadsTheFile) {
    wave.SetWaveName(path);
    EXPECT_EQ(wave.WaveName(), "Card.wav");
    EXPECT_EQ(wave.Data(), MonoWave(Samples(77)));
}

TEST_F(WaveNameTest, NameOfNoFileOrOfAFolderChangesOnlyTheName) {
    wave.SetWaveName(path);
    wave.SetWaveName(dir.filePath("sounds/old/Other.wav"));
    EXPECT_EQ(wave.WaveName(), "Other.wav");
    wave.SetWaveName(dir.filePath("sounds/old"));
    EXPECT_EQ(wave.WaveName(), "old");
    EXPECT_EQ(wave.Data(), MonoWave(Samples(77)));
}

TEST_F(WaveNameTest, WhileLoadingNoFileIsRead) {
    wave.SetLoading(true);
    wave.SetWaveName(path);
    EXPECT_EQ(wave.WaveName(), "Card.wav");
    EXPECT_TRUE(wave.Empty());
}

TEST_F(WaveNameTest, EmptyNameClearsNameAndData) {
    wave.SetWaveName(path);
    wave.SetWaveName("");
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
    TWaveFile wave;
    wave.SetService(&service);
    QBuffer buffer;
    buffer.setData(GetParam().image);
    buffer.open(QIODevice::ReadOnly);
    wave.LoadFromStream(buffer);
    ASSERT_FALSE(wave.Empty());
    try {
        wave.Play();
        ADD_FAILURE() << "played a malformed image";
    } catch (const EWaveError& e) {
        EXPECT_STREQ(e.what(), "Error playing sound");
    }
    EXPECT_TRUE(service.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(Images, MalformedImageTest, ::testing::ValuesIn(BadImages()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tazkova
