#include "sound/MusicStream.h"

#include <SDL.h>

std::unique_ptr<MusicStream> MusicStream::open(const std::string& fileName, const PcmFormat& output)
{
    std::unique_ptr<MusicStream> stream(new MusicStream(output));
    if (!stream->decoder.open(fileName, output))
        return nullptr;
    return stream;
}

MusicStream::MusicStream(const PcmFormat& output) : format(output), volume(SDL_MIX_MAXVOLUME) {}

void MusicStream::restart()
{
    decoder.rewind();
    frames = 0;
}

void MusicStream::fill(std::uint8_t* out, int bytes)
{
    const std::size_t wanted = static_cast<std::size_t>(bytes);
    if (volume >= SDL_MIX_MAXVOLUME)
    {
        decode(out, wanted);
        return;
    }
    quieter.resize(wanted);
    decode(quieter.data(), wanted);
    format.writeSilence(out, wanted);
    SDL_MixAudio(out, quieter.data(), static_cast<Uint32>(wanted), volume);
}

void MusicStream::setVolume(int sdlVolume)
{
    volume = sdlVolume;
}

void MusicStream::decode(std::uint8_t* out, std::size_t wanted)
{
    std::size_t written = decoder.read(out, wanted);
    // A file shorter than the buffer loops several times; one that yields nothing from its start ends
    // the filling instead of spinning on the audio thread.
    while (written < wanted && decoder.rewind())
    {
        const std::size_t count = decoder.read(out + written, wanted - written);
        if (count == 0)
            break;
        written += count;
    }
    frames += written / static_cast<std::size_t>(format.bytesPerFrame());
    format.writeSilence(out + written, wanted - written);
}

std::uint64_t MusicStream::framesFilled() const
{
    return frames;
}

void MusicStream::mixHook(void* stream, std::uint8_t* out, int bytes)
{
    static_cast<MusicStream*>(stream)->fill(out, bytes);
}
