#pragma once

#include "sound/PcmFormat.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Converts PCM between two formats with SDL's converter. Used for the few outputs libmpg123 cannot
// decode into itself: a device rate outside the MPEG family, more than two channels, byte-swapped
// samples. Each call converts on its own, so blocks of a stream are joined without filter state.
class AudioConverter
{
public:
    AudioConverter(const PcmFormat& from, const PcmFormat& to);

    // False when SDL knows no conversion between the two formats.
    bool isUsable() const;
    // Appends the conversion of `bytes` (whole frames of the source format) to `out`.
    void convert(const std::uint8_t* pcm, std::size_t bytes, std::vector<std::uint8_t>& out) const;

private:
    PcmFormat source;
    PcmFormat target;
    int buildResult;
};
