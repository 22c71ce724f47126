#include "support/TestPictures.h"

#include <FreeImage.h>

#include <stdexcept>

namespace testpictures
{
namespace
{
// FreeImage rows run bottom-up.
int rowFromBottom(FIBITMAP* bitmap, int yFromTop)
{
    return static_cast<int>(FreeImage_GetHeight(bitmap)) - 1 - yFromTop;
}

void saveAndFree(FIBITMAP* bitmap, const std::string& path)
{
    const bool saved = FreeImage_Save(FreeImage_GetFIFFromFilename(path.c_str()), bitmap, path.c_str(), 0);
    FreeImage_Unload(bitmap);
    if (!saved)
        throw std::runtime_error("cannot write the test picture " + path);
}

} // namespace

void writeTrueColour(const std::string& path, int width, int height, int bitsPerPixel,
                     const PixelColour& colour)
{
    FIBITMAP* bitmap = FreeImage_Allocate(width, height, bitsPerPixel);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const Rgba c = colour(x, y);
            RGBQUAD quad{c.blue, c.green, c.red, c.alpha};
            FreeImage_SetPixelColor(bitmap, x, rowFromBottom(bitmap, y), &quad);
        }
    saveAndFree(bitmap, path);
}

void writePalette(const std::string& path, int width, int height, Rgba first, Rgba second,
                  const PixelLevel& index)
{
    FIBITMAP* bitmap = FreeImage_Allocate(width, height, 8);
    RGBQUAD* palette = FreeImage_GetPalette(bitmap);
    palette[0] = RGBQUAD{first.blue, first.green, first.red, 0};
    palette[1] = RGBQUAD{second.blue, second.green, second.red, 0};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            BYTE level = static_cast<BYTE>(index(x, y));
            FreeImage_SetPixelIndex(bitmap, x, rowFromBottom(bitmap, y), &level);
        }
    saveAndFree(bitmap, path);
}

} // namespace testpictures
