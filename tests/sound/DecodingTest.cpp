#include "sound/Mp3Decoder.h"
#include "sound/MusicStream.h"

#include "ToneFiles.h"

#include <SDL_audio.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace
{
const PcmFormat mixerFormat{44100, AUDIO_S16SYS, 2};

// Frames of music (a multiple of 1024) pulled the way the mixer does, 1024 at a time.
std::vector<std::uint8_t> pull(MusicStream& stream, std::size_t frames)
{
    std::vector<std::uint8_t> bytes(frames * 4);
    for (std::size_t offset = 0; offset < bytes.size(); offset += 4096)
        MusicStream::mixHook(&stream, bytes.data() + offset, 4096);
    return bytes;
}
} // namespace

TEST(MusicStream, DecodesAndLoopsTheEncodedFramesWithoutAGapAndRestartsFromTheFirstFrame)
{
    TempFolder folder;
    // A file much longer than the mixer's buffer, and one shorter, which loops within one call.
    for (const double seconds : {1.0, 0.01})
    {
        SCOPED_TRACE(::testing::Message() << seconds << " s");
        const std::string file = writeToneMp3(folder, "loop.mp3", seconds);
        // Without the gapless cut lame's delay and padding would add about 2000 frames and shift the tone.
        // The encoded tone comes back with a mean error of about 3%; a shift of one frame makes it 5%.
        Mp3Decoder decoder;
        ASSERT_TRUE(decoder.open(file, mixerFormat));
        const std::vector<std::uint8_t> once = decoder.readAll();
        const std::vector<std::int16_t> tone = toneSamples(seconds);
        ASSERT_EQ(once.size(), tone.size() * 2);
        double error = 0;
        for (std::size_t i = 0; i < tone.size(); ++i)
        {
            std::int16_t sample;
            std::memcpy(&sample, &once[2 * i], 2);
            error += std::abs(sample - tone[i]);
        }
        EXPECT_LT(error / static_cast<double>(tone.size()), 0.04 * toneAmplitude);

        std::unique_ptr<MusicStream> stream = MusicStream::open(file, mixerFormat);
        ASSERT_TRUE(stream);
        const std::vector<std::uint8_t> pulled = pull(*stream, 150 * 1024);
        EXPECT_EQ(stream->framesFilled(), 150u * 1024);
        // Every loop is the file's frames again, joined with no frame added or lost.
        std::size_t differences = 0;
        for (std::size_t i = 0; i < pulled.size(); ++i)
            differences += pulled[i] != once[i % once.size()];
        EXPECT_EQ(differences, 0u);

        stream->restart();
        EXPECT_EQ(stream->framesFilled(), 0u);
        EXPECT_TRUE(pull(*stream, 30 * 1024) ==
                    std::vector<std::uint8_t>(pulled.begin(), pulled.begin() + 30 * 4096));
    }
}

TEST(PcmFormat, SilenceIsTheMiddleValueOfEverySampleFormat)
{
    // Each format and the first two bytes written, the first as the low byte.
    const std::pair<int, int> cases[] = {
        {AUDIO_U8, 0x8080}, {AUDIO_S8, 0}, {AUDIO_U16LSB, 0x8000}, {AUDIO_U16MSB, 0x80}, {AUDIO_S16LSB, 0}};
    for (const auto& [sampleFormat, silence] : cases)
    {
        std::uint8_t written[2] = {0x55, 0x55};
        PcmFormat{44100, static_cast<std::uint16_t>(sampleFormat), 1}.writeSilence(written, 2);
        EXPECT_EQ(written[0] | written[1] << 8, silence) << std::hex << sampleFormat;
    }
}
