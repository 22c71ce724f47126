#include "ToneFiles.h"

#include "support/TempFolder.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace
{
constexpr double pi = 3.14159265358979323846;

void putLittleEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::string wavBytes(const std::vector<std::int16_t>& samples, int rateHz, int channels)
{
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    const std::uint32_t blockAlign = static_cast<std::uint32_t>(channels * 2);
    std::string out = "RIFF";
    putLittleEndian(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    putLittleEndian(out, 16, 4);
    putLittleEndian(out, 1, 2);
    putLittleEndian(out, static_cast<std::uint32_t>(channels), 2);
    putLittleEndian(out, static_cast<std::uint32_t>(rateHz), 4);
    putLittleEndian(out, static_cast<std::uint32_t>(rateHz) * blockAlign, 4);
    putLittleEndian(out, blockAlign, 2);
    putLittleEndian(out, 16, 2);
    out += "data";
    putLittleEndian(out, dataBytes, 4);
    for (std::int16_t sample : samples)
        putLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
    return out;
}
} // namespace

std::vector<std::int16_t> toneSamples(const Tone& tone)
{
    const int frames = static_cast<int>(std::lround(tone.seconds * tone.rateHz));
    std::vector<std::int16_t> samples;
    samples.reserve(static_cast<std::size_t>(frames * tone.channels));
    for (int frame = 0; frame < frames; ++frame)
    {
        const double phase = 2.0 * pi * tone.frequencyHz * frame / tone.rateHz;
        const auto value = static_cast<std::int16_t>(std::lround(toneAmplitude * std::sin(phase)));
        for (int channel = 0; channel < tone.channels; ++channel)
            samples.push_back(value);
    }
    return samples;
}

std::string writeToneMp3(const TempFolder& folder, const std::string& name, const Tone& tone)
{
    const std::string wav =
        folder.write(name + ".wav", wavBytes(toneSamples(tone), tone.rateHz, tone.channels));
    const std::string mp3 = folder.file(name);
    const std::string command = "lame --quiet '" + wav + "' '" + mp3 + "'";
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("lame failed: " + command);
    return mp3;
}

std::vector<std::int16_t> asSamples(const std::vector<std::uint8_t>& bytes)
{
    std::vector<std::int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
}
