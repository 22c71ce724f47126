#include "sound/SoundHandler.h"

#include "sound/MusicStream.h"
#include "sound/SoundEffect.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>

SoundHandler::SoundHandler() : SoundHandler(AudioDevice::silentDriver) {}

SoundHandler::SoundHandler(const std::string& fallbackDriver) : device(fallbackDriver) {}

SoundHandler::~SoundHandler()
{
    stopMusic();
    if (device.isOpen())
        Mix_HaltChannel(-1);
    sounds.clear();
}

void SoundHandler::playMusic(const std::string& name)
{
    stopMusic();
    CachedSound& entry = sounds[name];
    if (!entry.stream && !entry.effect)
        entry.stream = MusicStream::open(name, device.format());
    startAsMusic(entry);
}

void SoundHandler::playSound(const std::string& name)
{
    CachedSound& entry = sounds[name];
    createEffectIfAbsent(name, entry);
    if (entry.stream)
    {
        stopMusic();
        startAsMusic(entry);
        return;
    }
    if (entry.effect && device.isOpen() && entry.effect->play() >= 0)
        ++entry.playbacks;
}

void SoundHandler::loadSound(const std::string& name)
{
    createEffectIfAbsent(name, sounds[name]);
}

void SoundHandler::update()
{
    // SDL_mixer mixes and the music decodes on SDL's audio thread; there is no per-frame work.
}

void SoundHandler::setMusicVolume(int steps)
{
    musicVolume = std::clamp(steps, 0, volumeSteps);
    applyVolumes();
}

void SoundHandler::setEffectsVolume(int steps)
{
    effectsVolume = std::clamp(steps, 0, volumeSteps);
    applyVolumes();
}

void SoundHandler::setMuted(bool silent)
{
    muted = silent;
    applyVolumes();
}

bool SoundHandler::isMuted() const
{
    return muted;
}

void SoundHandler::applyVolumes()
{
    if (!device.isOpen())
        return;
    const auto sdlVolume = [this](int steps) { return muted ? 0 : MIX_MAX_VOLUME * steps / volumeSteps; };
    Mix_Volume(-1, sdlVolume(effectsVolume));
    if (musicEffect)
        Mix_Volume(musicChannel, sdlVolume(musicVolume));
    if (musicStream)
    {
        // The audio thread reads the volume while it fills.
        SDL_LockAudio();
        musicStream->setVolume(sdlVolume(musicVolume));
        SDL_UnlockAudio();
    }
}

int SoundHandler::getPlaybackCount(const std::string& name) const
{
    const CachedSound* entry = findEntry(name);
    return entry ? entry->playbacks : 0;
}

std::uint64_t SoundHandler::getMusicFramesPlayed() const
{
    if (!musicStream)
        return 0;
    SDL_LockAudio();
    const std::uint64_t frames = musicStream->framesFilled();
    SDL_UnlockAudio();
    return frames;
}

void SoundHandler::createEffectIfAbsent(const std::string& name, CachedSound& entry)
{
    if (entry.stream || entry.effect)
        return;
    entry.effect = SoundEffect::load(name, device.format());
}

void SoundHandler::startAsMusic(CachedSound& entry)
{
    if (!device.isOpen())
        return;
    if (entry.stream)
    {
        // Unhooked since stopMusic(), so the audio thread cannot be decoding it while it rewinds.
        entry.stream->restart();
        Mix_HookMusic(&MusicStream::mixHook, entry.stream.get());
        musicStream = entry.stream.get();
        applyVolumes();
    }
    else if (entry.effect)
    {
        musicChannel = entry.effect->play();
        if (musicChannel < 0)
            return;
        musicEffect = entry.effect.get();
        applyVolumes();
    }
    else
    {
        return;
    }
    ++entry.playbacks;
}

void SoundHandler::stopMusic()
{
    // Mix_HookMusic swaps the hook under SDL's audio lock: once it returns, fill() is not running.
    if (musicStream)
        Mix_HookMusic(nullptr, nullptr);
    if (musicEffect && musicEffect->isPlayingOn(musicChannel))
        Mix_HaltChannel(musicChannel);
    musicStream = nullptr;
    musicEffect = nullptr;
    musicChannel = -1;
}

const SoundHandler::CachedSound* SoundHandler::findEntry(const std::string& name) const
{
    const auto found = sounds.find(name);
    return found == sounds.end() ? nullptr : &found->second;
}
