#pragma once

#include "engine/Process.h"
#include "game/Settings.h"

#include <string>

// The options screen: the music's and the effects' volume from 0 to 10, full screen on or off (at once), and
// whether the game asks about full screen at start. Every change is heard or seen at once and kept in the
// settings file. The mouse works the buttons; the arrow keys choose a row (Up, Down) and change it (Left,
// Right, Enter, Space); BACK or Escape end the screen for the menu. It leaves its widgets for the next
// screen to clear.
class ProcessOptions : public Process
{
public:
    ProcessOptions();
    ~ProcessOptions() override;

    void start() override;
    void handleEvent(Event& event) override;

private:
    enum Row
    {
        Music,
        Effects,
        Fullscreen,
        Ask,
        rowCount
    };

    void show();
    void showRow(Row row, const std::string& name, const std::string& value, int lowerId, int raiseId);
    void buttonClicked(int id);
    void keyPressed(int key);
    // Changes the row's setting by one step down or up; a yes or no setting turns over either way.
    void change(Row row, int step);
    void apply();

    Settings settings;
    Row chosen = Music;
    // The full screen shown, so that a switch by F11 shows too.
    bool shownFullscreen = false;
};
