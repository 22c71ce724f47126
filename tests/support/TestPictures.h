#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Writes small pictures for the texture and font tests with FreeImage, in the format the file name's
// extension names. Pixel functions are given the column and the row counted from the top, as an image
// viewer shows the picture.
namespace testpictures
{

struct Rgba
{
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    std::uint8_t alpha;
};

using PixelColour = std::function<Rgba(int x, int yFromTop)>;
using PixelIndex = std::function<int(int x, int yFromTop)>;
using PixelLevel = std::function<double(int x, int yFromTop)>;

// A 24-bit (alpha dropped) or 32-bit picture.
void writeTrueColour(const std::string& path, int width, int height, int bitsPerPixel,
                     const PixelColour& colour);
// An 8-bit picture whose pixels index the given palette of up to 256 colours.
void writePalette(const std::string& path, int width, int height, const std::vector<Rgba>& palette,
                  const PixelIndex& index);
// An 8-bit grey picture: levels 0 to 255.
void writeGrey8(const std::string& path, int width, int height, const PixelIndex& level);
// A 16-bit grey picture: levels 0 to 65535.
void writeGrey16(const std::string& path, int width, int height, const PixelIndex& level);
// A one-channel floating-point picture.
void writeFloat(const std::string& path, int width, int height, const PixelLevel& level);
// Saves a read-back frame (three bytes per pixel, red first, bottom row first) to look at.
void writeFrame(const std::string& path, const std::vector<std::uint8_t>& frame, int width, int height);

} // namespace testpictures
