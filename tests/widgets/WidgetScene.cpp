#include "widgets/WidgetScene.h"

#include "engine/Core.h"
#include "graphics/Font.h"
#include "graphics/Interface.h"
#include "support/CoreAccess.h"
#include "support/TestPictures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

std::string WidgetScene::writePicture(const std::string& name, int width, int height,
                                      const PixelColour& colour) const
{
    const std::string path = folder.file(name);
    testpictures::writeTrueColour(path, width, height, 32, colour);
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
    testpictures::writeFrame(path, window.frame(), 800, 600);
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
