#pragma once

#include "world/LevelRules.h"

#include <array>
#include <optional>
#include <string>

// One heart the player places: its kind and its place in field units (x to the right, y upwards, as
// World::placeHeart takes them).
struct HeartPlacement
{
    // The game refuses a heart on or below the heads-up bar's top edge (y 74): this is the lowest row a
    // player can place one in, in units.
    static constexpr int lowestY = 75;

    using Kind = LevelRules::Heart;
    // Every kind of heart, in the order the tool lists them.
    static constexpr std::array<Kind, 2> kinds{Kind::Light, Kind::Dark};

    // The kind that nameOf calls `name`; nothing for any other word.
    static std::optional<Kind> kindNamed(const std::string& name);
    static const char* nameOf(Kind kind);

    // Whether a player can place it: inside the field and above the bar.
    bool isPlaceable() const;

    Kind kind = Kind::Light;
    int x = 0;
    int y = 0;
};
