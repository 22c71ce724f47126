#include "ToneFiles.h"

#include "support/TempFolder.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace
{
constexpr double pi = 3.14159265358979323846;
constexpr int toneRateHz = 44100;
} // namespace

std::vector<std::int16_t> toneSamples(const Tone& tone)
{
    const long frames = std::lround(tone.seconds * toneRateHz);
    std::vector<std::int16_t> samples;
    for (long frame = 0; frame < frames; ++frame)
    {
        const double phase = 2.0 * pi * tone.frequencyHz * static_cast<double>(frame) / toneRateHz;
        const auto value = static_cast<std::int16_t>(std::lround(toneAmplitude * std::sin(phase)));
        samples.insert(samples.end(), 2, value);
    }
    return samples;
}

std::string writeToneMp3(const TempFolder& folder, const std::string& name, const Tone& tone)
{
    // lame reads raw input as signed 16-bit little-endian stereo at 44.1 kHz: the samples as they lie in
    // memory on the machines the game is built for. Its warning that libsndfile might not honour -r goes to
    // a log beside the file; the samples read back in the decoder's test show that it does.
    const std::vector<std::int16_t> samples = toneSamples(tone);
    const std::string raw = folder.write(
        name + ".raw", std::string(reinterpret_cast<const char*>(samples.data()), samples.size() * 2));
    const std::string mp3 = folder.file(name);
    const std::string command = "lame --quiet -r -m j '" + raw + "' '" + mp3 + "' 2>'" + mp3 + ".log'";
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
