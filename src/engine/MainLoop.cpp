#include "engine/MainLoop.h"

#include "engine/Core.h"
#include "engine/EventManager.h"
#include "engine/FramePacer.h"
#include "engine/WindowScale.h"
#include "graphics/Interface.h"
#include "platform/Clock.h"
#include "platform/FullscreenQuestion.h"
#include "world/World.h"

#include <SDL.h>
#include <SDL_opengl.h>

int MainLoop::run()
{
    startUp();
    while (runFrame() && Core::instance()->running)
    {
    }
    tearDown();
    return 0;
}

void MainLoop::startUp()
{
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK);
    setGlAttributes();
    const bool fullscreen = platform::askFullscreen();
    pixelScale = fullscreen ? 1 : WindowScale::forThisDesktop();
    input.setPixelScale(pixelScale);
    openVideo(fullscreen, pixelScale);
    Core::instance()->init();
    setUpProjection();
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

void MainLoop::openVideo(bool fullscreen, int scale)
{
    const Uint32 flags = fullscreen ? SDL_OPENGL | SDL_FULLSCREEN : SDL_OPENGL;
    const int factor = fullscreen ? 1 : scale;
    SDL_SetVideoMode(windowWidth * factor, windowHeight * factor, windowBitsPerPixel, flags);
    SDL_WM_SetCaption("Lumora", nullptr);
}

void MainLoop::setUpProjection()
{
    glViewport(0, 0, windowWidth, windowHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, windowWidth, 0, windowHeight, -10, 10);
    glMatrixMode(GL_MODELVIEW);
}

bool MainLoop::runFrame()
{
    const std::uint32_t frameStart = platform::tickCount();
    input.drainSdl();
    postNextInput();
    Core::instance()->update();
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
        return;

    // Nothing tests depth, so its buffer is never read and clearing it is work for nothing.
    glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();
    world->drawBlinked();
    interface->draw();
    present();
    shownLook = std::move(look);
}

void MainLoop::present()
{
    if (pixelScale > 1)
    {
        // Drawn at the picture's size in the lower-left corner, then each pixel put back as a square.
        frame.take(windowWidth, windowHeight);
        glViewport(0, 0, windowWidth * pixelScale, windowHeight * pixelScale);
        frame.put();
        glViewport(0, 0, windowWidth, windowHeight);
    }
    SDL_GL_SwapBuffers();
}

void MainLoop::tearDown()
{
    Core::destroy();
    SDL_Quit();
}
