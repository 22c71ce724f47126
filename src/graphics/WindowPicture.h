#pragma once

#include "engine/PicturePlacement.h"
#include "graphics/PixelCopy.h"

// The field's picture, 800 by 600, shown in a window of any size: drawn straight into the window when the
// two are the same size; otherwise drawn apart, into a picture of its own, and then shown as large as the
// window allows, centred, on black. At a whole scale every picture pixel is a square of one colour; at any
// other it is smoothed. Without framebuffer objects the picture is drawn in the window's lower-left corner
// and copied from there, which serves windows at least as large as the picture. The owner holds it by
// value; every call needs the OpenGL context, which must outlive it.
class WindowPicture
{
public:
    WindowPicture() = default;
    ~WindowPicture();
    WindowPicture(const WindowPicture&) = delete;
    WindowPicture& operator=(const WindowPicture&) = delete;

    // The window's size in pixels, after it opened or changed.
    void setWindowSize(int width, int height);
    // Where the picture stands in the window.
    const PicturePlacement& getPlacement() const;
    // Whether the picture is drawn apart and then scaled into the window.
    bool isScaled() const;

    // Before a frame is drawn: the frame's drawing goes to the picture, under the field's projection.
    void beginFrame();
    // After the frame is drawn: shows the picture in the window, if it was drawn apart.
    void finishFrame();

private:
    bool makeFramebuffer();
    void putScaled();

    int windowWidth = 0;
    int windowHeight = 0;
    PicturePlacement placement;
    // The picture's rectangle in the window, in whole pixels from the lower-left corner.
    int shownLeft = 0;
    int shownBottom = 0;
    int shownWidth = 0;
    int shownHeight = 0;
    // The picture drawn apart: a framebuffer object and its texture, once made; or, without them, the copy.
    unsigned framebuffer = 0;
    unsigned texture = 0;
    bool framebufferTried = false;
    PixelCopy copy;
};
