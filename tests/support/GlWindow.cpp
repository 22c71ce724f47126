#include "support/GlWindow.h"

#include "engine/MainLoop.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <cstdlib>
#include <stdexcept>

GlWindow::GlWindow()
{
    if (!std::getenv("DISPLAY"))
        throw std::runtime_error("no X display: run the tests under xvfb-run (./test.sh does)");
    SDL_Init(SDL_INIT_VIDEO);
    MainLoop::setGlAttributes();
    MainLoop::openVideo(false);
    MainLoop::setUpProjection();
    clear();
}

GlWindow::~GlWindow()
{
    SDL_Quit();
}

void GlWindow::clear(float red, float green, float blue)
{
    glClearColor(red, green, blue, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
}

GlWindow::Colour GlWindow::pixel(int x, int y) const
{
    Colour colour{};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, colour.data());
    return colour;
}

std::vector<std::uint8_t> GlWindow::frame() const
{
    std::vector<std::uint8_t> pixels(MainLoop::windowWidth * MainLoop::windowHeight * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, MainLoop::windowWidth, MainLoop::windowHeight, GL_RGB, GL_UNSIGNED_BYTE,
                 pixels.data());
    return pixels;
}

bool near(const GlWindow::Colour& a, const GlWindow::Colour& b, int tolerance)
{
    for (int channel = 0; channel < 3; ++channel)
        if (std::abs(int(a[channel]) - int(b[channel])) > tolerance)
            return false;
    return true;
}
