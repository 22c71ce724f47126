#include "support/TestPictures.h"

#include <FreeImage.h>

#include <stdexcept>
#include <vector>

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
    const FREE_IMAGE_FORMAT format = FreeImage_GetFIFFromFilename(path.c_str());
    const bool saved = FreeImage_Save(format, bitmap, path.c_str(), 0);
    FreeImage_Unload(bitmap);
    if (!saved)
        throw std::runtime_error("cannot write the test picture " + path);
}

template <typename Sample>
void writeSamples(FREE_IMAGE_TYPE type, const std::string& path, int width, int height,
                  const std::function<Sample(int, int)>& sample)
{
    FIBITMAP* bitmap = FreeImage_AllocateT(type, width, height);
    for (int y = 0; y < height; ++y)
    {
        auto* row = reinterpret_cast<Sample*>(FreeImage_GetScanLine(bitmap, rowFromBottom(bitmap, y)));
        for (int x = 0; x < width; ++x)
            row[x] = sample(x, y);
    }
    saveAndFree(bitmap, path);
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

void writePalette(const std::string& path, int width, int height, const std::vector<Rgba>& palette,
                  const PixelIndex& index)
{
    FIBITMAP* bitmap = FreeImage_Allocate(width, height, 8);
    RGBQUAD* entries = FreeImage_GetPalette(bitmap);
    for (std::size_t i = 0; i < palette.size(); ++i)
        entries[i] = RGBQUAD{palette[i].blue, palette[i].green, palette[i].red, 0};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            BYTE value = static_cast<BYTE>(index(x, y));
            FreeImage_SetPixelIndex(bitmap, x, rowFromBottom(bitmap, y), &value);
        }
    saveAndFree(bitmap, path);
}

void writeGrey8(const std::string& path, int width, int height, const PixelIndex& level)
{
    // A new 8-bit picture comes with the grey ramp as its palette, so FreeImage saves it as grey.
    writeSamples<BYTE>(FIT_BITMAP, path, width, height,
                       [&](int x, int y) { return static_cast<BYTE>(level(x, y)); });
}

void writeGrey16(const std::string& path, int width, int height, const PixelIndex& level)
{
    writeSamples<WORD>(FIT_UINT16, path, width, height,
                       [&](int x, int y) { return static_cast<WORD>(level(x, y)); });
}

void writeFloat(const std::string& path, int width, int height, const PixelLevel& level)
{
    writeSamples<float>(FIT_FLOAT, path, width, height,
                        [&](int x, int y) { return static_cast<float>(level(x, y)); });
}

void writeFrame(const std::string& path, const std::vector<std::uint8_t>& frame, int width, int height)
{
    writeTrueColour(path, width, height, 24,
                    [&](int x, int y)
                    {
                        const std::size_t at = (static_cast<std::size_t>(height - 1 - y) * width + x) * 3;
                        return Rgba{frame[at], frame[at + 1], frame[at + 2], 255};
                    });
}

} // namespace testpictures
