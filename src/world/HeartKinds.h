#pragma once

#include <cstddef>
#include <iterator>
#include <string>

// One kind of heart the player places as a body of the field.
struct HeartKind
{
    // Its word in the level tool's SOLUTION lines and options.
    const char* name;
    // Its picture on the field and on the bottom bar; the world tells a placed heart's kind by it.
    const char* picture;
    // Pull in units^3 per step^2: positive attracts the flow, negative repels it.
    float strength;
    // How many of it each load of a level gives.
    int supply;
    // SDL's number of the mouse button whose release places it: 1 left, 2 middle, 3 right.
    int mouseButton;
};

// Every kind of heart, listed once, in the order the bottom bar shows them. The play process, the world's
// supplies, the bar and the level tool all read this list, so a kind added here is placed, counted, shown
// and solved with no other edit. A kind is known everywhere by its index in the list.
class HeartKinds
{
public:
    static constexpr HeartKind all[] = {
        {"light", "./graphics/lightheart.png", 150, 5, 1},
        {"dark", "./graphics/darkheart.png", -150, 5, 3},
    };
    static constexpr std::size_t count = std::size(all);
    // What the lookups return for no kind at all.
    static constexpr std::size_t none = count;

    // The index of the kind with that name, picture or mouse button, or none.
    static std::size_t named(const std::string& name);
    static std::size_t withPicture(const std::string& picture);
    static std::size_t placedBy(int mouseButton);
    // All the kinds' supplies added up: the most hearts a level can take.
    static int totalSupply();
};
