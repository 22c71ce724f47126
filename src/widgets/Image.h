#pragma once

#include "widgets/Widget.h"
#include "world/Vector3.h"

#include <string>

// One picture centred on a point, stretched to a size, with an opacity; ignores the mouse.
class Texture;

class Image : public Widget
{
public:
    // Loads nothing until drawn.
    Image(std::string fileName, float opacity, Vector3 centre, Vector3 quadSize);
    // Shown at one screen unit per pixel: reads the picture's size through the texture cache at once,
    // so it needs Core and the OpenGL context. A missing picture gives a size of 0 by 0.
    Image(std::string fileName, float opacity, Vector3 centre);

    void draw() override;
    void appendLook(PictureLook& look) const override;
    void handleEvent(Event& event) override;

    // Width and height of the drawn quad; z is not used.
    Vector3 getSize() const;

private:
    bool showsTexelPerPixel(const Texture& texture) const;

    Vector3 position;
    Vector3 size;
    std::string textureName;
    float alpha;
};
