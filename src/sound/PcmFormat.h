#pragma once

#include <cstddef>
#include <cstdint>

// The layout of interleaved PCM audio as the mixer and the decoders exchange it.
struct PcmFormat
{
    int rateHz = 0;
    // An SDL AUDIO_* sample format code.
    std::uint16_t sampleFormat = 0;
    int channels = 0;

    // Bytes of one frame: one sample for every channel.
    int bytesPerFrame() const;
    // Fills whole samples with this format's silence (the mid value for the unsigned formats).
    void writeSilence(std::uint8_t* out, std::size_t bytes) const;
    bool operator==(const PcmFormat& other) const;
    bool operator!=(const PcmFormat& other) const;
};
