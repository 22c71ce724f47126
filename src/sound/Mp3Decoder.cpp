#include "sound/Mp3Decoder.h"

#include "platform/RegularFile.h"
#include "sound/AudioConverter.h"

#include <SDL_audio.h>
#include <mpg123.h>

#include <algorithm>
#include <cassert>
#include <cstdio>

#include <unistd.h>

namespace
{
constexpr std::size_t convertedBlockFrames = 4096;
constexpr std::size_t readAllBlockFrames = 16384;

void initialiseLibrary()
{
    // Needed once before libmpg123 1.27, a no-op since.
    static const int result = mpg123_init();
    static_cast<void>(result);
}

// The mpg123 encoding whose samples lie in memory exactly as the SDL format's, or 0 when there is none.
int mpg123Encoding(std::uint16_t sdlFormat)
{
    switch (sdlFormat)
    {
    case AUDIO_U8:
        return MPG123_ENC_UNSIGNED_8;
    case AUDIO_S8:
        return MPG123_ENC_SIGNED_8;
    case AUDIO_S16SYS:
        return MPG123_ENC_SIGNED_16;
    case AUDIO_U16SYS:
        return MPG123_ENC_UNSIGNED_16;
    default:
        return 0;
    }
}

int mpg123Channels(int channels)
{
    if (channels == 1)
        return MPG123_MONO;
    if (channels == 2)
        return MPG123_STEREO;
    return 0;
}
} // namespace

Mp3Decoder::Mp3Decoder()
{
    initialiseLibrary();
    handle = mpg123_new(nullptr, nullptr);
    if (handle)
        mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0);
}

Mp3Decoder::~Mp3Decoder()
{
    closeFile();
    if (handle)
        mpg123_delete(handle);
}

bool Mp3Decoder::open(const std::string& fileName, const PcmFormat& target)
{
    if (!handle)
        return false;
    closeFile();
    converter.reset();
    pending.clear();
    pendingStart = 0;
    outputFormat = target;
    file = platform::openRegularFile(fileName);
    if (file < 0)
        return false;
    // The first try may have read into the file before it gave up.
    if (openDirect(target) || (lseek(file, 0, SEEK_SET) == 0 && openConverted(target)))
        return true;
    closeFile();
    return false;
}

std::size_t Mp3Decoder::read(std::uint8_t* out, std::size_t bytes)
{
    assert(outputFormat.bytesPerFrame() > 0 &&
           bytes % static_cast<std::size_t>(outputFormat.bytesPerFrame()) == 0);
    if (!converter)
        return decode(out, bytes);
    while (pending.size() - pendingStart < bytes && convertNextBlock())
    {
    }
    const std::size_t count = std::min(bytes, pending.size() - pendingStart);
    std::copy_n(pending.begin() + static_cast<std::ptrdiff_t>(pendingStart), count, out);
    pendingStart += count;
    return count;
}

std::vector<std::uint8_t> Mp3Decoder::readAll()
{
    const std::size_t blockBytes =
        readAllBlockFrames * static_cast<std::size_t>(outputFormat.bytesPerFrame());
    std::vector<std::uint8_t> all;
    std::size_t filled = 0;
    for (;;)
    {
        all.resize(filled + blockBytes);
        const std::size_t count = read(all.data() + filled, blockBytes);
        filled += count;
        if (count < blockBytes)
            break;
    }
    all.resize(filled);
    return all;
}

bool Mp3Decoder::rewind()
{
    pending.clear();
    pendingStart = 0;
    return handle && mpg123_seek(handle, 0, SEEK_SET) >= 0;
}

bool Mp3Decoder::openDirect(const PcmFormat& target)
{
    const int encoding = mpg123Encoding(target.sampleFormat);
    const int channels = mpg123Channels(target.channels);
    if (encoding == 0 || channels == 0)
        return false;
    // Only the target stays allowed, so mpg123 resamples and mixes down or up to it itself.
    if (mpg123_format_none(handle) != MPG123_OK ||
        mpg123_format(handle, target.rateHz, channels, encoding) != MPG123_OK)
        return false;
    if (mpg123_open_fd(handle, file) != MPG123_OK)
        return false;
    long rate = 0;
    int decodedChannels = 0;
    int decodedEncoding = 0;
    if (mpg123_getformat(handle, &rate, &decodedChannels, &decodedEncoding) != MPG123_OK)
    {
        mpg123_close(handle);
        return false;
    }
    return true;
}

bool Mp3Decoder::openConverted(const PcmFormat& target)
{
    if (mpg123_format_none(handle) != MPG123_OK)
        return false;
    const long* rates = nullptr;
    std::size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (std::size_t i = 0; i < rateCount; ++i)
        mpg123_format(handle, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open_fd(handle, file) != MPG123_OK)
        return false;
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(handle, &rate, &channels, &encoding) != MPG123_OK)
    {
        mpg123_close(handle);
        return false;
    }
    decodedFormat = PcmFormat{static_cast<int>(rate), AUDIO_S16SYS, channels};
    converter = std::make_unique<AudioConverter>(decodedFormat, target);
    if (converter->isUsable())
        return true;
    converter.reset();
    mpg123_close(handle);
    return false;
}

void Mp3Decoder::closeFile()
{
    // mpg123 leaves a descriptor it was given open.
    if (handle)
        mpg123_close(handle);
    if (file >= 0)
        close(file);
    file = -1;
}

std::size_t Mp3Decoder::decode(std::uint8_t* out, std::size_t bytes)
{
    if (!handle)
        return 0;
    std::size_t written = 0;
    while (written < bytes)
    {
        std::size_t done = 0;
        const int result = mpg123_read(handle, out + written, bytes - written, &done);
        written += done;
        // With a converter set up for the first format, a file that changes format midway ends there.
        if (result == MPG123_NEW_FORMAT && !converter)
            continue;
        if (result != MPG123_OK || done == 0)
            break;
    }
    return written;
}

bool Mp3Decoder::convertNextBlock()
{
    std::vector<std::uint8_t> block(convertedBlockFrames *
                                    static_cast<std::size_t>(decodedFormat.bytesPerFrame()));
    const std::size_t count = decode(block.data(), block.size());
    if (count == 0)
        return false;
    pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(pendingStart));
    pendingStart = 0;
    converter->convert(block.data(), count, pending);
    return true;
}
