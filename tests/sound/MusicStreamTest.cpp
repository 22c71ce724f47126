#include "sound/MusicStream.h"

#include "ToneFiles.h"
#include "sound/Mp3Decoder.h"
#include "support/TempFolder.h"

#include <SDL_audio.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace
{
const PcmFormat mixerFormat{44100, AUDIO_S16SYS, 2};
// What the mixer asks for per call with its 1024-frame buffer.
constexpr int hookBytes = 1024 * 4;
// Below this a sample of the half-scale tones counts as silence; a 440 Hz tone stays under it for one
// or two frames at each zero crossing, a gap for thousands.
constexpr int silenceLevel = 64;

std::vector<std::int16_t> pull(MusicStream& stream, std::size_t frames)
{
    std::vector<std::uint8_t> bytes(frames * 4);
    for (std::size_t offset = 0; offset < bytes.size(); offset += hookBytes)
    {
        const int bytesNow = static_cast<int>(std::min<std::size_t>(hookBytes, bytes.size() - offset));
        MusicStream::mixHook(&stream, bytes.data() + offset, bytesNow);
    }
    return asSamples(bytes);
}

std::vector<std::int16_t> decodeOnce(const std::string& file)
{
    Mp3Decoder decoder;
    EXPECT_TRUE(decoder.open(file, mixerFormat));
    return asSamples(decoder.readAll());
}

// The longest run of frames whose left sample is below the silence level.
std::size_t longestSilence(const std::vector<std::int16_t>& samples)
{
    std::size_t longest = 0;
    std::size_t run = 0;
    for (std::size_t i = 0; i < samples.size(); i += 2)
    {
        run = std::abs(samples[i]) < silenceLevel ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

// Samples that differ from the file's single decode repeated end to end.
std::size_t differencesFromLoopedOriginal(const std::vector<std::int16_t>& pulled,
                                          const std::vector<std::int16_t>& once)
{
    std::size_t differences = 0;
    for (std::size_t i = 0; i < pulled.size(); ++i)
        differences += pulled[i] != once[i % once.size()];
    return differences;
}

class MusicStreamTest : public ::testing::Test
{
protected:
    TempFolder folder;
};
} // namespace

TEST_F(MusicStreamTest, LoopsWithoutAGapAtTheEncodedLength)
{
    const std::string file = writeToneMp3(folder, "loop.mp3", Tone{});
    const std::vector<std::int16_t> once = decodeOnce(file);
    ASSERT_EQ(once.size(), 44100u * 2);

    std::unique_ptr<MusicStream> stream = MusicStream::open(file, mixerFormat);
    ASSERT_TRUE(stream);
    const std::vector<std::int16_t> pulled = pull(*stream, 44100 * 7 / 2);
    EXPECT_EQ(stream->framesFilled(), 44100u * 7 / 2);
    // Every loop is the file's 44100 frames again, joined with no frame added or lost.
    EXPECT_EQ(differencesFromLoopedOriginal(pulled, once), 0u);
    EXPECT_LE(longestSilence(pulled), 2u);
}

TEST_F(MusicStreamTest, RestartPlaysFromTheFirstFrame)
{
    std::unique_ptr<MusicStream> stream =
        MusicStream::open(writeToneMp3(folder, "music.mp3", Tone{}), mixerFormat);
    ASSERT_TRUE(stream);
    const std::vector<std::int16_t> first = pull(*stream, 30000);
    stream->restart();
    EXPECT_EQ(stream->framesFilled(), 0u);
    EXPECT_EQ(pull(*stream, 30000), first);
}

TEST_F(MusicStreamTest, AFileShorterThanTheBufferLoopsWithinOneCall)
{
    Tone shortTone;
    shortTone.seconds = 0.01;
    const std::string file = writeToneMp3(folder, "short.mp3", shortTone);
    const std::vector<std::int16_t> once = decodeOnce(file);
    ASSERT_EQ(once.size(), 441u * 2);

    std::unique_ptr<MusicStream> stream = MusicStream::open(file, mixerFormat);
    ASSERT_TRUE(stream);
    const std::vector<std::int16_t> pulled = pull(*stream, 1024);
    EXPECT_EQ(differencesFromLoopedOriginal(pulled, once), 0u);
}

TEST_F(MusicStreamTest, OnlyFilesWithMpegAudioBecomeStreams)
{
    EXPECT_FALSE(MusicStream::open(folder.file("missing.mp3"), mixerFormat));
    EXPECT_FALSE(MusicStream::open(folder.write("empty.mp3", ""), mixerFormat));
    EXPECT_FALSE(MusicStream::open(folder.write("text.mp3", std::string(5000, 'x')), mixerFormat));
}
