#pragma once

#include "engine/FrameAudit.h"
#include "engine/GameSetup.h"
#include "engine/InputQueue.h"
#include "graphics/PictureLook.h"
#include "graphics/PixelCopy.h"
#include "graphics/PlayField.h"

#include <cstdint>
#include <string>

// The program's life after main: opens the window, has Core load and start the game, runs one paced
// frame after another until the window is closed or the process tree is empty, then destroys Core and
// shuts SDL down. Without a window there is no game: that ends the program at once, before Core exists.
class MainLoop
{
public:
    // The loop runs the game that the setup describes.
    explicit MainLoop(GameSetup gameSetup);

    static constexpr int windowWidth = PlayField::width;
    static constexpr int windowHeight = PlayField::height;
    static constexpr int windowBitsPerPixel = 32;
    // The window's class, by which desktops match it with its launcher (StartupWMClass in packaging/).
    static constexpr const char* windowClass = "lumora";
    // The exit status when the window could not be opened.
    static constexpr int noWindowStatus = 1;

    // Runs the whole game: startUp(), frames until the window closes or the game ends, tearDown().
    // Returns the program's exit status: 0, or noWindowStatus.
    int run();

    // Opens the window, has Core load the shared resources and start the game, sets up the projection.
    // Running once the game has started. QuitAsked, with nothing opened or loaded, when the player asked
    // to quit during the full-screen question. NoWindow, with one line on stderr naming what failed, when
    // SDL's video or the window cannot start; SDL is then shut down again and Core was never created.
    enum class StartUp
    {
        Running,
        QuitAsked,
        NoWindow
    };
    StartUp startUp();

    // The steps of opening the window, shared with the tests that draw into a real one.
    static void setGlAttributes();
    // Opens the OpenGL window with its caption and the icon of that file, if any, `scale` times the
    // picture's size each way (full screen is always the picture's); false when SDL could not.
    static bool openVideo(bool fullscreen, int scale = 1, const std::string& icon = std::string());
    // The play-field projection: x 0 to 800 left to right, y 0 to 600 bottom to top.
    static void setUpProjection();

    // One frame: takes SDL's pending input, posts at most one input event, updates Core, draws and
    // waits out the frame. False once the window has been closed.
    bool runFrame();
    // Draws and shows the frame, unless the window is hidden or the picture on screen is already the
    // frame's; the stars blink either way.
    void drawFrame();
    // Enlarges the drawn picture to the window, if it is larger, and shows it: by swapping the buffers,
    // or on a software renderer by finishing the front buffer that the frame was drawn into.
    void present();
    // Destroys Core and shuts SDL down.
    void tearDown();

    // Tells the audit, which the caller keeps alive until it is replaced, of every frame drawn or skipped.
    void setFrameAudit(FrameAudit* audit);

private:
    void postNextInput();
    // Opens the window as openVideo() does, and on a software renderer in a window opens it again to
    // have frames drawn into its front buffer; false when SDL could not.
    bool openVideoForRenderer(bool fullscreen);

    GameSetup setup;
    InputQueue input;
    // What the picture on screen depends on; unknown while the screen shows none of this game's frames.
    PictureLook shownLook;
    int pixelScale = 1;
    // Frames are drawn into the front buffer and shown by glFinish, instead of swapped in.
    bool drawsIntoFront = false;
    // The frame, taken at the picture's size to be put back enlarged.
    PixelCopy frame;
    FrameAudit* frameAudit = nullptr;
};
