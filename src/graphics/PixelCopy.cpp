#include "graphics/PixelCopy.h"

#include "graphics/TexturedQuad.h"

#include <SDL_opengl.h>

namespace
{
// Power-of-two sides keep the copy within OpenGL 1.1, and make texel edges exact fractions.
int powerOfTwoAtLeast(int side)
{
    int power = 1;
    while (power < side)
        power *= 2;
    return power;
}
} // namespace

PixelCopy::~PixelCopy()
{
    forget();
}

PixelCopy::PixelCopy(const PixelCopy&) {}

PixelCopy& PixelCopy::operator=(const PixelCopy& other)
{
    if (this != &other)
        forget();
    return *this;
}

bool PixelCopy::isHeld() const
{
    return width > 0;
}

void PixelCopy::take(int rectangleWidth, int rectangleHeight)
{
    const int side = powerOfTwoAtLeast(rectangleWidth > rectangleHeight ? rectangleWidth : rectangleHeight);
    if (side != textureSide)
    {
        forget();
        glGenTextures(1, &textureId);
        glBindTexture(GL_TEXTURE_2D, textureId);
        // Nearest texels at one texel per pixel give back exactly what was taken.
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
        // The frame's own layout, so that copying in and out needs no conversion.
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, side, side, 0, GL_BGRA_EXT, GL_UNSIGNED_BYTE, nullptr);
        textureSide = side;
    }
    glBindTexture(GL_TEXTURE_2D, textureId);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, rectangleWidth, rectangleHeight);
    width = rectangleWidth;
    height = rectangleHeight;
}

void PixelCopy::put() const
{
    if (!isHeld())
        return;
    const float side = static_cast<float>(textureSide);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, textureId);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    TexturedQuad::draw(0, 0, static_cast<float>(width), static_cast<float>(height),
                       static_cast<float>(width) / side, static_cast<float>(height) / side);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDisable(GL_TEXTURE_2D);
}

void PixelCopy::forget()
{
    if (textureId != 0)
        glDeleteTextures(1, &textureId);
    textureId = 0;
    textureSide = 0;
    width = 0;
    height = 0;
}
