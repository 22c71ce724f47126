#include "game/EditorMarks.h"

#include "game/LevelEditing.h"
#include "graphics/PictureLook.h"

#include <SDL_opengl.h>

#include <cmath>

namespace
{
constexpr int circleSegments = 40;
constexpr float lineWidth = 2;
constexpr float pi = 3.14159265f;
constexpr float chosenColour[] = {1.0f, 0.3f, 1.0f, 0.95f};
constexpr float aimColour[] = {1.0f, 1.0f, 1.0f, 0.9f};

void circle(GLenum mode, const Vector3& centre, float radius)
{
    glBegin(mode);
    for (int segment = 0; segment < circleSegments; ++segment)
    {
        const float turn = 2 * pi * static_cast<float>(segment) / circleSegments;
        glVertex3f(centre.x + radius * std::cos(turn), centre.y + radius * std::sin(turn), 0);
    }
    glEnd();
}
} // namespace

EditorMarks::EditorMarks(Vector3 markedCentre, float markedRadius, std::optional<Vector3> aimHandle)
    : centre(markedCentre), radius(markedRadius), aim(aimHandle)
{
}

void EditorMarks::draw()
{
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glLineWidth(lineWidth);
    drawRing();
    if (aim)
        drawAim();
    glLineWidth(1);
    glDisable(GL_BLEND);
    glColor4f(1, 1, 1, 1);
}

void EditorMarks::appendLook(PictureLook& look) const
{
    look.add(centre);
    look.add(radius);
    look.add(aim.has_value());
    if (aim)
        look.add(*aim);
}

void EditorMarks::handleEvent(Event&) {}

void EditorMarks::drawRing() const
{
    glColor4fv(chosenColour);
    circle(GL_LINE_LOOP, centre, radius + ringGap);
}

void EditorMarks::drawAim() const
{
    glColor4fv(aimColour);
    glBegin(GL_LINES);
    glVertex3f(centre.x, centre.y, 0);
    glVertex3f(aim->x, aim->y, 0);
    glEnd();
    circle(GL_POLYGON, *aim, LevelEditing::aimRadius);
}
