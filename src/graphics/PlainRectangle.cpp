#include "graphics/PlainRectangle.h"

#include <SDL_opengl.h>

namespace
{
void corners(GLenum mode, float left, float bottom, float right, float top)
{
    glBegin(mode);
    glVertex3f(left, bottom, 0);
    glVertex3f(right, bottom, 0);
    glVertex3f(right, top, 0);
    glVertex3f(left, top, 0);
    glEnd();
}
} // namespace

void PlainRectangle::fill(float left, float bottom, float right, float top)
{
    corners(GL_QUADS, left, bottom, right, top);
}

void PlainRectangle::outline(float left, float bottom, float right, float top)
{
    corners(GL_LINE_LOOP, left, bottom, right, top);
}
