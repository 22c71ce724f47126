#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Writes small pictures with FreeImage, in the format the file name's extension names. Pixel functions
// are given the column and the row counted from the top, as an image viewer shows the picture.
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
using PixelLevel = std::function<double(int x, int yFromTop)>;

// A 24-bit (alpha dropped) or 32-bit picture.
void writeTrueColour(const std::string& path, int width, int height, int bitsPerPixel,
                     const PixelColour& colour);
// An 8-bit picture whose pixels, 0 or 1, index a palette of two colours.
void writePalette(const std::string& path, int width, int height, Rgba first, Rgba second,
                  const PixelLevel& index);

} // namespace testpictures
