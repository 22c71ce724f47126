#pragma once

#include "widgets/Widget.h"
#include "world/Generator.h"
#include "world/Vector3.h"

#include <vector>

// Marks where the generators stand before their flow starts: at each, a particle heart in a pink ring,
// like the flow it will release, with an arrow along the particles' starting velocity (no arrow for a
// velocity of 0). The arrow shows the direction only. Generators with nothing to release get no sign.
// One widget for all of them, however many a level has. Ignores the mouse.
class GeneratorSigns : public Widget
{
public:
    // Radius of the ring and distance from the generator to the arrow's tip, in field units.
    static constexpr float ringRadius = 10;
    static constexpr float arrowLength = 40;

    // Copies what it needs of the generators, as the World holds them.
    explicit GeneratorSigns(const std::vector<Generator>& generators);

    // Needs Core's texture cache and the OpenGL context.
    void draw() override;
    void appendLook(PictureLook& look) const override;
    void handleEvent(Event& event) override;

private:
    struct Sign
    {
        Vector3 position;
        // The velocity's direction in degrees counter-clockwise from +x; only meaningful when `pointing`.
        float angle;
        bool pointing;
    };

    static void drawShapes(const Sign& sign, float grow);
    static void drawArrow(float grow);
    static void drawHeart(const Sign& sign);

    std::vector<Sign> signs;
};
