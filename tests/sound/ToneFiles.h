#pragma once

#include "support/TempFolder.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

// Test tones: a stereo sine at 44100 Hz, made into an MP3 with lame as the game's own sound files are.
constexpr double toneAmplitude = 16384.0;
constexpr double toneHz = 440.0;

// The tone's 16-bit samples at toneHz, interleaved, both channels the same.
inline std::vector<std::int16_t> toneSamples(double seconds)
{
    std::vector<std::int16_t> samples;
    for (long frame = 0; frame < std::lround(seconds * 44100); ++frame)
    {
        const double phase = 2.0 * M_PI * toneHz * static_cast<double>(frame) / 44100;
        samples.insert(samples.end(), 2,
                       static_cast<std::int16_t>(std::lround(toneAmplitude * std::sin(phase))));
    }
    return samples;
}

// Encodes the tone to `name` (an .mp3) in the folder; returns its path. Throws when lame fails.
inline std::string writeToneMp3(const TempFolder& folder, const std::string& name, double seconds)
{
    // lame reads raw input as signed 16-bit little-endian stereo at 44.1 kHz: the samples as they lie in
    // memory on the machines the game is built for.
    const std::vector<std::int16_t> samples = toneSamples(seconds);
    const std::string raw = folder.write(
        name + ".raw", std::string(reinterpret_cast<const char*>(samples.data()), samples.size() * 2));
    const std::string mp3 = folder.file(name);
    const std::string command = "lame --quiet -r -m j '" + raw + "' '" + mp3 + "' 2>'" + mp3 + ".log'";
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("lame failed: " + command);
    return mp3;
}
