#include "widgets/WidgetScene.h"

#include "engine/Core.h"
#include "graphics/Font.h"
#include "graphics/Interface.h"

#include <FreeImage.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

// Core's friend for tests: installs a font without Core::init, which would start the whole game.
class CoreAccess
{
public:
    static void setFont(Handle<Font> font) { Core::instance()->font = font; }
};

std::string WidgetScene::writePicture(const std::string& name, int width, int height,
                                      const PixelColour& colour) const
{
    const std::string path = folder.file(name);
    FIBITMAP* bitmap = FreeImage_Allocate(width, height, 32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const Rgba c = colour(x, y);
            RGBQUAD quad{c.blue, c.green, c.red, c.alpha};
            // FreeImage rows run bottom-up.
            FreeImage_SetPixelColor(bitmap, x, height - 1 - y, &quad);
        }
    const bool saved = FreeImage_Save(FIF_PNG, bitmap, path.c_str(), 0);
    FreeImage_Unload(bitmap);
    if (!saved)
        throw std::runtime_error("cannot write the test picture " + path);
    return path;
}

std::string WidgetScene::writeSolidPicture(const std::string& name, int width, int height, Rgba colour) const
{
    return writePicture(name, width, height, [colour](int, int) { return colour; });
}

void WidgetScene::useWhiteFont(const std::string& alphabet)
{
    const std::string picture = writeSolidPicture("font.png", 64, 64, Rgba{255, 255, 255, 255});
    CoreAccess::setFont(new Font(picture, alphabet));
}

void WidgetScene::drawInterface()
{
    window.clear();
    Core::instance()->getInterface()->draw();
    keepFrameIfAsked();
}

void WidgetScene::keepFrameIfAsked()
{
    const char* keep = std::getenv("LUMORA_FRAME_FOLDER");
    if (!keep)
        return;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string path = std::string(keep) + "/" + test->test_suite_name() + "." + test->name() + "-" +
                             std::to_string(++framesDrawn) + ".png";
    const std::vector<std::uint8_t> frame = window.frame();
    FIBITMAP* bitmap = FreeImage_Allocate(800, 600, 24);
    // Both run bottom row first.
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
        {
            const std::uint8_t* rgb = &frame[(static_cast<std::size_t>(y) * 800 + x) * 3];
            RGBQUAD quad{rgb[2], rgb[1], rgb[0], 255};
            FreeImage_SetPixelColor(bitmap, x, y, &quad);
        }
    FreeImage_Save(FIF_PNG, bitmap, path.c_str(), 0);
    FreeImage_Unload(bitmap);
}

int WidgetScene::countPixels(GlWindow::Colour colour) const
{
    const std::vector<std::uint8_t> frame = window.frame();
    int count = 0;
    for (std::size_t at = 0; at < frame.size(); at += 3)
        count += frame[at] == colour[0] && frame[at + 1] == colour[1] && frame[at + 2] == colour[2];
    return count;
}

int WidgetScene::litPixels() const
{
    return static_cast<int>(window.frame().size() / 3) - countPixels(GlWindow::Colour{0, 0, 0});
}
