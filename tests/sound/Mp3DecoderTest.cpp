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

std::vector<std::uint8_t> decodeAll(const std::string& file, const PcmFormat& format)
{
    Mp3Decoder decoder;
    if (!decoder.open(file, format))
        return {};
    return decoder.readAll();
}

class Mp3DecoderTest : public ::testing::Test
{
protected:
    TempFolder folder;
    const std::string oneSecond = writeToneMp3(folder, "second.mp3", Tone{});
};
} // namespace

TEST_F(Mp3DecoderTest, DecodesExactlyTheEncodedFramesInPlace)
{
    // Without the gapless cut lame's delay and padding would add about 2000 frames and shift the tone. The
    // encoded tone comes back with a mean error of about 3%; a shift of one frame makes it 5%.
    const std::vector<std::int16_t> decoded = asSamples(decodeAll(oneSecond, mixerFormat));
    const std::vector<std::int16_t> original = toneSamples(Tone{});
    ASSERT_EQ(decoded.size(), original.size());
    double error = 0;
    for (std::size_t i = 0; i < original.size(); ++i)
        error += std::abs(decoded[i] - original[i]);
    EXPECT_LT(error / static_cast<double>(original.size()), 0.04 * toneAmplitude);
}

TEST_F(Mp3DecoderTest, DecodesIntoOtherMixerFormats)
{
    // mpg123 cannot decode to 12345 Hz itself, nor byte-swapped samples: SDL's converter takes over.
    for (const PcmFormat& format : {PcmFormat{44100, AUDIO_S16SYS, 1}, PcmFormat{48000, AUDIO_S16SYS, 2},
                                    PcmFormat{12345, AUDIO_S16SYS, 2}})
    {
        SCOPED_TRACE(::testing::Message() << format.rateHz << " Hz, " << format.channels << " channels");
        const std::size_t frames = decodeAll(oneSecond, format).size() / format.bytesPerFrame();
        EXPECT_NEAR(static_cast<double>(frames), format.rateHz, format.rateHz / 100.0);
    }

    const std::uint16_t swapped = AUDIO_S16SYS == AUDIO_S16LSB ? AUDIO_S16MSB : AUDIO_S16LSB;
    const std::vector<std::uint8_t> native = decodeAll(oneSecond, mixerFormat);
    std::vector<std::uint8_t> converted = decodeAll(oneSecond, PcmFormat{44100, swapped, 2});
    ASSERT_EQ(converted.size(), native.size());
    for (std::size_t i = 0; i + 1 < converted.size(); i += 2)
        std::swap(converted[i], converted[i + 1]);
    EXPECT_TRUE(converted == native);
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
    for (const std::string& file : {folder.file("missing.mp3"), folder.write("empty.mp3", ""),
                                    folder.write("text.mp3", text), folder.write("noise.mp3", noise)})
    {
        Mp3Decoder decoder;
        EXPECT_FALSE(decoder.open(file, mixerFormat)) << file;
    }
}
