// Reading wave headers: what is found in images that can be played.
#include "sound/wave_image.h"

#include <gtest/gtest.h>

#include "tests/sound/sound_fixtures.h"

namespace tazkova {

using namespace tazkova::sound;
using namespace tazkova::game;
namespace {

using namespace tazkova::testing;

TEST(WaveImageTest, FindsFormatAndSamplesOfPlainImage) {
    const QByteArray pcm = Samples(4000);
    const QByteArray image = Riff(Chunk("fmt ", FmtBody(1, 2, 22050, 16)) + Chunk("data", pcm));
    const auto sound = ParseWaveImage(image);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->channels, 2);
    EXPECT_EQ(sound->sampleRate, 22050);
    EXPECT_EQ(sound->bitsPerSample, 16);
    EXPECT_EQ(sound->BytesPerFrame(), 4);
    EXPECT_EQ(sound->pcm.toByteArray(), pcm);
    // The samples are a view into the image itself, right after the data chunk's header.
    EXPECT_EQ(sound->pcm.data(), image.constData() + image.size() - pcm.size());
    // 1000 frames at 22050 Hz: 45.35 ms, rounded up.
    EXPECT_EQ(sound->DurationMs(), 46);
}

TEST(WaveImageTest, SkipsOtherChunksWithTheirPadBytes) {
    const QByteArray pcm = Samples(300, 5);
    // An odd-sized chunk is followed by a pad byte before the next chunk.
    const QByteArray image =
        Riff(Chunk("LIST", QByteArray("abc")) + Chunk("fmt ", FmtBody(1, 1, 11025, 8)) +
             Chunk("fact", QByteArray(4, 'x')) + Chunk("data", pcm));
    const auto sound = ParseWaveImage(image);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->pcm.toByteArray(), pcm);
}

TEST(WaveImageTest, AcceptsLongerFormatChunkAndIgnoresBytesAfterTheRiff) {
    const QByteArray pcm = Samples(100);
    QByteArray image =
        Riff(Chunk("fmt ", FmtBody(1, 1, 8000, 8) + QByteArray(2, '\0')) + Chunk("data", pcm));
    image += "trailing junk after the wave";
    const auto sound = ParseWaveImage(image);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->sampleRate, 8000);
    EXPECT_EQ(sound->pcm.toByteArray(), pcm);
}

TEST(WaveImageTest, DropsAFrameCutInHalfAtTheEnd) {
    // Stereo 16 bit: frames of 4 bytes; 10 bytes hold two whole frames.
    const QByteArray image =
        Riff(Chunk("fmt ", FmtBody(1, 2, 11025, 16)) + Chunk("data", Samples(10)));
    const auto sound = ParseWaveImage(image);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->pcm.toByteArray(), Samples(8));
}

}  // namespace
}  // namespace tazkova
