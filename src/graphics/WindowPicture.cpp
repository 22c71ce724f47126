#include "graphics/WindowPicture.h"

#include "graphics/PlayField.h"
#include "graphics/TexturedQuad.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
// A power of two that holds the picture, so that the texture stays within OpenGL 1.1.
constexpr int textureSide = 1024;

PFNGLGENFRAMEBUFFERSEXTPROC genFramebuffers = nullptr;
PFNGLBINDFRAMEBUFFEREXTPROC bindFramebuffer = nullptr;
PFNGLFRAMEBUFFERTEXTURE2DEXTPROC framebufferTexture = nullptr;
PFNGLCHECKFRAMEBUFFERSTATUSEXTPROC framebufferStatus = nullptr;
PFNGLDELETEFRAMEBUFFERSEXTPROC deleteFramebuffers = nullptr;

bool loadFramebufferFunctions()
{
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (!extensions || !std::strstr(extensions, "GL_EXT_framebuffer_object"))
        return false;
    genFramebuffers =
        reinterpret_cast<PFNGLGENFRAMEBUFFERSEXTPROC>(SDL_GL_GetProcAddress("glGenFramebuffersEXT"));
    bindFramebuffer =
        reinterpret_cast<PFNGLBINDFRAMEBUFFEREXTPROC>(SDL_GL_GetProcAddress("glBindFramebufferEXT"));
    framebufferTexture = reinterpret_cast<PFNGLFRAMEBUFFERTEXTURE2DEXTPROC>(
        SDL_GL_GetProcAddress("glFramebufferTexture2DEXT"));
    framebufferStatus = reinterpret_cast<PFNGLCHECKFRAMEBUFFERSTATUSEXTPROC>(
        SDL_GL_GetProcAddress("glCheckFramebufferStatusEXT"));
    deleteFramebuffers =
        reinterpret_cast<PFNGLDELETEFRAMEBUFFERSEXTPROC>(SDL_GL_GetProcAddress("glDeleteFramebuffersEXT"));
    return genFramebuffers && bindFramebuffer && framebufferTexture && framebufferStatus &&
           deleteFramebuffers;
}

void setPictureViewport()
{
    glViewport(0, 0, PlayField::width, PlayField::height);
}
} // namespace

WindowPicture::~WindowPicture()
{
    if (framebuffer != 0)
        deleteFramebuffers(1, &framebuffer);
    if (texture != 0)
        glDeleteTextures(1, &texture);
}

void WindowPicture::setWindowSize(int width, int height)
{
    windowWidth = width;
    windowHeight = height;
    const float scale = std::min(static_cast<float>(width) / PlayField::width,
                                 static_cast<float>(height) / PlayField::height);
    shownWidth = static_cast<int>(std::lround(PlayField::width * scale));
    shownHeight = static_cast<int>(std::lround(PlayField::height * scale));
    shownLeft = (width - shownWidth) / 2;
    shownBottom = (height - shownHeight) / 2;
    placement = PicturePlacement{static_cast<float>(shownLeft),
                                 static_cast<float>(height - shownBottom - shownHeight), scale};
    if (isScaled() && !framebufferTried)
    {
        framebufferTried = true;
        makeFramebuffer();
    }
}

const PicturePlacement& WindowPicture::getPlacement() const
{
    return placement;
}

bool WindowPicture::isScaled() const
{
    return windowWidth != PlayField::width || windowHeight != PlayField::height;
}

void WindowPicture::beginFrame()
{
    if (isScaled() && framebuffer != 0)
        bindFramebuffer(GL_FRAMEBUFFER_EXT, framebuffer);
    setPictureViewport();
}

void WindowPicture::finishFrame()
{
    if (!isScaled())
        return;
    const bool whole = placement.scale == std::floor(placement.scale);
    if (framebuffer != 0)
    {
        bindFramebuffer(GL_FRAMEBUFFER_EXT, 0);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, texture);
        const GLint filter = whole ? GL_NEAREST : GL_LINEAR;
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
        glDisable(GL_TEXTURE_2D);
    }
    else
    {
        copy.take(PlayField::width, PlayField::height);
    }
    putScaled();
    setPictureViewport();
}

bool WindowPicture::makeFramebuffer()
{
    if (!loadFramebufferFunctions())
        return false;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, textureSide, textureSide, 0, GL_BGRA_EXT, GL_UNSIGNED_BYTE,
                 nullptr);
    genFramebuffers(1, &framebuffer);
    bindFramebuffer(GL_FRAMEBUFFER_EXT, framebuffer);
    framebufferTexture(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_TEXTURE_2D, texture, 0);
    const bool complete = framebufferStatus(GL_FRAMEBUFFER_EXT) == GL_FRAMEBUFFER_COMPLETE_EXT;
    bindFramebuffer(GL_FRAMEBUFFER_EXT, 0);
    if (complete)
        return true;
    deleteFramebuffers(1, &framebuffer);
    glDeleteTextures(1, &texture);
    framebuffer = 0;
    texture = 0;
    return false;
}

// The bars beside the picture are black; the picture covers the rest, under the field's projection.
void WindowPicture::putScaled()
{
    glLoadIdentity();
    glViewport(0, 0, windowWidth, windowHeight);
    glClear(GL_COLOR_BUFFER_BIT);
    glViewport(shownLeft, shownBottom, shownWidth, shownHeight);
    glColor3f(1, 1, 1);
    if (framebuffer == 0)
    {
        copy.put();
        return;
    }
    constexpr float used = static_cast<float>(PlayField::width) / textureSide;
    constexpr float usedHeight = static_cast<float>(PlayField::height) / textureSide;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    TexturedQuad::draw(0, 0, PlayField::width, PlayField::height, used, usedHeight);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDisable(GL_TEXTURE_2D);
}
