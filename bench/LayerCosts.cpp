// What each layer of the picture costs the renderer: the real game is driven to the menu, the
// instructions and a level in play, frozen there, and each layer is drawn alone into a cleared frame
// and presented, many times over. A layer's cost is its frame's cost less that of a frame with nothing
// but the clear and the presentation. Prints processor microseconds per frame; under
// `valgrind --tool=callgrind` it also dumps one profile per measurement, whose instruction counts do
// not depend on what else the machine runs (layers.sh does that). Run from the game's data folder.
#include "engine/Core.h"
#include "engine/MainLoop.h"
#include "game/ProcessMain.h"
#include "graphics/Interface.h"
#include "widgets/Widget.h"
#include "world/World.h"

#include <SDL.h>
#include <SDL_opengl.h>
#include <sys/resource.h>
#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace
{
double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void click(MainLoop& loop, int x, int y)
{
    for (Uint8 type : {Uint8(SDL_MOUSEMOTION), Uint8(SDL_MOUSEBUTTONDOWN), Uint8(SDL_MOUSEBUTTONUP)})
    {
        SDL_Event event{};
        event.type = type;
        event.button.x = static_cast<Uint16>(x);
        event.button.y = static_cast<Uint16>(y);
        event.button.button = SDL_BUTTON_LEFT;
        if (type == SDL_MOUSEMOTION)
        {
            event.motion.x = static_cast<Uint16>(x);
            event.motion.y = static_cast<Uint16>(y);
        }
        SDL_PushEvent(&event);
        loop.runFrame();
    }
}

void runFrames(MainLoop& loop, int frames)
{
    for (int i = 0; i < frames; ++i)
        loop.runFrame();
}

// Draws `layer` alone into cleared frames, presented as the game presents them, and prints their cost
// per frame.
void measure(MainLoop& loop, const std::string& screen, const std::string& layer, int frames,
             const std::function<void()>& draw,
             GLbitfield clearBits = GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT)
{
    const std::string label = screen + "/" + layer;
    glFinish();
    CALLGRIND_START_INSTRUMENTATION;
    CALLGRIND_ZERO_STATS;
    const double before = processorSeconds();
    for (int i = 0; i < frames; ++i)
    {
        if (clearBits != 0)
            glClear(clearBits);
        glLoadIdentity();
        draw();
        loop.present();
    }
    glFinish();
    const double perFrame = (processorSeconds() - before) / frames;
    CALLGRIND_DUMP_STATS_AT(label.c_str());
    CALLGRIND_STOP_INSTRUMENTATION;
    std::printf("%-28s %8.0f us/frame\n", label.c_str(), perFrame * 1e6);
}

void measureScreen(MainLoop& loop, const std::string& screen, int frames)
{
    Handle<World> world = Core::instance()->getWorld();
    Handle<Interface> interface = Core::instance()->getInterface();
    measure(
        loop, screen, "present", frames, [] {}, 0);
    measure(
        loop, screen, "colour clear+present", frames, [] {}, GL_COLOR_BUFFER_BIT);
    measure(loop, screen, "clear+present", frames, [] {});
    measure(loop, screen, "background", frames, [&] { world->drawBackground(); });
    measure(loop, screen, "stars", frames, [&] { world->drawStars(); });
    measure(loop, screen, "particles", frames, [&] { world->drawParticles(); });
    measure(loop, screen, "bodies", frames, [&] { world->drawBodies(); });
    int index = 0;
    for (Handle<Widget> widget : interface->getWidgets())
        measure(loop, screen, "widget" + std::to_string(index++), frames, [&] { widget->draw(); });
    measure(loop, screen, "whole", frames,
            [&]
            {
                world->draw();
                interface->draw();
            });
}
} // namespace

int main(int argc, char** argv)
{
    const int frames = argc > 1 ? std::atoi(argv[1]) : 200;
    MainLoop loop(ProcessMain::setup());
    loop.startUp();
    runFrames(loop, 250);
    measureScreen(loop, "menu", frames);
    click(loop, 400, 300);
    runFrames(loop, 20);
    measureScreen(loop, "instructions", frames);
    click(loop, 730, 570);
    runFrames(loop, 20);
    click(loop, 400, 220);
    runFrames(loop, 320);
    click(loop, 250, 300);
    runFrames(loop, 200);
    measureScreen(loop, "play", frames);
    loop.tearDown();
    return 0;
}
