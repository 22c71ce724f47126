#include "sound/PcmFormat.h"

#include <SDL_audio.h>

#include <cstring>

int PcmFormat::bytesPerFrame() const
{
    // SDL keeps the bits per sample in the low byte of the format code.
    const int bytesPerSample = (sampleFormat & 0xFF) / 8;
    return bytesPerSample * channels;
}

void PcmFormat::writeSilence(std::uint8_t* out, std::size_t bytes) const
{
    switch (sampleFormat)
    {
    case AUDIO_U8:
        std::memset(out, 0x80, bytes);
        break;
    case AUDIO_U16LSB:
    case AUDIO_U16MSB:
    {
        const bool lowByteFirst = sampleFormat == AUDIO_U16LSB;
        for (std::size_t i = 0; i + 1 < bytes; i += 2)
        {
            out[i] = lowByteFirst ? 0x00 : 0x80;
            out[i + 1] = lowByteFirst ? 0x80 : 0x00;
        }
        break;
    }
    default:
        std::memset(out, 0, bytes);
        break;
    }
}

bool PcmFormat::operator==(const PcmFormat& other) const
{
    return rateHz == other.rateHz && sampleFormat == other.sampleFormat && channels == other.channels;
}

bool PcmFormat::operator!=(const PcmFormat& other) const
{
    return !(*this == other);
}
