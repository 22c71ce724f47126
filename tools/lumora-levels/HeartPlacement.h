#pragma once

#include "world/LevelRules.h"

#include <optional>
#include <string>

// One heart the player places: its kind and its place in field units (x to the right, y upwards, as
// World::placeHeart takes them).
struct HeartPlacement
{
    // The heads-up bar covers the field below this height, in units: a player cannot place a heart there.
    static constexpr int lowestY = 110;

    using Kind = LevelRules::Heart;

    // "light" or "dark"; nothing for any other word.
    static std::optional<Kind> kindNamed(const std::string& name);
    static const char* nameOf(Kind kind);

    Kind kind = Kind::Light;
    int x = 0;
    int y = 0;
};
