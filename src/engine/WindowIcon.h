#pragma once

#include <string>

struct SDL_Surface;

// The window's icon, a BMP file taken only when it is a regular file whose header claims an icon's size:
// a FIFO in its place would wait for a writer before any window opens, and a few bytes of header may claim
// gigabytes of pixels. A file refused leaves the desktop's default icon, and the game plays on.
class WindowIcon
{
public:
    // The largest side taken, in pixels; desktops draw no icon larger.
    static constexpr long largestSidePixels = 256;

    // The file's picture, which the caller frees with SDL_FreeSurface; null when it is refused or cannot
    // be read. Needs no window.
    static SDL_Surface* load(const std::string& fileName);
    // Gives the file's picture, if taken, to the window SDL opens next; SDL takes an icon only then.
    static void set(const std::string& fileName);
};
