#pragma once

// A watch on the main loop's rule that a frame whose look equals the picture on screen is not drawn again:
// told of every frame, drawn or not, it can draw the frame itself and compare the pictures. Only tests give
// the loop one; it must leave the game as it found it.
class FrameAudit
{
public:
    virtual ~FrameAudit() = default;

    // The frame has just been drawn into the buffer it will be shown from, and is not shown yet.
    virtual void frameDrawn() = 0;
    // The frame's look equalled the picture on screen's, so the loop did not draw it.
    virtual void frameSkipped() = 0;
};
