#pragma once

#include "sound/PcmFormat.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct Mix_Chunk;

// A short sound decoded whole into memory in the mixer's format, played once per request on a free
// mixing channel so that playbacks overlap. Owns the samples and the Mix_Chunk that points into them;
// whatever channel still plays it is halted when it goes.
class SoundEffect
{
public:
    // The effect of the file decoded into `output`, or null when the file cannot be opened or decodes to
    // no audio at all.
    static std::unique_ptr<SoundEffect> load(const std::string& fileName, const PcmFormat& output);

    explicit SoundEffect(std::vector<std::uint8_t> pcm);
    ~SoundEffect();
    SoundEffect(const SoundEffect&) = delete;
    SoundEffect& operator=(const SoundEffect&) = delete;

    // Starts one playback on a free channel; returns the channel, or -1 when the mixer is closed or no
    // channel is free.
    int play();
    // True while `channel` is playing this effect.
    bool isPlayingOn(int channel) const;

private:
    std::vector<std::uint8_t> samples;
    std::unique_ptr<Mix_Chunk> chunk;
};
