#pragma once

#include "engine/Object.h"
#include "sound/AudioDevice.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

class MusicStream;
class SoundEffect;

// Music and sound effects by file name, on SDL_mixer with MP3s decoded by libmpg123. Every sound made is
// kept for the rest of the run in one cache shared by music and effects: a name first asked for as music
// becomes a looping stream, one first asked for as an effect is decoded whole into memory, and later
// requests reuse whatever the name holds. A file that cannot be opened or decoded plays nothing and
// leaves no sound behind, so the next request tries it again. With no usable audio device at all every
// operation still fills the cache but plays nothing. Core owns the one handler.
class SoundHandler : public Object
{
public:
    // Opens the audio device, falling back to SDL's silent "dummy" driver.
    SoundHandler();
    // The same with another fallback driver; a name SDL does not know gives a handler without a device.
    explicit SoundHandler(const std::string& fallbackDriver);
    // Stops the music and every effect, frees the sounds, then closes the device.
    ~SoundHandler() override;

    // Stops the music playing, if any, and plays this file from its start in an endless loop. A name
    // cached as an effect plays once in the music's place.
    void playMusic(const std::string& name);
    // Plays the effect once on a free channel, over whatever plays already. A name cached as music has
    // one playback only: it restarts as the music.
    void playSound(const std::string& name);
    // Loads and caches the effect without playing it.
    void loadSound(const std::string& name);
    // The per-frame update of the sound back-end.
    void update();

    // Volumes in steps from 0, silent, to volumeSteps, the level each sound has of its own. Music and effects
    // each have theirs; muting silences both and keeps them.
    static constexpr int volumeSteps = 10;
    void setMusicVolume(int steps);
    void setEffectsVolume(int steps);
    void setMuted(bool silent);
    bool isMuted() const;

    // For tests; none of these change what plays.
    // How many playbacks of the name were started, as music or as an effect.
    int getPlaybackCount(const std::string& name) const;
    // Frames the mixer has taken from the music stream since it last started; 0 without one.
    std::uint64_t getMusicFramesPlayed() const;

private:
    struct CachedSound
    {
        std::unique_ptr<MusicStream> stream;
        std::unique_ptr<SoundEffect> effect;
        int playbacks = 0;
    };

    void createEffectIfAbsent(const std::string& name, CachedSound& entry);
    void startAsMusic(CachedSound& entry);
    void stopMusic();
    // Gives the mixer's channels and the music the volumes as they now stand.
    void applyVolumes();
    const CachedSound* findEntry(const std::string& name) const;

    // Declared first so that it closes after every sound is gone.
    AudioDevice device;
    std::map<std::string, CachedSound> sounds;
    // The music now playing: a hooked stream, or an effect on a remembered channel.
    MusicStream* musicStream = nullptr;
    SoundEffect* musicEffect = nullptr;
    int musicChannel = -1;
    int musicVolume = volumeSteps;
    int effectsVolume = volumeSteps;
    bool muted = false;
};
