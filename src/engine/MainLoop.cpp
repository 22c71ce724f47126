#include "engine/MainLoop.h"

#include "engine/Core.h"
#include "engine/EventManager.h"
#include "engine/FramePacer.h"
#include "engine/WindowIcon.h"
#include "engine/WindowScale.h"
#include "graphics/Interface.h"
#include "platform/Clock.h"
#include "platform/FullscreenQuestion.h"
#include "platform/ScreenCover.h"
#include "world/World.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

namespace
{
MainLoop::StartUp reportStartUpFailure(const std::string& what)
{
    std::fprintf(stderr, "lumora: %s\n", what.c_str());
    SDL_Quit();
    return MainLoop::StartUp::NoWindow;
}

// Without a display SDL falls back by itself on a driver that shows nothing, where the game would run
// unseen and without end; such a driver is used only when asked for by name.
bool fellBackOnInvisibleVideo()
{
    char name[32] = "";
    SDL_VideoDriverName(name, sizeof name);
    const bool invisible = std::strcmp(name, "offscreen") == 0 || std::strcmp(name, "dummy") == 0;
    return invisible && !std::getenv("SDL_VIDEODRIVER");
}

// Mesa's renderers that draw with the processor, by the name they give.
bool isSoftwareRenderer(const char* renderer)
{
    if (!renderer)
        return false;
    for (const char* name : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"})
        if (std::strstr(renderer, name))
            return true;
    return false;
}

// The window the window manager may resize, or full screen; the game serves every size it is given.
Uint32 videoFlags(bool fullscreen)
{
    return fullscreen ? SDL_OPENGL | SDL_FULLSCREEN : SDL_OPENGL | SDL_RESIZABLE;
}
} // namespace

MainLoop::MainLoop(GameSetup gameSetup) : setup(std::move(gameSetup)) {}

int MainLoop::run()
{
    switch (startUp())
    {
    case StartUp::NoWindow:
        return noWindowStatus;
    case StartUp::QuitAsked:
        break;
    case StartUp::Running:
        while (runFrame() && Core::instance()->running)
        {
        }
        break;
    }
    tearDown();
    return 0;
}

MainLoop::StartUp MainLoop::startUp()
{
    // Otherwise X names the window's class after whatever the executable is called.
    setenv("SDL_VIDEO_X11_WMCLASS", windowClass, 0);
    // The game puts its picture into the window itself, at any size (WindowPicture): SDL must not draw the
    // window through a buffer of its own and copy it at every frame.
    setenv("SDL12COMPAT_OPENGL_SCALING", "0", 1);
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK);
    // Only video matters: a game without joysticks plays on.
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        return reportStartUpFailure(std::string("cannot start SDL's video: ") + SDL_GetError());
    if (fellBackOnInvisibleVideo())
        return reportStartUpFailure("cannot open the window: no display answers (is DISPLAY set?)");
    setGlAttributes();
    const bool startFullscreen = platform::askFullscreen(setup.fullscreenAnswer);
    // Ctrl+C or SIGTERM during the question ends the game as it would during play, before any window.
    if (SDL_QuitRequested())
        return StartUp::QuitAsked;
    const int scale = WindowScale::forThisDesktop();
    windowedWidth = windowWidth * scale;
    windowedHeight = windowHeight * scale;
    // Mesa's software renderer shares each frame out among threads; for a picture this small the handing
    // over costs more than it saves (play measured at 68 % of a core on two threads, 55 % on one, frames
    // as punctual). Only an unscaled picture is kept to one thread; GPU drivers ignore the variable, and a
    // player's own setting stands.
    if (!startFullscreen && scale == 1)
        setenv("LP_NUM_THREADS", "1", 0);
    WindowIcon::set(setup.windowIcon);
    if (!setVideoMode(startFullscreen, windowedWidth, windowedHeight))
        return reportStartUpFailure(std::string("cannot open the OpenGL window: ") + SDL_GetError());
    SDL_WM_SetCaption("Lumora", nullptr);
    // The editor's title and hint are typed: key presses carry the characters they type.
    SDL_EnableUNICODE(1);
    // A software renderer paid about a third of a frame in play for swapping buffers; frames are drawn
    // into the front buffer and shown by glFinish, which sends each one whole (a mere flush let frames pile
    // up unfinished: memory grew by 170 MiB). Every GPU keeps the swap.
    if (isSoftwareRenderer(reinterpret_cast<const char*>(glGetString(GL_RENDERER))))
    {
        drawsIntoFront = true;
        glDrawBuffer(GL_FRONT);
        // The kept background and the copied picture are read from where the frame was drawn.
        glReadBuffer(GL_FRONT);
    }
    Core::instance()->init(setup);
    Core::instance()->fullscreen = fullscreen;
    setUpProjection();
    return StartUp::Running;
}

void MainLoop::setGlAttributes()
{
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    // The game runs one step per frame: waiting for a 60 Hz display would slow the game itself, so the
    // frame pacer alone sets the speed.
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 0);
}

bool MainLoop::openVideo(bool fullscreen, int scale, const std::string& icon)
{
    WindowIcon::set(icon);
    if (!SDL_SetVideoMode(fullscreen ? 0 : windowWidth * scale, fullscreen ? 0 : windowHeight * scale,
                          windowBitsPerPixel, videoFlags(fullscreen)))
        return false;
    SDL_WM_SetCaption("Lumora", nullptr);
    return true;
}

void MainLoop::setUpProjection()
{
    glViewport(0, 0, windowWidth, windowHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, windowWidth, 0, windowHeight, -10, 10);
    glMatrixMode(GL_MODELVIEW);
}

bool MainLoop::toggleFullscreen()
{
    if (setVideoMode(!fullscreen, windowedWidth, windowedHeight))
        return true;
    std::fprintf(stderr, "lumora: cannot switch %s: %s\n", fullscreen ? "to a window" : "to full screen",
                 SDL_GetError());
    // SDL keeps the window it had; the picture follows whatever size that is.
    if (const SDL_Surface* surface = SDL_GetVideoSurface())
        picture.setWindowSize(surface->w, surface->h);
    return false;
}

bool MainLoop::isFullscreen() const
{
    return fullscreen;
}

void MainLoop::grantFullscreenWish()
{
    const std::optional<bool> wish = std::exchange(Core::instance()->fullscreenWish, std::nullopt);
    if (wish && *wish != fullscreen)
        toggleFullscreen();
}

bool MainLoop::setVideoMode(bool full, int width, int height)
{
    // Full screen takes the desktop's own size, which every display can show without changing its mode.
    const SDL_Surface* surface =
        SDL_SetVideoMode(full ? 0 : width, full ? 0 : height, windowBitsPerPixel, videoFlags(full));
    if (!surface)
        return false;
    fullscreen = full;
    if (Core* core = Core::existing())
        core->fullscreen = full;
    if (full)
        platform::coverScreenWithoutWindowManager();
    else
    {
        windowedWidth = surface->w;
        windowedHeight = surface->h;
    }
    picture.setWindowSize(surface->w, surface->h);
    input.setPicturePlacement(picture.getPlacement());
    if (drawsIntoFront)
    {
        glDrawBuffer(GL_FRONT);
        glReadBuffer(GL_FRONT);
    }
    shownLook.markUnknown();
    return true;
}

void MainLoop::followWindowRequests()
{
    if (input.takeFullscreenToggle())
        toggleFullscreen();
    // A size given while in full screen is the full screen's own, which the window already has.
    if (const auto size = input.takeResize(); size && !fullscreen)
        setVideoMode(false, size->first, size->second);
}

bool MainLoop::runFrame()
{
    const std::uint32_t frameStart = platform::tickCount();
    input.drainSdl();
    followWindowRequests();
    postNextInput();
    Core::instance()->update();
    grantFullscreenWish();
    drawFrame();
    FramePacer::waitForFrameEnd(frameStart);
    return !input.isQuitRequested();
}

void MainLoop::postNextInput()
{
    if (std::optional<Event> next = input.pop())
        Core::instance()->getEventManager()->post(*next);
}

void MainLoop::drawFrame()
{
    Handle<World> world = Core::instance()->getWorld();
    Handle<Interface> interface = Core::instance()->getInterface();
    world->blinkStars();
    // A hidden or minimised window is not drawn; whatever it shows when it comes back is redrawn.
    const bool shown = (SDL_GetAppState() & SDL_APPACTIVE) != 0;
    if (input.takeExposed() || !shown)
        shownLook.markUnknown();
    if (!shown)
        return;
    PictureLook look;
    world->appendLook(look);
    interface->appendLook(look);
    if (look == shownLook)
    {
        if (frameAudit)
            frameAudit->frameSkipped();
        return;
    }

    picture.beginFrame();
    // Nothing tests depth, so its buffer is never read and clearing it is work for nothing.
    glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();
    world->drawBlinked();
    interface->draw();
    if (frameAudit)
        frameAudit->frameDrawn();
    present();
    shownLook = std::move(look);
}

void MainLoop::setFrameAudit(FrameAudit* audit)
{
    frameAudit = audit;
}

void MainLoop::present()
{
    picture.finishFrame();
    if (drawsIntoFront)
        glFinish();
    else
        SDL_GL_SwapBuffers();
}

void MainLoop::tearDown()
{
    Core::destroy();
    SDL_Quit();
}
