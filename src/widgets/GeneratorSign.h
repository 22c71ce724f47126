#pragma once

#include "widgets/Widget.h"
#include "world/Vector3.h"

// Marks where a generator stands before its flow starts: a particle heart in a pink ring, like the flow
// it will release, with an arrow along the particles' starting velocity (no arrow for a velocity of 0).
// The arrow shows the direction only. Ignores the mouse.
class GeneratorSign : public Widget
{
public:
    // Radius of the ring and distance from the generator to the arrow's tip, in field units.
    static constexpr float ringRadius = 10;
    static constexpr float arrowLength = 40;

    // The generator's position and velocity in field units, as the World holds them.
    GeneratorSign(Vector3 generatorPosition, Vector3 generatorVelocity);

    // Needs Core's texture cache and the OpenGL context.
    void draw() override;
    void handleEvent(Event& event) override;

private:
    void drawShapes(float grow) const;
    void drawHeart() const;

    Vector3 position;
    // The velocity's direction in degrees counter-clockwise from +x; only meaningful when `pointing`.
    float angle = 0;
    bool pointing = false;
};
