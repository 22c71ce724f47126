#pragma once

#include "engine/Handle.h"
#include "engine/Process.h"
#include "support/CoreFixture.h"
#include "support/GlWindow.h"
#include "support/ManualClock.h"
#include "support/TempFolder.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class Label;
class TextButton;

// The whole game in-process, frame by frame, the way the main loop runs it: a working folder with small
// test levels, a real window for the textures, both clocks driven by hand (10 ms a frame) and input
// posted as the main loop posts it, one event per frame.
class GameHarness : public CoreFixture
{
protected:
    static constexpr std::uint32_t frameMilliseconds = 10;

    void SetUp() override;
    void TearDown() override;

    // Writes a level file into the working folder's levels/.
    void writeLevel(const std::string& name, const std::string& content);
    // A level whose three generators pour straight into a planet: 70 captured in well under 3 s.
    static std::string quickLevel();

    void frame(std::uint32_t milliseconds = frameMilliseconds);
    void frames(int count);
    // Runs frames until the condition holds; false if it did not within the limit.
    bool runUntil(const std::function<bool()>& condition, int maxFrames = 2000);

    // Input in play-field coordinates (y up), converted to window coordinates as SDL gives them.
    void postMouse(int type, int x, int y, int button = 1);
    void click(int x, int y, int button = 1);
    void clickButton(const std::string& caption);
    void releaseKey(int key);
    void pressKey(int key);

    // The current top-level screen (the newest child of the root game process).
    Handle<Process> screen() const;
    template <typename T>
    bool showing() const
    {
        return dynamic_cast<T*>(screen().get()) != nullptr;
    }
    // The game screen's newest child: countdown, play or an overlay.
    Handle<Process> phase() const;
    template <typename T>
    bool inPhase() const
    {
        return dynamic_cast<T*>(phase().get()) != nullptr;
    }

    // Every text on screen: labels line by line.
    std::vector<std::string> labelTexts() const;
    bool onScreen(const std::string& text) const;
    Handle<TextButton> findButton(int x, int y) const;
    std::string saveFileContent() const;
    bool saveFileExists() const;

    GlWindow window;
    ManualClock clock;
    TempFolder folder;

private:
    std::unique_ptr<ScopedWorkingFolder> workingFolder;
};
