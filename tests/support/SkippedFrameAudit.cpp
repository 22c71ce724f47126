#include "support/SkippedFrameAudit.h"

#include "engine/Core.h"
#include "graphics/Interface.h"
#include "graphics/PlayField.h"
#include "world/World.h"

#include <SDL_opengl.h>

#include <algorithm>
#include <functional>
#include <typeinfo>
#include <utility>

namespace
{
using Layer = std::pair<std::string, std::function<void()>>;

// The world's layers and the interface's widgets, in the main loop's order of drawing.
std::vector<Layer> layers()
{
    Handle<World> world = Core::instance()->getWorld();
    std::vector<Layer> all = {{"the field's background", [world] { world->drawBackground(); }},
                              {"the stars", [world] { world->drawStars(); }},
                              {"the particles", [world] { world->drawParticles(); }},
                              {"the bodies", [world] { world->drawBodies(); }}};
    for (const Handle<Widget>& widget : Core::instance()->getInterface()->getWidgets())
        all.emplace_back("widget " + std::to_string(all.size() - 4) + " (" + typeid(*widget).name() + ")",
                         [widget] { widget->draw(); });
    return all;
}

std::vector<std::uint8_t> readFrame()
{
    std::vector<std::uint8_t> pixels(PlayField::width * PlayField::height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, PlayField::width, PlayField::height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// The picture of the layers drawn, in order, on a cleared frame.
std::vector<std::uint8_t> drawn(const std::vector<Layer>& chosen)
{
    glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();
    for (const Layer& layer : chosen)
        layer.second();
    return readFrame();
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
    const std::vector<Layer> all = layers();
    const std::vector<std::uint8_t> now = drawn(all);
    if (now == shown)
        return;
    // Named by the topmost layer that, drawn alone, lights a pixel where the pictures differ.
    std::string changed = "no single layer";
    for (auto layer = all.rbegin(); layer != all.rend() && changed == "no single layer"; ++layer)
    {
        const std::vector<std::uint8_t> alone = drawn({*layer});
        for (std::size_t pixel = 0; pixel < alone.size() && changed == "no single layer"; pixel += 3)
            if (alone[pixel] + alone[pixel + 1] + alone[pixel + 2] > 0 &&
                !std::equal(&now[pixel], &now[pixel] + 3, &shown[pixel]))
                changed = layer->first;
    }
    faults.push_back("frame " + std::to_string(frames) + " was not drawn although " + changed +
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
