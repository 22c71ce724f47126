#include "support/SkippedFrameAudit.h"

#include "engine/Core.h"
#include "graphics/Interface.h"
#include "graphics/PlayField.h"
#include "world/World.h"

#include <SDL_opengl.h>

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace
{
constexpr std::size_t bytesPerPixel = 3;

std::string typeName(const std::type_info& type)
{
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> readable(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
    return status == 0 ? readable.get() : type.name();
}

void clearFrame()
{
    glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();
}
} // namespace

void SkippedFrameAudit::frameDrawn()
{
    ++frames;
    shown = readFrame();
}

void SkippedFrameAudit::frameSkipped()
{
    ++frames;
    ++skippedFrames;
    clearFrame();
    for (const Layer& layer : layers())
        layer.draw();
    const std::vector<std::uint8_t> now = readFrame();
    if (now != shown)
        faults.push_back("frame " + std::to_string(frames) + " was not drawn although " + nameOfChange(now) +
                         " now draws differently from what is on screen");
}

const std::vector<std::string>& SkippedFrameAudit::getFaults() const
{
    return faults;
}

int SkippedFrameAudit::getSkippedFrames() const
{
    return skippedFrames;
}

std::vector<SkippedFrameAudit::Layer> SkippedFrameAudit::layers()
{
    Handle<World> world = Core::instance()->getWorld();
    std::vector<Layer> all = {{"the field's background", [world] { world->drawBackground(); }},
                              {"the stars", [world] { world->drawStars(); }},
                              {"the particles", [world] { world->drawParticles(); }},
                              {"the bodies", [world] { world->drawBodies(); }}};
    int index = 0;
    for (const Handle<Widget>& widget : Core::instance()->getInterface()->getWidgets())
        all.push_back(Layer{"widget " + std::to_string(index++) + " (" + typeName(typeid(*widget)) + ")",
                            [widget] { widget->draw(); }});
    return all;
}

std::vector<std::uint8_t> SkippedFrameAudit::readFrame()
{
    std::vector<std::uint8_t> pixels(PlayField::width * PlayField::height * bytesPerPixel);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, PlayField::width, PlayField::height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// The topmost layer that, drawn alone, lights a pixel where the frames differ.
std::string SkippedFrameAudit::nameOfChange(const std::vector<std::uint8_t>& now) const
{
    const std::vector<Layer> all = layers();
    for (auto layer = all.rbegin(); layer != all.rend(); ++layer)
    {
        clearFrame();
        layer->draw();
        const std::vector<std::uint8_t> alone = readFrame();
        for (std::size_t pixel = 0; pixel < alone.size(); pixel += bytesPerPixel)
        {
            const bool changed = now[pixel] != shown[pixel] || now[pixel + 1] != shown[pixel + 1] ||
                                 now[pixel + 2] != shown[pixel + 2];
            const bool lit = alone[pixel] != 0 || alone[pixel + 1] != 0 || alone[pixel + 2] != 0;
            if (changed && lit)
                return layer->name;
        }
    }
    return "no single layer";
}
