#pragma once

#include "engine/Handle.h"
#include "engine/Process.h"

#include <string>

class Label;

// A short-lived child of the game screen that puts one large magenta line over the field and ends
// itself after a fixed time, timed on Tick by SDL's tick count. Its label leaves the Interface when it
// stops, whether it ended by itself or the game screen took it out.
class ProcessOverlay : public Process
{
public:
    ProcessOverlay();
    ~ProcessOverlay() override;

    // Takes the label down, then stops listening and posts the notice the game screen answers.
    void stop() override;

protected:
    void listenForTicks();
    // Creates the label at the top-left corner (x, y) and puts it on screen.
    void showLabel(const std::string& text, float x, float y);
    void setLabelText(const std::string& text);

private:
    Handle<Label> label;
};
