#pragma once

// A rectangle of the frame kept as its own pixels in a texture: taken once from the lower-left corner of
// the frame and put back, pixel for pixel, as often as wanted. On a renderer without a GPU, putting back
// pixels costs a fraction of drawing them again from a filtered picture. The owner holds it by value; its
// texture lives until it is destroyed or forgotten, and every call but the destructor and forget() needs
// the OpenGL context.
class PixelCopy
{
public:
    PixelCopy() = default;
    ~PixelCopy();
    // The texture is not shared: a copy starts empty, and assigning empties the target.
    PixelCopy(const PixelCopy&);
    PixelCopy& operator=(const PixelCopy&);

    // True once take() has filled the copy.
    bool isHeld() const;
    // Copies the frame's rectangle from (0, 0) of width by height pixels. Binds the copy's texture.
    void take(int width, int height);
    // Draws the copy with its lower-left corner at the origin, one unit per pixel, replacing what lies
    // beneath. Leaves texturing disabled; colour and blending are untouched.
    void put() const;
    // Drops the copy; the next take() fills it afresh.
    void forget();

private:
    unsigned textureId = 0;
    int textureSide = 0;
    int width = 0;
    int height = 0;
};
