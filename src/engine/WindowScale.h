#pragma once

// How many pixels of a window each pixel of the 800x600 picture takes: on a large desktop the window
// grows by a whole factor, so the picture stays crisp and every window pixel maps back to exactly one
// picture pixel. Full screen keeps its own resolution and has no factor.
class WindowScale
{
public:
    // The window's height may take at most this share of the desktop's height, in percent.
    static constexpr int desktopHeightPercent = 80;
    // The largest factor LUMORA_SCALE may ask for.
    static constexpr int largestFactor = 8;

    // The factor for a desktop of the given height in pixels: the one `setting` names when it is a
    // whole number from 1 to largestFactor, else the largest whose window fits the share (at least 1).
    // `setting` may be null.
    static int choose(int desktopHeight, const char* setting);
    // The factor for the desktop SDL reports and the LUMORA_SCALE environment variable; needs SDL's
    // video, before the window opens.
    static int forThisDesktop();
};
