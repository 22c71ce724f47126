// Screenshots of the menu, the instructions and a level in play, from the real main loop on clocks that
// advance only by the frame wait, with the random generator seeded alike: every run of one revision draws
// the same frames, stars included, so the pictures of two revisions can be compared pixel for pixel.
// Run from the game's data folder under an X server:  game_pictures OUTPUT_FOLDER
#include "SdlInput.h"

#include "engine/MainLoop.h"
#include "game/ProcessMain.h"
#include "platform/Clock.h"

#include <SDL.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{
std::uint64_t nowMicroseconds = 0;

std::uint32_t nowMilliseconds()
{
    return static_cast<std::uint32_t>(nowMicroseconds / 1000);
}

void runFrames(MainLoop& loop, int frames)
{
    for (int i = 0; i < frames; ++i)
        loop.runFrame();
}

void click(MainLoop& loop, int x, int y)
{
    for (Uint8 type : {Uint8(SDL_MOUSEMOTION), Uint8(SDL_MOUSEBUTTONDOWN), Uint8(SDL_MOUSEBUTTONUP)})
    {
        SdlInput::pushMouse(type, x, y);
        loop.runFrame();
    }
}

void screenshot(const std::string& folder, const std::string& name)
{
    const std::string command = "import -window root '" + folder + "/" + name + ".png'";
    if (std::system(command.c_str()) != 0)
        std::exit(1);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const std::string folder = argv[1];
    platform::setTickCountSource(nowMilliseconds);
    platform::setSdlTicksSource(nowMilliseconds);
    platform::setSleeper([](std::uint32_t microseconds) { nowMicroseconds += microseconds; });

    MainLoop loop(ProcessMain::setup());
    loop.startUp();
    std::srand(1);
    runFrames(loop, 300);
    SdlInput::pushMouse(SDL_MOUSEMOTION, 400, 220);
    runFrames(loop, 5);
    screenshot(folder, "menu");
    click(loop, 400, 300);
    runFrames(loop, 20);
    screenshot(folder, "instructions");
    click(loop, 730, 570);
    runFrames(loop, 20);
    click(loop, 400, 220);
    runFrames(loop, 400);
    click(loop, 250, 300);
    click(loop, 550, 300);
    runFrames(loop, 300);
    screenshot(folder, "play");
    loop.tearDown();
    return 0;
}
