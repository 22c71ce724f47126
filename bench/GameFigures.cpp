// The real main loop in a real window, measured from inside: when the first frame was drawn, how long
// frames take in the menu (their pacing, the ticks per second and the processor time they use), and the
// peak resident memory while a level is played, and the processor use while the window is hidden during
// play. Input goes through SDL's own queue, as a player's does.
// Run from the game's data folder under an X server; figures.sh runs it and reads its output.
#include "SdlInput.h"

#include "engine/MainLoop.h"
// figures.sh also builds this against older revisions, whose main loop knew its game by itself.
#if __has_include("engine/GameSetup.h")
#include "game/ProcessMain.h"
#define LUMORA_GAME_SETUP ProcessMain::setup()
#else
#define LUMORA_GAME_SETUP
#endif

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <type_traits>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;

constexpr double introSeconds = 2.5;
constexpr double menuSeconds = 10;
constexpr double countdownSeconds = 3.5;
constexpr double playSeconds = 8;
constexpr double hiddenSeconds = 5;

double millisecondsSinceBoot(Clock::time_point when)
{
    return std::chrono::duration<double, std::milli>(when.time_since_epoch()).count();
}

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

long peakResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

// A click in window coordinates, spread over frames as a hand would make it.
void click(MainLoop& loop, int x, int y, Uint8 button)
{
    for (Uint8 type : {Uint8(SDL_MOUSEMOTION), Uint8(SDL_MOUSEBUTTONDOWN), Uint8(SDL_MOUSEBUTTONUP)})
    {
        SdlInput::pushMouse(type, x, y, button);
        loop.runFrame();
    }
}

void runFor(MainLoop& loop, double seconds)
{
    const Clock::time_point end =
        Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    while (Clock::now() < end)
        loop.runFrame();
}

// Unmaps or maps the game's window, as a window manager does when it is minimised or restored.
void setWindowMapped(bool mapped)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) <= 0)
        return;
    info.info.x11.lock_func();
    if (mapped)
        XMapWindow(info.info.x11.display, info.info.x11.window);
    else
        XUnmapWindow(info.info.x11.display, info.info.x11.window);
    XFlush(info.info.x11.display);
    info.info.x11.unlock_func();
}

// Processor use in percent of one core over `seconds` of frames.
double processorPercentOver(MainLoop& loop, double seconds)
{
    const double processorBefore = processorSeconds();
    const Clock::time_point start = Clock::now();
    runFor(loop, seconds);
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    return 100 * (processorSeconds() - processorBefore) / elapsed;
}

// figures.sh also builds this against older revisions, whose start-up reported nothing.
template <typename Loop>
bool startedUp(Loop& loop)
{
    if constexpr (std::is_void_v<decltype(loop.startUp())>)
    {
        loop.startUp();
        return true;
    }
    else
        return loop.startUp() == Loop::StartUp::Running;
}

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1))];
}
} // namespace

int main(int, char**)
{
    MainLoop loop{LUMORA_GAME_SETUP};
    if (!startedUp(loop))
        return 1;
    loop.runFrame();
    std::printf("first_frame_at_ms %.3f\n", millisecondsSinceBoot(Clock::now()));

    runFor(loop, introSeconds);
    std::vector<double> intervals;
    const double processorBefore = processorSeconds();
    const Clock::time_point start = Clock::now();
    Clock::time_point previous = start;
    while (Clock::now() - start < std::chrono::duration<double>(menuSeconds))
    {
        loop.runFrame();
        const Clock::time_point now = Clock::now();
        intervals.push_back(std::chrono::duration<double, std::milli>(now - previous).count());
        previous = now;
    }
    const double elapsed = std::chrono::duration<double>(previous - start).count();
    std::printf("menu_frames %zu\n", intervals.size());
    std::printf("frame_p50_ms %.2f\n", percentile(intervals, 0.50));
    std::printf("frame_p99_ms %.2f\n", percentile(intervals, 0.99));
    std::printf("ticks_per_second %.1f\n", static_cast<double>(intervals.size()) / elapsed);
    std::printf("cpu_percent_of_a_core %.1f\n", 100 * (processorSeconds() - processorBefore) / elapsed);

    click(loop, 400, 220, SDL_BUTTON_LEFT);
    runFor(loop, countdownSeconds);
    click(loop, 250, 300, SDL_BUTTON_LEFT);
    click(loop, 550, 300, SDL_BUTTON_RIGHT);
    std::printf("play_cpu_percent_of_a_core %.1f\n", processorPercentOver(loop, playSeconds));
    std::printf("peak_resident_kb %ld\n", peakResidentKilobytes());
    setWindowMapped(false);
    runFor(loop, 0.5);
    std::printf("hidden_cpu_percent_of_a_core %.1f\n", processorPercentOver(loop, hiddenSeconds));
    setWindowMapped(true);
    loop.tearDown();
    return 0;
}
