#pragma once

#include "widgets/Clickable.h"
#include "world/Vector3.h"

#include <string>

// A one-line caption in the bitmap font that clicks as every Clickable does: white when idle, magenta under
// the pointer, red while a button is held on it.
class TextButton : public Clickable
{
public:
    TextButton(int buttonId, std::string caption, Vector3 topLeft, float horizontalScale,
               float verticalScale);

    // Needs Core's font and the OpenGL context.
    void draw() override;
    void appendLook(PictureLook& look) const override;

    // Whether a point in screen coordinates (y up) lies on the caption: from the top-left corner across
    // 18 * scaleX per character (every byte counts) and down 40 * scaleY. The left and top edges belong
    // to the caption, the right and bottom ones to whatever touches it there, exactly as the caption's
    // pixels do, so a point on the edge two buttons share belongs to one of them only.
    bool contains(float x, float y) const override;

private:
    std::string text;
    Vector3 position;
    Vector3 colours[3];
    float scaleX;
    float scaleY;
};
