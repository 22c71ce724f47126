#include "sound/SoundEffect.h"

#include "sound/Mp3Decoder.h"

#include <SDL_mixer.h>

namespace
{
bool isMixerOpen()
{
    return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0;
}
} // namespace

std::unique_ptr<SoundEffect> SoundEffect::load(const std::string& fileName, const PcmFormat& output)
{
    Mp3Decoder decoder;
    if (!decoder.open(fileName, output))
        return nullptr;
    std::vector<std::uint8_t> pcm = decoder.readAll();
    if (pcm.empty())
        return nullptr;
    return std::make_unique<SoundEffect>(std::move(pcm));
}

SoundEffect::SoundEffect(std::vector<std::uint8_t> pcm) : samples(std::move(pcm)), chunk(new Mix_Chunk())
{
    // Not allocated by the mixer: Mix_FreeChunk is never called on it, the samples are freed with us.
    chunk->allocated = 0;
    chunk->abuf = samples.data();
    chunk->alen = static_cast<Uint32>(samples.size());
    chunk->volume = MIX_MAX_VOLUME;
}

SoundEffect::~SoundEffect()
{
    if (!isMixerOpen())
        return;
    const int channels = Mix_AllocateChannels(-1);
    for (int channel = 0; channel < channels; ++channel)
    {
        if (Mix_GetChunk(channel) == chunk.get())
            Mix_HaltChannel(channel);
    }
}

int SoundEffect::play()
{
    if (!isMixerOpen())
        return -1;
    return Mix_PlayChannel(-1, chunk.get(), 0);
}

bool SoundEffect::isPlayingOn(int channel) const
{
    return channel >= 0 && isMixerOpen() && Mix_Playing(channel) && Mix_GetChunk(channel) == chunk.get();
}
