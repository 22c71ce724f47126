#pragma once

#include "sound/PcmFormat.h"

#include <string>

// SDL's audio subsystem and the mixer, open for as long as this lives. When the system's driver cannot
// open (no sound card, no sound server) it tries once more on a fallback driver, SDL's "dummy" for the
// game, which plays into nothing, so the game runs silent instead of stopping. When that fails too the
// device stays closed and everything built on it is silent.
class AudioDevice
{
public:
    static constexpr int requestedRateHz = 44100;
    static constexpr int requestedChannels = 2;
    static constexpr int bufferFrames = 1024;
    static constexpr int mixingChannels = 100;
    static constexpr const char* silentDriver = "dummy";
    // The variable through which SDL is told which driver to use.
    static constexpr const char* driverVariable = "SDL_AUDIODRIVER";

    explicit AudioDevice(const std::string& fallbackDriver = silentDriver);
    // Closes the mixer; whoever played on it has halted its channels and unhooked its music before.
    ~AudioDevice();
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    bool isOpen() const;
    // The mixer's output format; while closed, the one that was asked for, so decoding still has a target.
    const PcmFormat& format() const;

private:
    bool openWithCurrentDriver();
    bool openWithDriver(const std::string& driver);

    bool deviceOpen = false;
    PcmFormat outputFormat;
};
