#include "sound/Mp3Decoder.h"

#include "ToneFiles.h"
#include "support/TempFolder.h"

#include <SDL_audio.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace
{
const PcmFormat mixerFormat{44100, AUDIO_S16SYS, 2};
constexpr int maxShiftFrames = 20;

std::vector<std::uint8_t> decodeAll(const std::string& file, const PcmFormat& format)
{
    Mp3Decoder decoder;
    if (!decoder.open(file, format))
        return {};
    return decoder.readAll();
}

std::size_t frameCount(const std::vector<std::uint8_t>& bytes, const PcmFormat& format)
{
    return bytes.size() / static_cast<std::size_t>(format.bytesPerFrame());
}

// The mean difference per sample when the decoded audio is read `shift` frames later than the original.
double meanAbsoluteError(const std::vector<std::int16_t>& decoded, const std::vector<std::int16_t>& original,
                         int channels, int shift = 0)
{
    double total = 0;
    std::size_t count = 0;
    const std::size_t margin = maxShiftFrames * static_cast<std::size_t>(channels);
    for (std::size_t i = margin; i + margin < original.size(); ++i)
    {
        total += std::abs(decoded[i + static_cast<std::size_t>(shift * channels)] - original[i]);
        ++count;
    }
    return total / static_cast<double>(count);
}

// The shift, within the margin, at which the decoded audio best matches the original.
int bestShift(const std::vector<std::int16_t>& decoded, const std::vector<std::int16_t>& original,
              int channels)
{
    int best = 0;
    for (int shift = -maxShiftFrames; shift <= maxShiftFrames; ++shift)
    {
        if (meanAbsoluteError(decoded, original, channels, shift) <
            meanAbsoluteError(decoded, original, channels, best))
            best = shift;
    }
    return best;
}

// The encoded tone comes back a few percent quieter; anything beyond that is a different signal.
void expectSameTone(const std::vector<std::uint8_t>& decoded, const Tone& tone)
{
    const std::vector<std::int16_t> original = toneSamples(tone);
    const std::vector<std::int16_t> samples = asSamples(decoded);
    ASSERT_EQ(samples.size(), original.size());
    EXPECT_EQ(bestShift(samples, original, tone.channels), 0);
    EXPECT_LT(meanAbsoluteError(samples, original, tone.channels), 0.05 * toneAmplitude);
}

class Mp3DecoderTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder = new TempFolder();
        oneSecond = writeToneMp3(*folder, "second.mp3", Tone{});
    }
    static void TearDownTestSuite()
    {
        delete folder;
        folder = nullptr;
    }

    static TempFolder* folder;
    static std::string oneSecond;
};

TempFolder* Mp3DecoderTest::folder = nullptr;
std::string Mp3DecoderTest::oneSecond;
} // namespace

TEST_F(Mp3DecoderTest, DecodesExactlyTheEncodedFramesInPlace)
{
    // Without the gapless cut lame's delay and padding would add about 2000 frames and shift the tone.
    const std::vector<std::uint8_t> decoded = decodeAll(oneSecond, mixerFormat);
    ASSERT_EQ(frameCount(decoded, mixerFormat), 44100u);
    expectSameTone(decoded, Tone{});
}

TEST_F(Mp3DecoderTest, DecodesIntoOtherMixerFormats)
{
    const PcmFormat mono{44100, AUDIO_S16SYS, 1};
    Tone monoTone;
    monoTone.channels = 1;
    expectSameTone(decodeAll(oneSecond, mono), monoTone);

    const PcmFormat higherRate{48000, AUDIO_S16SYS, 2};
    EXPECT_NEAR(static_cast<double>(frameCount(decodeAll(oneSecond, higherRate), higherRate)), 48000.0, 48.0);

    // mpg123 cannot decode to this rate itself: SDL's converter takes over.
    const PcmFormat oddRate{12345, AUDIO_S16SYS, 2};
    EXPECT_NEAR(static_cast<double>(frameCount(decodeAll(oneSecond, oddRate), oddRate)), 12345.0, 124.0);
}

TEST_F(Mp3DecoderTest, ConvertsToByteSwappedSamples)
{
    const std::uint16_t swapped = AUDIO_S16SYS == AUDIO_S16LSB ? AUDIO_S16MSB : AUDIO_S16LSB;
    const std::vector<std::uint8_t> native = decodeAll(oneSecond, mixerFormat);
    const std::vector<std::uint8_t> converted = decodeAll(oneSecond, PcmFormat{44100, swapped, 2});
    ASSERT_EQ(converted.size(), native.size());
    ASSERT_FALSE(native.empty());
    std::size_t mismatches = 0;
    for (std::size_t i = 0; i + 1 < native.size(); i += 2)
        mismatches += native[i] != converted[i + 1] || native[i + 1] != converted[i];
    EXPECT_EQ(mismatches, 0u);
}

TEST_F(Mp3DecoderTest, RewindStartsTheSameAudioAgain)
{
    Mp3Decoder decoder;
    ASSERT_TRUE(decoder.open(oneSecond, mixerFormat));
    const std::vector<std::uint8_t> first = decoder.readAll();
    std::uint8_t more[64];
    EXPECT_EQ(decoder.read(more, sizeof more), 0u);
    ASSERT_TRUE(decoder.rewind());
    EXPECT_EQ(decoder.readAll(), first);
}

TEST_F(Mp3DecoderTest, RefusesFilesWithoutMpegAudio)
{
    std::string noise(20000, '\0');
    std::mt19937 random(7);
    for (char& byte : noise)
        byte = static_cast<char>(random() & 0xFF);
    std::string text;
    while (text.size() < 20000)
        text += "this is not an mp3 file\n";
    const std::string files[] = {folder->file("missing.mp3"), folder->write("empty.mp3", ""),
                                 folder->write("text.mp3", text), folder->write("noise.mp3", noise)};
    for (const std::string& file : files)
    {
        Mp3Decoder decoder;
        EXPECT_FALSE(decoder.open(file, mixerFormat)) << file;
    }
}

TEST_F(Mp3DecoderTest, DecodesATruncatedFileAsFarAsItGoes)
{
    const std::string whole = readFile(oneSecond);
    const std::string half = folder->write("half.mp3", whole.substr(0, whole.size() / 2));
    const std::size_t frames = frameCount(decodeAll(half, mixerFormat), mixerFormat);
    EXPECT_GT(frames, 10000u);
    EXPECT_LT(frames, 44100u);
}
