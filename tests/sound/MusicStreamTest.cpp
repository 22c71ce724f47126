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

std::vector<std::int16_t> pull(MusicStream& stream, std::size_t frames)
{
    std::vector<std::uint8_t> bytes(frames * 4);
    for (std::size_t offset = 0; offset < bytes.size(); offset += hookBytes)
        MusicStream::mixHook(&stream, bytes.data() + offset,
                             static_cast<int>(std::min<std::size_t>(hookBytes, bytes.size() - offset)));
    return asSamples(bytes);
}
} // namespace

TEST(MusicStream, LoopsWithoutAGapAtTheEncodedLengthAndRestartsFromTheFirstFrame)
{
    TempFolder folder;
    // A file much longer than the mixer's buffer, and one shorter, which loops within one call.
    for (const double seconds : {1.0, 0.01})
    {
        SCOPED_TRACE(::testing::Message() << seconds << " s");
        const std::string file = writeToneMp3(folder, "loop.mp3", Tone{seconds});
        Mp3Decoder decoder;
        ASSERT_TRUE(decoder.open(file, mixerFormat));
        const std::vector<std::int16_t> once = asSamples(decoder.readAll());
        ASSERT_EQ(once.size(), static_cast<std::size_t>(44100 * seconds) * 2);

        std::unique_ptr<MusicStream> stream = MusicStream::open(file, mixerFormat);
        ASSERT_TRUE(stream);
        const std::vector<std::int16_t> pulled = pull(*stream, 44100 * 7 / 2);
        EXPECT_EQ(stream->framesFilled(), 44100u * 7 / 2);
        // Every loop is the file's frames again, joined with no frame added or lost.
        std::size_t differences = 0;
        for (std::size_t i = 0; i < pulled.size(); ++i)
            differences += pulled[i] != once[i % once.size()];
        EXPECT_EQ(differences, 0u);

        stream->restart();
        EXPECT_EQ(stream->framesFilled(), 0u);
        EXPECT_EQ(pull(*stream, 30000), std::vector<std::int16_t>(pulled.begin(), pulled.begin() + 60000));
    }
}
