#pragma once

// Where the picture of the field stands in the window: its top-left corner in window pixels (y down) and
// how many window pixels each of its pixels takes, whole or not. A window of the picture's own size holds
// it at (0, 0) at scale 1.
struct PicturePlacement
{
    float left = 0;
    float top = 0;
    float scale = 1;

    // The picture's pixel under a window pixel, rounded down; outside the picture when the window pixel
    // is on the bars beside it.
    int pictureX(int windowX) const;
    int pictureY(int windowY) const;
};
