#include "support/Scene.h"

#include "engine/Core.h"
#include "graphics/Font.h"
#include "graphics/Interface.h"
#include "support/CoreAccess.h"

std::string Scene::writePicture(const std::string& name, int width, int height,
                                const testpictures::PixelColour& colour) const
{
    const std::string path = folder.write(name, "");
    testpictures::writeTrueColour(path, width, height, 32, colour);
    return path;
}

std::string Scene::writeSolidPicture(const std::string& name, int width, int height, Rgba colour) const
{
    return writePicture(name, width, height, [colour](int, int) { return colour; });
}

void Scene::useWhiteFont(const std::string& alphabet)
{
    CoreAccess::setFont(new Font(writeSolidPicture("font.png", 64, 64, Rgba{255, 255, 255, 255}), alphabet));
}

void Scene::drawInterface()
{
    window.clear();
    Core::instance()->getInterface()->draw();
}

int Scene::countPixels(GlWindow::Colour colour) const
{
    const std::vector<std::uint8_t> frame = window.frame();
    int count = 0;
    for (std::size_t at = 0; at < frame.size(); at += 3)
        count += frame[at] == colour[0] && frame[at + 1] == colour[1] && frame[at + 2] == colour[2];
    return count;
}

int Scene::litPixels() const
{
    return static_cast<int>(window.frame().size() / 3) - countPixels(GlWindow::Colour{0, 0, 0});
}
