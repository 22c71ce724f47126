#pragma once

#include "widgets/Clickable.h"

#include <cstddef>
#include <string>

// A box of one line that the player types into: its name on the left, then the text, and a cursor after the
// text while the field has the keys. Text too long for the box shows its end. It clicks as every Clickable
// does; the screen that owns it decides which field has the keys and hands it the characters typed.
class TextField : public Clickable
{
public:
    // Room left between the rim and the text, in field units.
    static constexpr float padding = 6;

    // The box in field units, y up; the text's scale multiplies the font's glyph cell. It holds at most
    // `longest` characters.
    TextField(int buttonId, std::string name, float left, float bottom, float right, float top, float scale,
              std::size_t longest);
    // A field destroyed while it has the keys gives them back.
    ~TextField() override;

    void setText(const std::string& shown);
    const std::string& getText() const;
    // Appends the character if the font can draw it (in either case) or it is a blank, and there is room;
    // whether it did.
    bool type(char character);
    // Takes away the last character, if any.
    void erase();

    void setFocused(bool hasKeys);
    bool isFocused() const;
    // Whether some field has the keys: shortcuts of a single letter stand aside meanwhile.
    static bool isAnyFocused();

    // Needs Core's font and the OpenGL context.
    void draw() override;
    void appendLook(PictureLook& look) const override;
    bool contains(float x, float y) const override;

private:
    // The end of the text that fits the box after the name.
    std::string shownText() const;
    float textLeft() const;

    std::string label;
    std::string text;
    float left;
    float bottom;
    float right;
    float top;
    float scale;
    std::size_t longestText;
    bool focused = false;
    static int focusedFields;
};
