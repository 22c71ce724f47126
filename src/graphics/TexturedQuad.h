#pragma once

// The one way every picture reaches the screen: a single GL_QUADS quad in the current model-view
// matrix, z 0, corners issued lower-left, lower-right, upper-right, upper-left with texture coordinates
// (0, 0), (s, 0), (s, t), (0, t). With the texture cache's bottom-up rows this shows a picture upright
// under the play-field projection. The caller sets colour, texture and blending around it.
class TexturedQuad
{
public:
    // The quad from (left, bottom) to (right, top) showing the picture's left fraction sRight and bottom
    // fraction tTop.
    static void draw(float left, float bottom, float right, float top, float sRight = 1, float tTop = 1);
    // As draw(), sampling the bound texture's nearest texel rather than filtering: the same picture
    // when each texel covers exactly one pixel, for much less work on a renderer without a GPU. The
    // texture's filters are linear again afterwards.
    static void drawTexelPerPixel(float left, float bottom, float right, float top);
    // The quad centred on the origin, reaching halfWidth and halfHeight each way.
    static void drawCentred(float halfWidth, float halfHeight);
};
