#pragma once

#include "graphics/Drawable.h"
#include "world/Vector3.h"

#include <string>

// A round body of a level, or a heart the player placed: it pulls the flow (pushes it when its strength
// is negative), absorbs the particles that touch it and is drawn as a turning square picture. The World
// keeps bodies by value; a copy is a new object that no handle holds.
class GravBody : public Drawable
{
public:
    GravBody() = default;
    GravBody(const Vector3& centre, float bodyRadius, float bodyStrength, const std::string& image,
             float bodySpin);

    // Draws the picture over a square of side 2 x radius about the position, turned by the angle.
    // Needs the OpenGL context.
    void draw() override;

    // The picture that makes a body a planet.
    static constexpr char planetPicture[] = "./graphics/planet.png";

    // A body drawn with planetPicture is a planet: only particles it absorbs count towards the
    // goal. A planet is deliberately known by its picture's name alone, exactly as the level file writes
    // it; every level file relies on it, so the planet's picture spelled otherwise is an ordinary body.
    bool isPlanet() const;

    // Centre in field units, z 0.
    Vector3 position;
    // Capture distance and half the side of the drawn square, in field units.
    float radius = 0;
    // Pull in units^3 per step^2: a particle at distance d gains strength / d^2 towards the centre.
    float strength = 0;
    // The picture's file name, looked up in the texture cache on every draw.
    std::string textureName;
    // Degrees added to the angle every step.
    float spin = 0;
    // Current turn in degrees, counter-clockwise.
    float angle = 0;
};
