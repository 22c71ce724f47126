#include "sound/AudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>
#include <optional>

AudioDevice::AudioDevice(const std::string& fallbackDriver)
    : outputFormat{requestedRateHz, AUDIO_S16SYS, requestedChannels}
{
    deviceOpen = openWithCurrentDriver() || openWithDriver(fallbackDriver);
    if (!deviceOpen)
        return;
    int rateHz = 0;
    Uint16 sampleFormat = 0;
    int channels = 0;
    Mix_QuerySpec(&rateHz, &sampleFormat, &channels);
    outputFormat = PcmFormat{rateHz, sampleFormat, channels};
    Mix_AllocateChannels(mixingChannels);
}

AudioDevice::~AudioDevice()
{
    if (!deviceOpen)
        return;
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool AudioDevice::isOpen() const
{
    return deviceOpen;
}

const PcmFormat& AudioDevice::format() const
{
    return outputFormat;
}

bool AudioDevice::openWithCurrentDriver()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudio(requestedRateHz, AUDIO_S16SYS, requestedChannels, bufferFrames) == 0)
        return true;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

bool AudioDevice::openWithDriver(const std::string& driver)
{
    // SDL reads the driver from the environment when the subsystem starts; the variable is put back
    // afterwards so nothing else in the process sees the change.
    std::optional<std::string> previous;
    if (const char* value = std::getenv(driverVariable))
        previous = value;
    setenv(driverVariable, driver.c_str(), 1);
    const bool opened = openWithCurrentDriver();
    if (previous)
        setenv(driverVariable, previous->c_str(), 1);
    else
        unsetenv(driverVariable);
    return opened;
}
