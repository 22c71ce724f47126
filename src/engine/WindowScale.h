#pragma once

#include <string>

// How many pixels of a window each pixel of the 800x600 picture takes: on a large desktop the window
// grows by a whole factor, so the picture stays crisp and every window pixel maps back to exactly one
// picture pixel. The player may choose the factor; one that makes the window larger than the desktop is
// lowered to the largest that fits. Full screen keeps its own resolution and has no factor.
class WindowScale
{
public:
    // The window's height may take at most this share of the desktop's height, in percent.
    static constexpr int desktopHeightPercent = 80;
    // The largest factor LUMORA_SCALE may ask for.
    static constexpr int largestFactor = 8;
    // The environment variable through which the player chooses the factor.
    static constexpr char variable[] = "LUMORA_SCALE";

    struct Choice
    {
        int factor = 1;
        // What the player should know about the setting, without the "lumora: " of its line; empty when
        // the setting was taken as it stands, or not given.
        std::string note;
    };

    // The factor for a desktop of the given size in pixels (0 by 0 when unknown). Without a setting (null
    // or empty): the largest whose window fits the desktop's width and the share of its height, at least
    // 1. A setting must be a whole number from 1 to largestFactor; one whose window does not fit the
    // desktop gives the largest that does, and one that is not a factor at all is ignored; both say so.
    static Choice choose(int desktopWidth, int desktopHeight, const char* setting);
    // The factor for the desktop SDL reports and the player's setting, the note printed as one line on
    // stderr; needs SDL's video, before the window opens.
    static int forThisDesktop();
};
