#pragma once

#include "widgets/Widget.h"

// A dark violet, translucent rectangle with a light rim, like the menu's panel, laid behind text so that
// it reads over the brightest parts of the field. Ignores the mouse.
class Panel : public Widget
{
public:
    static constexpr float fillAlpha = 0.75f;

    // The rectangle in field units, y up.
    Panel(float left, float bottom, float right, float top);

    // Needs the OpenGL context.
    void draw() override;
    void appendLook(PictureLook& look) const override;
    void handleEvent(Event& event) override;

private:
    float left;
    float bottom;
    float right;
    float top;
};
