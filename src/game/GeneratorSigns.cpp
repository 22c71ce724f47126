#include "game/GeneratorSigns.h"

#include "engine/Core.h"
#include "graphics/PictureLook.h"
#include "graphics/Texture.h"
#include "graphics/TextureManager.h"
#include "graphics/TexturedQuad.h"
#include "world/World.h"

#include <SDL_opengl.h>

#include <cmath>

namespace
{
constexpr int ringSegments = 32;
constexpr float arrowStart = GeneratorSigns::ringRadius + 3;
constexpr float headLength = 10;
constexpr float headHalfWidth = 6;
constexpr float strokeHalfWidth = 1.1f;
// A dark edge round the strokes keeps the sign visible over bright bodies and the nebula.
constexpr float edgeGrowth = 1.2f;
constexpr float pi = 3.14159265f;

// The colour of the particle hearts, and the menu panel's violet for the edge.
constexpr float pink[] = {1.0f, 0.6f, 0.78f, 0.95f};
constexpr float edge[] = {0.08f, 0.04f, 0.18f, 0.8f};
} // namespace

GeneratorSigns::GeneratorSigns(const std::vector<Generator>& generators)
{
    for (const Generator& generator : generators)
    {
        if (generator.remaining <= 0)
            continue;
        const Vector3& velocity = generator.velocity;
        const bool pointing = velocity.length() > 0;
        const float angle = pointing ? std::atan2(velocity.y, velocity.x) * 180 / pi : 0;
        signs.push_back(Sign{generator.position, angle, pointing});
    }
}

void GeneratorSigns::draw()
{
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // Every edge first, so that signs standing close together merge rather than cut into each other.
    glColor4fv(edge);
    for (const Sign& sign : signs)
        drawShapes(sign, edgeGrowth);
    for (const Sign& sign : signs)
    {
        glColor4fv(pink);
        drawShapes(sign, 0);
        drawHeart(sign);
    }
    glDisable(GL_BLEND);
    glColor4f(1, 1, 1, 1);
}

void GeneratorSigns::appendLook(PictureLook& look) const
{
    look.add(static_cast<int>(signs.size()));
    for (const Sign& sign : signs)
    {
        look.add(sign.position);
        look.add(sign.angle);
        look.add(sign.pointing);
    }
}

void GeneratorSigns::handleEvent(Event&) {}

// The shapes are filled, so they join without gaps at any size; `grow` widens every stroke on each side,
// for the dark edge.
void GeneratorSigns::drawShapes(const Sign& sign, float grow)
{
    glPushMatrix();
    glTranslatef(sign.position.x, sign.position.y, 0);
    glRotatef(sign.angle, 0, 0, 1);
    const float inner = ringRadius - strokeHalfWidth - grow;
    const float outer = ringRadius + strokeHalfWidth + grow;
    glBegin(GL_QUAD_STRIP);
    for (int segment = 0; segment <= ringSegments; ++segment)
    {
        const float turn = 2 * pi * static_cast<float>(segment) / ringSegments;
        glVertex3f(inner * std::cos(turn), inner * std::sin(turn), 0);
        glVertex3f(outer * std::cos(turn), outer * std::sin(turn), 0);
    }
    glEnd();
    if (sign.pointing)
        drawArrow(grow);
    glPopMatrix();
}

// In the sign's own frame: the generator at the origin, the velocity along +x.
void GeneratorSigns::drawArrow(float grow)
{
    const float headBase = arrowLength - headLength;
    const float shaft = strokeHalfWidth + grow;
    glBegin(GL_QUADS);
    glVertex3f(arrowStart - grow, -shaft, 0);
    glVertex3f(headBase, -shaft, 0);
    glVertex3f(headBase, shaft, 0);
    glVertex3f(arrowStart - grow, shaft, 0);
    glEnd();
    // Growing the head's sides by `grow` moves its tip out by about twice as much.
    glBegin(GL_TRIANGLES);
    glVertex3f(arrowLength + 2 * grow, 0, 0);
    glVertex3f(headBase - grow, headHalfWidth + 2 * grow, 0);
    glVertex3f(headBase - grow, -headHalfWidth - 2 * grow, 0);
    glEnd();
}

// The particle picture, upright whatever the arrow's direction.
void GeneratorSigns::drawHeart(const Sign& sign)
{
    glPushMatrix();
    glTranslatef(sign.position.x, sign.position.y, 0);
    glColor4f(1, 1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D,
                  Core::instance()->getTextureManager()->getTexture(World::particlePicture)->textureId);
    TexturedQuad::drawCentred(World::particleHalfSize, World::particleHalfSize);
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
}
