#include "graphics/TexturedQuad.h"

#include <SDL_opengl.h>

void TexturedQuad::draw(float left, float bottom, float right, float top, float sRight, float tTop)
{
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(left, bottom, 0);
    glTexCoord2f(sRight, 0);
    glVertex3f(right, bottom, 0);
    glTexCoord2f(sRight, tTop);
    glVertex3f(right, top, 0);
    glTexCoord2f(0, tTop);
    glVertex3f(left, top, 0);
    glEnd();
}

void TexturedQuad::drawCentred(float halfWidth, float halfHeight)
{
    draw(-halfWidth, -halfHeight, halfWidth, halfHeight);
}

void TexturedQuad::drawTexelPerPixel(float left, float bottom, float right, float top)
{
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    draw(left, bottom, right, top);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}
