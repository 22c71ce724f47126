#pragma once

#include "engine/Handle.h"
#include "engine/Process.h"
#include "support/CoreFixture.h"
#include "support/GlWindow.h"
#include "support/ManualClock.h"
#include "support/TempFolder.h"

#include <SDL.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TextButton;

// The whole game in-process, frame by frame as the main loop runs it: a working folder with small test
// levels, a real window for the textures, both clocks driven by hand and input posted as the main loop
// posts it, one event a frame. Times are milliseconds of game time.
class GameHarness : public CoreFixture
{
protected:
    static constexpr std::uint32_t frameMilliseconds = 10;

    void SetUp() override;
    void TearDown() override;

    void writeLevel(const std::string& name, const std::string& content);
    // Three streams straight into a planet: exactly the goal's 70 particles, all captured within 2 s.
    static std::string quickLevel();

    void frame(std::uint32_t milliseconds = frameMilliseconds);
    void wait(std::uint32_t milliseconds);
    // Runs frames until the condition holds, for at most `milliseconds`; false if it never did.
    bool waitUntil(const std::function<bool()>& condition, std::uint32_t milliseconds = 20000);

    // Input at a field point (y up), handed over in window pixels (y down) as SDL gives it; a frame each.
    void mouse(int type, int x, int y, int button = SDL_BUTTON_LEFT);
    void click(int x, int y, int button = SDL_BUTTON_LEFT);
    void clickButton(int buttonId);
    void key(int type, int keyCode = SDLK_ESCAPE);

    // The newest screen under the root game process, and the game screen's newest phase.
    Handle<Process> screen() const;
    Handle<Process> phase() const;
    template <typename T>
    bool showing() const
    {
        return dynamic_cast<T*>(screen().get()) != nullptr;
    }
    template <typename T>
    bool inPhase() const
    {
        return dynamic_cast<T*>(phase().get()) != nullptr;
    }

    // Every label's lines, in the order the interface draws them.
    std::vector<std::string> labelTexts() const;
    bool onScreen(const std::string& text) const;
    Handle<TextButton> buttonAt(int x, int y) const;
    // The save file's bytes; empty when there is none.
    std::string saveFile() const;

    GlWindow window;
    ManualClock clock;
    TempFolder folder;

private:
    std::unique_ptr<ScopedWorkingFolder> workingFolder;
};
