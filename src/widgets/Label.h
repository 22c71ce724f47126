#pragma once

#include "widgets/Widget.h"
#include "world/Vector3.h"

#include <string>
#include <vector>

// Lines of text in one colour, drawn with Core's font from the top-left corner of the first line down,
// each line 40 * scaleY below the one before. Ignores the mouse; the text may change at run time.
class Label : public Widget
{
public:
    Label(std::string initialText, float horizontalScale, float verticalScale, Vector3 topLeft, Vector3 rgb);

    // Replaces the text and its lines: a text with n newlines always gives n + 1 lines, empty ones
    // included.
    void setText(std::string newText);
    const std::string& getText() const;
    const std::vector<std::string>& getLines() const;

    // Needs Core's font and the OpenGL context.
    void draw() override;
    void appendLook(PictureLook& look) const override;
    void handleEvent(Event& event) override;

private:
    std::string text;
    std::vector<std::string> lines;
    Vector3 position;
    Vector3 colour;
    float scaleX;
    float scaleY;
};
