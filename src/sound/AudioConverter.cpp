#include "sound/AudioConverter.h"

#include <SDL_audio.h>

#include <algorithm>

namespace
{
int buildConversion(SDL_AudioCVT& conversion, const PcmFormat& from, const PcmFormat& to)
{
    return SDL_BuildAudioCVT(&conversion, from.sampleFormat, static_cast<Uint8>(from.channels), from.rateHz,
                             to.sampleFormat, static_cast<Uint8>(to.channels), to.rateHz);
}
} // namespace

AudioConverter::AudioConverter(const PcmFormat& from, const PcmFormat& to) : source(from), target(to)
{
    SDL_AudioCVT probe{};
    buildResult = buildConversion(probe, source, target);
}

bool AudioConverter::isUsable() const
{
    return buildResult >= 0;
}

void AudioConverter::convert(const std::uint8_t* pcm, std::size_t bytes, std::vector<std::uint8_t>& out) const
{
    if (buildResult == 0)
    {
        out.insert(out.end(), pcm, pcm + bytes);
        return;
    }
    if (buildResult < 0 || bytes == 0)
        return;
    // SDL converts in place in a buffer that must hold the larger of input and output.
    SDL_AudioCVT conversion{};
    buildConversion(conversion, source, target);
    std::vector<std::uint8_t> work(bytes * static_cast<std::size_t>(conversion.len_mult));
    std::copy(pcm, pcm + bytes, work.begin());
    conversion.buf = work.data();
    conversion.len = static_cast<int>(bytes);
    if (SDL_ConvertAudio(&conversion) != 0)
        return;
    const std::size_t converted = static_cast<std::size_t>(conversion.len_cvt);
    const std::size_t frameBytes = static_cast<std::size_t>(target.bytesPerFrame());
    out.insert(out.end(), work.begin(), work.begin() + (converted - converted % frameBytes));
}
