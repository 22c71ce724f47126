#pragma once

#include "engine/FrameAudit.h"
#include "engine/GameSetup.h"
#include "engine/InputQueue.h"
#include "graphics/PictureLook.h"
#include "graphics/PlayField.h"
#include "graphics/WindowPicture.h"

#include <cstdint>
#include <string>

// The program's life after main: opens the window, has Core load and start the game, runs one paced
// frame after another until the window is closed or the process tree is empty, then destroys Core and
// shuts SDL down. Without a window there is no game: that ends the program at once, before Core exists.
// The window is opened once and keeps its OpenGL context for the whole run: F11 or Alt+Enter switch it
// between a window and full screen at any time, and it takes whatever size the window manager gives it,
// always showing the whole picture (see WindowPicture) and mapping the pointer back onto it.
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
    // Opens the OpenGL window with its caption and the icon of that file, if any: a window the window
    // manager may resize, `scale` times the picture's size each way, or full screen at the desktop's size;
    // false when SDL could not.
    static bool openVideo(bool fullscreen, int scale = 1, const std::string& icon = std::string());
    // The play-field projection: x 0 to 800 left to right, y 0 to 600 bottom to top.
    static void setUpProjection();

    // One frame: takes SDL's pending input, posts at most one input event, updates Core, draws and
    // waits out the frame. False once the window has been closed.
    bool runFrame();
    // Draws and shows the frame, unless the window is hidden or the picture on screen is already the
    // frame's; the stars blink either way.
    void drawFrame();
    // Puts the drawn picture into the window, scaled if the window is not its size, and shows it: by
    // swapping the buffers, or on a software renderer by finishing the front buffer it was drawn into.
    void present();
    // Switches between the window and full screen, keeping everything else; false, with one line on
    // stderr, when SDL could not.
    bool toggleFullscreen();
    bool isFullscreen() const;
    // Destroys Core and shuts SDL down.
    void tearDown();

    // Tells the audit, which the caller keeps alive until it is replaced, of every frame drawn or skipped.
    void setFrameAudit(FrameAudit* audit);

private:
    void postNextInput();
    // Acts on what the window was asked since the last frame: full screen, or a new size.
    void followWindowRequests();
    // Switches to or from full screen when the game wished it during the frame's update.
    void grantFullscreenWish();
    // Sets the video mode as openVideo() does at that size (full screen takes the desktop's), and takes on
    // the window's new size; false when SDL could not.
    bool setVideoMode(bool fullscreen, int width, int height);

    GameSetup setup;
    InputQueue input;
    // What the picture on screen depends on; unknown while the screen shows none of this game's frames.
    PictureLook shownLook;
    // Frames are drawn into the front buffer and shown by glFinish, instead of swapped in.
    bool drawsIntoFront = false;
    bool fullscreen = false;
    // The window's size the last time it was not full screen, to go back to.
    int windowedWidth = windowWidth;
    int windowedHeight = windowHeight;
    WindowPicture picture;
    FrameAudit* frameAudit = nullptr;
};
