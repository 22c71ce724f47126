#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TempFolder;

// Small MP3s made at test time: a stereo sine at 44100 Hz encoded with lame, as the game's own sound files
// are made.
struct Tone
{
    double seconds = 1.0;
    double frequencyHz = 440.0;
};

// Amplitude of the tones, half of full scale.
constexpr double toneAmplitude = 16384.0;

// The tone's 16-bit samples, interleaved, both channels the same.
std::vector<std::int16_t> toneSamples(const Tone& tone);
// Encodes the tone to `name` (an .mp3) in the folder; returns its path. Throws when lame fails.
std::string writeToneMp3(const TempFolder& folder, const std::string& name, const Tone& tone);
// Reads 16-bit native-endian samples out of decoded bytes.
std::vector<std::int16_t> asSamples(const std::vector<std::uint8_t>& bytes);
